#pragma once
// Program states with a known decisive fit, for the query panel and the printout.

#include "Auswertung.h"
#include "Zustand.h"

#include <algorithm>
#include <vector>

namespace tk::test {

inline void paareSetzen(Programmzustand& z, const std::vector<double>& x,
                        const std::vector<double>& y) {
    z.AnzPaare = static_cast<int>(x.size());
    z.redimPaare(z.AnzPaare, false);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        z.EingabeX(i) = x[static_cast<std::size_t>(i - 1)];
        z.EingabeY(i) = y[static_cast<std::size_t>(i - 1)];
    }
    z.WerteZuweisung();
    z.XMin = z.XWert(1);
    z.XMax = z.XWert(1);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        z.XMin = std::min(z.XMin, z.XWert(i));
        z.XMax = std::max(z.XMax, z.XWert(i));
    }
}

// Regression with the model of code `modell`, y = A + B*x for code 1.
inline Programmzustand regression(int modell = 1, double A = 1, double B = 2) {
    Programmzustand z;
    z.ModusPrognostik = false;
    z.Bezeichnung = "Versuchsreihe Regression";
    paareSetzen(z, {2, 3, 4, 5, 6}, {5, 7, 9, 11, 13});
    z.ModellNr = modell;
    z.KonstA = A;
    z.KoeffB = B;
    z.KorrR = 0.998;
    z.RMax = 0.998;
    return z;
}

// Logistic curve (type 5) K = 100 * e^(x-5) / (e^(x-5) + 1), observed at x = 1..6.
inline Programmzustand prognose(int fall) {
    Programmzustand z;
    z.ModusPrognostik = true;
    z.GrafikFall = fall;
    z.Bezeichnung = "Versuchsreihe Prognose";
    z.KurvenTyp = 5;
    z.KonstA = -5;
    z.KoeffB = 1;
    z.KMax = 100;
    z.KorrR = 0.95;
    z.WertXs = 5;
    std::vector<double> x, y;
    for (int i = 1; i <= 6; ++i) {
        x.push_back(i);
        y.push_back(WertKi(z, i) - (fall == 1 ? 0 : (i > 1 ? WertKi(z, i - 1) : 0)));
    }
    paareSetzen(z, x, y);
    return z;
}

} // namespace tk::test
