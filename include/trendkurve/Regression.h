#pragma once
// Trend regression: nine two-parameter models fitted on linearised axes; the model
// with the largest |r| among those that describe the data is the decisive one.

#include "trendkurve/Fehler.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace trendkurve {

namespace detail {
struct Zustand;
}

struct Modell {
    int code = 0;                  // 1, 2, 5, 7, 8, 9, 10, 11, 12
    bool angepasst = false;        // the fit ran to its end
    double r = 0, B = 0;           // on the linearised axes
    std::optional<double> A;       // unset when e^a lies beyond a double (code 6)
    std::optional<double> r2Daten; // R² in the data's own units, where defined
    bool beschreibtDaten = false;  // R² defined and not below 0
    bool zulaessig = true;         // may compete for the decisive model
    int fehlercode = 0;            // 0, or why the fit failed or lacks A
    std::string fehlertext;        // German
    std::string formel;            // e.g. "Y = A + B * X"
};

// Y for X or X for Y on the decisive curve; an undefined estimate is 0, as the query
// panel shows it.
struct Regressionsantwort {
    double x = 0, y = 0;
    bool extrapolation = false; // X lies outside the entered X values
};

struct TRENDKURVE_API Regression {
    std::vector<Modell> modelle; // in code order
    int modell = 0;              // code of the decisive model; 0: none
    double r = 0, A = 0, B = 0;  // of the decisive model
    std::optional<double> r2Daten;

    // Queries of the decisive model. Throw Fehler (code 5) when there is none.
    Regressionsantwort yFuerX(double x) const;
    Regressionsantwort xFuerY(double y) const;

    std::shared_ptr<const detail::Zustand> zustand; // what the queries read; immutable
};

// Fits the nine models. Throws Fehler (62) for an unusable series. Pure: safe to call
// from many threads at once; the result may be queried from many threads too.
TRENDKURVE_API Regression regression(const std::vector<double>& x, const std::vector<double>& y);

} // namespace trendkurve
