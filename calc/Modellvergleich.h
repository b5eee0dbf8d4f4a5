#pragma once
// All nine regression fits side by side, best first, with why a model could not be
// used, and whether the choice of the decisive model was a close one.

#include "calc/Bestimmtheit.h"
#include "calc/Prognose.h"
#include "calc/Regression.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

struct Vergleichszeile {
    int code = 0;
    std::string formel;
    std::optional<double> r, r2, A, B;
    std::optional<double> r2Daten; // R² in the data's units
    bool verwendbar = false;       // took part in the choice of the decisive model
    bool entscheidend = false;
    std::string grund; // why not usable; empty when usable
};

struct Modellvergleich {
    std::vector<Vergleichszeile> zeilen; // by |r| descending, models without r last
    bool knapp = false; // the runner-up's |r| is within `KnappeSchwelle` of the decisive one
};

inline constexpr double KnappeSchwelle = 0.001;

Modellvergleich modellvergleich(const RegressionsErgebnis& e);

// Why a curve type of a prognosis case took no part in the choice; empty when it did.
std::string typGrund(const TypFit& t);
// The runner-up type of a case lies within `KnappeSchwelle` in |r| of the decisive one.
bool knappeEntscheidung(const FallErgebnis& f);

} // namespace tk
