#pragma once
// Data sets of 21 pairs for the benchmarks.

#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "calc/Zustand.h"

#include <cmath>
#include <functional>

namespace tk::bench {

inline constexpr int Paare = 21;

inline Programmzustand zustand(bool prognose, const std::function<double(int)>& y) {
    Programmzustand z;
    z.ModusPrognostik = prognose;
    z.initialisierenEingabe();
    z.Bezeichnung = "Messreihe, 21 Paare";
    z.AnzPaare = Paare;
    z.redimPaare(Paare, false);
    for (int i = 1; i <= Paare; ++i) {
        z.EingabeX(i) = i;
        z.EingabeY(i) = y(i);
        Zusatz(z, i);
    }
    z.WerteZuweisung();
    MaxMinWert(z, Paare);
    return z;
}

// Growth with a little scatter, for the regression fits.
inline Programmzustand regressionsDaten() {
    return zustand(false, [](int x) { return 5 * std::exp(0.2 * x) * (1 + 0.01 * std::sin(x)); });
}

// Cumulative logistic values with saturation 100; `ende` is the last value, so the
// best level lies 100/ende times above the base.
inline Programmzustand logistischBis(double ende) {
    const double s = 3;
    const double mitte = 21 + s * std::log(100 / ende - 1);
    return zustand(true, [=](int x) { return 100 / (1 + std::exp(-(x - mitte) / s)); });
}

// Cumulative Gompertz values 100*e^(-A*e^(-B*x)) with saturation 100, B = 0.1 and A
// chosen so that the last value is `ende`.
inline Programmzustand gompertzBis(double ende) {
    const double B = 0.1;
    const double A = std::log(100 / ende) * std::exp(B * 21);
    return zustand(true, [=](int x) { return 100 * std::exp(-A * std::exp(-B * x)); });
}

} // namespace tk::bench
