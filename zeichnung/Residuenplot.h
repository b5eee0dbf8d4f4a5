#pragma once
// The residuals Y - Ŷ of a fitted regression model over X, in the data's own units,
// and their plot on any output surface.

#include "calc/Prognose.h"
#include "calc/Zustand.h"
#include "zeichnung/Ausgabe.h"

#include <vector>

namespace tk {

struct Residuum {
    int nr = 0; // pair number
    double x = 0, y = 0, yDach = 0;
    double rest() const { return y - yDach; }
};

// The residuals of the pairs 1..AnzPaare under model `code` with A and B; a pair where
// the model is undefined is left out.
std::vector<Residuum> residuen(const Programmzustand& z, int code, double A, double B);

// The residuals W - Ŵ of a prognosis case's decisive curve over X, against the values
// that case fits (`einzelwerte`: the running sums); empty without a decisive curve.
std::vector<Residuum> residuen(const Programmzustand& z, const FallErgebnis& fall,
                               bool einzelwerte);

// Frame, zero line, scales with nice ticks, axis titles and one circle per residual,
// filling the whole surface.
void zeichneResiduen(Ausgabe& a, const std::vector<Residuum>& r,
                     const QString& titelY = QStringLiteral("Y − Ŷ"));

} // namespace tk
