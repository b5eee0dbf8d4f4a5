#pragma once
// The whole calculation of a data set as a function: it reads the data set and returns
// what it found, so that it can run away from the windows and on many threads at once:
// the nine regression fits, or both prognosis cases, which may run at the same time on
// two threads with the same results as one after the other.

#include "calc/Fehler.h"
#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "calc/Zustand.h"

#include <array>
#include <functional>
#include <vector>

namespace tk {

struct Laufergebnis {
    Programmzustand z; // a copy of the data set holding the decisive results, for the windows
    RegressionsErgebnis regression;
    FallErgebnis summenwerte, einzelwerte;
    // The errors to report, in the order the run meets them (Summenwerte before
    // Einzelwerte); in prognosis mode each case's first.
    std::vector<Fehler> meldungen;
    bool abgebrochen = false;
};

// Hooks of a run. `fortschritt[0]` belongs to the Summenwerte case, `[1]` to the
// Einzelwerte case; each is called on the thread that runs its case. `fallFertig`
// (0 or 1) is called once per case that ran to its end or failed, on that thread.
struct Laufhaken {
    std::array<Fortschritt, 2> fortschritt;
    std::function<void(int fall, const FallErgebnis& ergebnis)> fallFertig;
};

// Runs the calculation of the state's mode. With `gleichzeitig` the Einzelwerte case
// runs on a thread of its own. A cancelled Summenwerte case skips the Einzelwerte case.
Laufergebnis rechenlauf(const Programmzustand& z, const Laufhaken& haken = {},
                        bool gleichzeitig = true);

} // namespace tk
