#pragma once
// Trend prognosis: three saturating curve types (1, 3, 5) with a searched saturation
// level, fitted to the values as cumulative values ("Fall Summenwerte") and to their
// running sums ("Fall Einzelwerte").

#include "trendkurve/Fehler.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trendkurve {

namespace detail {
struct Zustand;
}

struct Kurve {
    int typ = 0;
    bool angepasst = false; // the search ran to its end
    double K = 0, r = 0, A = 0, B = 0, Xs = 0;
    long iterationen = 0;
    std::optional<double> r2Daten;
    bool beschreibtDaten = false;
    int fehlercode = 0;
    std::string fehlertext;
};

// Characteristic values of the decisive curve; a value that cannot be computed stays
// unset.
struct Kennwerte {
    std::optional<double> X1, X50, X99, Ks, Xwp1, Xwp2, KMaxUnten, KMaxOben, phiXs, T;
};

struct Fall {
    std::vector<Kurve> kurven; // types 1, 3, 5
    bool entscheidend = false; // a decisive curve exists
    int typ = 0;
    double KMax = 0, r = 0, A = 0, B = 0, Xs = 0;
    std::optional<double> r2Daten;
    Kennwerte kennwerte;
};

// One point of the Summenwerte curve with the 95 % limits of K.
struct Summenantwort {
    double x = 0, prozent = 0, K = 0;
    std::optional<double> KUnten, KOben;
    bool extrapolation = false;
};

struct TRENDKURVE_API Prognose {
    double verschiebung = 0; // added to every value so that the smallest is 0
    Fall summenwerte, einzelwerte;

    // Queries of the Summenwerte curve (x = 1e10: the 100 % point). Throw Fehler with
    // code 5 and the query panel's warning for a value it refuses, when the case has no
    // decisive curve, or with the evaluation's code when it fails.
    Summenantwort fuerX(double x) const;
    Summenantwort fuerProzent(double prozent) const;
    Summenantwort fuerK(double K) const;

    std::shared_ptr<const detail::Zustand> zustand; // what the queries read; immutable
};

// Runs both cases (on the calling thread). Throws Fehler (62) for an unusable series.
// Pure: safe to call from many threads at once.
TRENDKURVE_API Prognose prognose(const std::vector<double>& x, const std::vector<double>& K);

} // namespace trendkurve
