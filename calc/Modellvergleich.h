#pragma once
// All nine regression fits side by side, best first, with why a model could not be
// used, and whether the choice of the decisive model was a close one.

#include "Regression.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

struct Vergleichszeile {
    int code = 0;
    std::string formel;
    std::optional<double> r, r2, A, B;
    bool verwendbar = false; // took part in the choice of the decisive model
    bool entscheidend = false;
    std::string grund; // why not usable; empty when usable
};

struct Modellvergleich {
    std::vector<Vergleichszeile> zeilen; // by |r| descending, models without r last
    bool knapp = false; // the runner-up's |r| is within `KnappeSchwelle` of the decisive one
};

inline constexpr double KnappeSchwelle = 0.001;

Modellvergleich modellvergleich(const RegressionsErgebnis& e);

} // namespace tk
