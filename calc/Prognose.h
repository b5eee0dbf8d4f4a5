#pragma once
// Prognosis fitting: the cumulative series of a case and the three saturation
// searches (curve types 1, 3, 5).

#include "calc/Fehler.h"
#include "calc/Zustand.h"

#include <array>
#include <functional>
#include <optional>
#include <vector>

namespace tk {

inline constexpr std::array<int, 3> KurvenTypen = {1, 3, 5};

// Extremes of the working arrays over pairs 1..m; in prognosis mode shifts YWert so
// that its minimum is 0. Returns the amount added to YWert (0 if none).
double MaxMinWert(Programmzustand& z, int m);

inline double groesser(double a, double b) {
    return a > b ? a : b;
}
inline double kleiner(double a, double b) {
    return a < b ? a : b;
}

// The cumulative series of one case.
struct Summenreihe {
    double SummeX = 0;
    double KBasis = 0;
    std::vector<double> SummenK; // index 1..n, element 0 unused
};

Summenreihe Untersuch1(const Programmzustand& z); // Fall Summenwerte
Summenreihe Untersuch2(const Programmzustand& z); // Fall Einzelwerte

// One curve type's search.
struct TypFit {
    int typ = 0;
    bool ok = false;   // the search ran to its end
    bool lief = false; // the search was started at all
    double K = 0, r = 0, A = 0, B = 0, Xs = 0;
    long iterationen = 0;
    std::optional<double> r2Daten; // R² in the case's own values; unset where undefined
    bool beschreibt = false;       // R² defined and not below 0
    std::optional<Fehler> fehler;
};

struct FallErgebnis {
    std::array<TypFit, 3> typen; // types 1, 3, 5
    bool entscheidend = false;   // a decisive curve exists
    bool abgebrochen = false;    // cancelled through the progress callback
    double r = 0, A = 0, B = 0, KMax = 0, Xs = 0;
    int typ = 0;
    std::optional<double> r2Daten;
    // Some type was fitted, but none describes the values better than their mean.
    bool keineBeschreibt() const;
};

// The decisive type among the three: the largest |r| among the types whose search
// ended and that describe the values; on equal |r| the earlier type. Index or -1.
int waehleTyp(const std::array<TypFit, 3>& typen);

// Progress of the searches. `typBeginn` is called before each type's search,
// `fortschritt` every 350 iterations (returning false cancels), `ende` once when the
// searches stop, normally or early.
struct Fortschritt {
    std::function<void(int typ)> typBeginn;
    std::function<bool(long iteration)> fortschritt;
    std::function<void()> ende;
};

inline constexpr long FortschrittTakt = 350;

// How a search step takes the logarithms of its pairs: all at once (four at a time where
// the processor allows it, see logarithmen), or pair by pair as the reference that the
// bundled step must match bit for bit.
enum class Suchschritt { Gebuendelt, Paarweise };

// Runs the three searches on the series and chooses the decisive type (strictly
// larger |r| wins among the types that describe the values). Writes nothing. An
// arithmetic error ends the searches and is reported through `melden`; only an
// undefined ln(A) does not: Xs then keeps the previous type's value and the searches go on.
FallErgebnis fallAnpassen(const Programmzustand& z, const Summenreihe& reihe,
                          const Fortschritt& fortschritt = {},
                          const std::function<void(const Fehler&)>& melden = {},
                          Suchschritt schritt = Suchschritt::Gebuendelt);

// fallAnpassen on the state, which then holds the case's decisive curve (KorrR, KonstA,
// KoeffB, KMax, WertXs, KurvenTyp, R²), or no curve at all.
FallErgebnis RegressFaktorP(Programmzustand& z, const Summenreihe& reihe,
                            const Fortschritt& fortschritt = {},
                            const std::function<void(const Fehler&)>& melden = {});

// Copies a case's decisive curve into the state (what the chart buttons do).
void fallUebernehmen(Programmzustand& z, const FallErgebnis& fall);

} // namespace tk
