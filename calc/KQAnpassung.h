// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Least squares in the data's units for every model of a regression run and every
// curve type of a prognosis case, each started from its linearised fit.

#include "calc/KQIntervalle.h"
#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "calc/Zustand.h"

#include <array>
#include <optional>

namespace tk {

// Empty for a model or type whose linearised fit gave no start.
using KQModelle = std::array<std::optional<KQErgebnis>, 9>; // in code order
using KQTypen = std::array<std::optional<KQErgebnis>, 3>;   // types 1, 3, 5

// On the entered pairs (EingabeX, EingabeY).
KQModelle kqRegression(const Programmzustand& z, const RegressionsErgebnis& r);

// On the case's cumulative series over XWert, the values the search fitted.
KQTypen kqFall(const Programmzustand& z, const Summenreihe& reihe, const FallErgebnis& f);

// The decisive curve of the state fitted by least squares (without the profile of K):
// the regression model on the entered pairs, or the prognosis curve on the cumulative
// series of the case the chart shows. Empty when the state has no decisive curve.
struct KQEntscheidend {
    KQKurve kurve;
    KQErgebnis fit;
};
std::optional<KQEntscheidend> kqEntscheidend(const Programmzustand& z);

} // namespace tk
