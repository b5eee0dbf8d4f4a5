#pragma once
// Puts pairs into a fresh program state as the input window stores them: each pair
// adjusted by Zusatz, working copies refreshed.

#include "calc/Regression.h"
#include "calc/Zustand.h"

#include <utility>
#include <vector>

namespace tk::test {

inline Programmzustand zustandMit(const std::vector<std::pair<double, double>>& paare,
                                  bool prognose = false) {
    Programmzustand z;
    z.initialisierenEingabe();
    z.ModusPrognostik = prognose;
    z.AnzPaare = static_cast<int>(paare.size());
    z.redimPaare(z.AnzPaare, false);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        z.EingabeX(i) = paare[static_cast<std::size_t>(i - 1)].first;
        z.EingabeY(i) = paare[static_cast<std::size_t>(i - 1)].second;
        Zusatz(z, i);
    }
    z.AnzahlOK = true;
    z.WerteZuweisung();
    return z;
}

} // namespace tk::test
