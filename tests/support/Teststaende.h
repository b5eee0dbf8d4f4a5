#pragma once
// Program states for the chart, query and print tests, built the way the input
// window builds them: pairs entered and adjusted, then fitted by the engine, or a
// prognosis curve given exactly.

#include "calc/Zustand.h"

#include <string>
#include <utility>
#include <vector>

namespace tk::test {

using Paare = std::vector<std::pair<double, double>>;

// Regression mode: pairs entered, nine models fitted, decisive model chosen.
Programmzustand regression(const Paare& paare, const std::string& titel = "Test");

// Prognosis mode: both cases fitted; the state holds case `fall` (1 Summenwerte,
// 2 Einzelwerte) as the chart buttons hand it over. `ok` is false when the case has
// no decisive curve.
Programmzustand prognose(const Paare& paare, int fall, bool* ok = nullptr,
                         const std::string& titel = "Test");

// A prognosis state with a given curve, for exact values.
Programmzustand kurve(int typ, double A, double B, double KMax, const Paare& paare, int fall);

// Values of the logistic curve K = 100/(1+e^-(x-5)) at x = 1..9, cumulative or as
// increments.
Paare logistischeSummen();
Paare logistischeEinzelwerte();
// The same curve with KMax = 200 (type 5, A = -5, B = 1, Xs = 5) given exactly, with
// its values in case `fall`.
Programmzustand logistisch(int fall);

// The example data files shipped with the program.
std::vector<std::string> beispieldateien();
// Loads an example file into a state of its mode (case `fall` for prognosis).
Programmzustand ausDatei(const std::string& pfad, int fall, bool* ok = nullptr);

} // namespace tk::test
