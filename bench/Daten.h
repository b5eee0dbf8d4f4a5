#pragma once
// Data sets of 21 pairs for the benchmarks.

#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "calc/Zustand.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <ctime>
#include <functional>

namespace tk::bench {

inline constexpr int Paare = 21;

inline Programmzustand zustand(bool prognose, const std::function<double(int)>& y,
                               int paare = Paare, double x1 = 1) {
    Programmzustand z;
    z.ModusPrognostik = prognose;
    z.initialisierenEingabe();
    z.Bezeichnung = "Messreihe";
    z.AnzPaare = paare;
    z.redimPaare(paare, false);
    for (int i = 1; i <= paare; ++i) {
        z.EingabeX(i) = x1 + i - 1;
        z.EingabeY(i) = y(i);
        Zusatz(z, i);
    }
    z.WerteZuweisung();
    MaxMinWert(z, paare);
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

// Prognosis data set number `nummer` of a family of many shapes, the same on every machine:
// 4 to 21 pairs at x = 1, 2, ... or at calendar years, cumulative logistic and Gompertz
// values, exponential growth, values per period (a bell), noisy logistic values, and
// values around 0 with zeros and negatives; typed to three decimals.
inline Programmzustand prognoseReihe(std::uint64_t nummer) {
    std::uint64_t stand = nummer * 0x9e3779b97f4a7c15ULL + 0x2545f4914f6cdd1dULL;
    const auto zufall = [&] { // splitmix64, in [0, 1)
        std::uint64_t v = (stand += 0x9e3779b97f4a7c15ULL);
        v = (v ^ (v >> 30)) * 0xbf58476d1ce4e5b9ULL;
        v = (v ^ (v >> 27)) * 0x94d049bb133111ebULL;
        return static_cast<double>((v ^ (v >> 31)) >> 11) * 0x1p-53;
    };
    const int n = 4 + static_cast<int>(zufall() * 18);
    const double s = 10 + 990 * zufall(), mitte = n * (0.2 + 1.2 * zufall());
    const double breite = 0.5 + 4 * zufall(), rate = 0.02 + 0.4 * zufall();
    const double A = 1 + 5 * zufall();
    std::function<double(int)> f;
    switch (nummer % 6) {
    case 0:
        f = [&](int i) { return s / (1 + std::exp(-(i - mitte) / breite)); };
        break;
    case 1:
        f = [&](int i) { return s * std::exp(-A * std::exp(-rate * i)); };
        break;
    case 2:
        f = [&](int i) { return s * std::exp(rate * i); };
        break;
    case 3:
        f = [&](int i) { return s * std::exp(-std::pow((i - mitte) / breite, 2) / 2); };
        break;
    case 4:
        f = [&](int i) {
            return s / (1 + std::exp(-(i - mitte) / breite)) * (0.9 + 0.2 * zufall());
        };
        break;
    default:
        f = [&](int i) {
            return zufall() < 0.15 ? 0 : s * (0.1 * i - 0.5 + 0.6 * (zufall() - 0.5));
        };
    }
    return zustand(
        true, [&](int i) { return std::round(f(i) * 1000) / 1000; }, n, nummer % 3 == 0 ? 1990 : 1);
}

// The bundled search step against the pairwise one on both cases of a data set: searches
// compared, those whose step counts differ, and those with a number that differs in any
// bit (K, r, A, B, Xs, R², the error); the largest difference in steps; CPU seconds.
// With a step limit, both searches of a case stop at the first report at or beyond it.
struct Suchvergleich {
    long schrittGrenze = 0;
    long suchen = 0, beendet = 0, schritteAnders = 0, zahlenAnders = 0;
    long groessterSchrittAbstand = 0;
    double sekundenPaarweise = 0, sekundenGebuendelt = 0;

    void vergleiche(const Programmzustand& z) {
        Fortschritt fp;
        if (schrittGrenze > 0) fp.fortschritt = [this](long i) { return i < schrittGrenze; };
        for (const Summenreihe& reihe : {Untersuch1(z), Untersuch2(z)}) {
            const std::clock_t t0 = std::clock();
            const FallErgebnis p = fallAnpassen(z, reihe, fp, {}, Suchschritt::Paarweise);
            const std::clock_t t1 = std::clock();
            const FallErgebnis g = fallAnpassen(z, reihe, fp, {}, Suchschritt::Gebuendelt);
            sekundenPaarweise += static_cast<double>(t1 - t0) / CLOCKS_PER_SEC;
            sekundenGebuendelt += static_cast<double>(std::clock() - t1) / CLOCKS_PER_SEC;
            for (std::size_t k = 0; k < p.typen.size(); ++k) {
                const TypFit &a = p.typen[k], &b = g.typen[k];
                suchen += a.lief;
                beendet += a.ok;
                const long abstand = std::labs(a.iterationen - b.iterationen);
                schritteAnders += abstand != 0;
                groessterSchrittAbstand = std::max(groessterSchrittAbstand, abstand);
                const auto bits = [](double x) { return std::bit_cast<std::uint64_t>(x); };
                zahlenAnders += a.ok != b.ok || bits(a.K) != bits(b.K) || bits(a.r) != bits(b.r) ||
                                bits(a.A) != bits(b.A) || bits(a.B) != bits(b.B) ||
                                bits(a.Xs) != bits(b.Xs) ||
                                bits(a.r2Daten.value_or(0)) != bits(b.r2Daten.value_or(0)) ||
                                a.fehler.has_value() != b.fehler.has_value() ||
                                (a.fehler && a.fehler->code != b.fehler->code);
            }
        }
    }
};

} // namespace tk::bench
