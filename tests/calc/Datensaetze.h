#pragma once
// Builds program states from pairs for the calculation tests.

#include "Regression.h"
#include "Zustand.h"

#include <utility>
#include <vector>

namespace tk::test {

inline Programmzustand zustandMit(const std::vector<std::pair<double, double>>& paare,
                                  bool prognose = false) {
    Programmzustand z;
    z.ModusPrognostik = prognose;
    z.AnzPaare = static_cast<int>(paare.size());
    z.redimPaare(z.AnzPaare, false);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        z.EingabeX(i) = paare[static_cast<std::size_t>(i - 1)].first;
        z.EingabeY(i) = paare[static_cast<std::size_t>(i - 1)].second;
        Zusatz(z, i);
    }
    z.WerteZuweisung();
    return z;
}

} // namespace tk::test
