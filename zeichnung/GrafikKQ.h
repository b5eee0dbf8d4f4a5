// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The view "Kleinste Quadrate" of the charts in the data's own units: the decisive
// curve fitted by least squares, its 95 % confidence band (shaded) and the lighter
// 95 % prediction band, with a legend of the parameters ± standard errors and R².

#include "calc/KQAnpassung.h"
#include "calc/Kurvenverlauf.h"
#include "calc/Zustand.h"
#include "zeichnung/Diagramm.h"

#include <optional>
#include <vector>

namespace tk::grafik {

struct KQZeichnung {
    std::optional<KQEntscheidend> kq; // empty or not converged: nothing to draw
    Verlauf kurve;
    std::vector<std::vector<Punkt>> mittel, vorhersage; // band polygons
    std::vector<Legendeneintrag> legende;
    bool gezeichnet() const { return kq && kq->fit.konvergiert; }
};

// Fits and samples the curve and its bands over [von, bis]; `formel` names the curve
// in the legend.
KQZeichnung kqZeichnung(const Programmzustand& z, double von, double bis, const QString& formel);

// The prediction band (light cyan), then the confidence band over it (light red).
void zeichneKQBaender(Ausgabe& a, const Diagramm& d, const KQZeichnung& k);

} // namespace tk::grafik
