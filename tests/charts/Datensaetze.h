#pragma once
// Program states for the chart tests, built the way the input window builds them:
// the pairs are entered, adjusted and fitted by the calculation engine.

#include "Zustand.h"

#include <string>
#include <utility>
#include <vector>

namespace tk::test {

using Paare = std::vector<std::pair<double, double>>;

// Regression mode: pairs entered, nine models fitted, decisive model chosen.
Programmzustand regression(const Paare& paare, const std::string& titel = "Test");

// Prognosis mode: both cases fitted; the state holds case `fall` (1 Summenwerte,
// 2 Einzelwerte) as the chart buttons hand it over. Returns false in `ok` when the
// case has no decisive curve.
Programmzustand prognose(const Paare& paare, int fall, bool* ok = nullptr,
                         const std::string& titel = "Test");

// A prognosis state with a given curve, for exact geometry.
Programmzustand kurve(int typ, double A, double B, double KMax, const Paare& paare, int fall);

// The example data files shipped with the program (may be none).
std::vector<std::string> beispieldateien();
// Loads an example file into a state of its mode (case `fall` for prognosis).
Programmzustand ausDatei(const std::string& pfad, int fall, bool* ok = nullptr);

// A small logistic series: cumulative K of 100/(1+e^-(x-5)) at x = 1..9.
Paare logistischeSummen();
// Individual values of the same curve.
Paare logistischeEinzelwerte();

} // namespace tk::test
