// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Least squares in the data's units: the models (A, B) and the curve types (K, A, B)
// fitted to the values themselves, started from the linearised fit, with the
// covariance of the parameters. The linearised fits stay what they are; this sits
// beside them.

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tk {

struct Abszisse;

// Parameters: A, B for a model; K, A, B for a curve type.
using KQParameter = std::array<double, 3>;

// A curve with its parameter count; `wert` throws Fehler where the curve is undefined.
struct KQKurve {
    int anzahl = 2;
    std::function<double(const KQParameter& p, double x)> wert;
    // The value with its derivative by each parameter; throws where `wert` does.
    std::function<double(const KQParameter& p, double x, KQParameter& ableitung)> gradient;
    // y = p[0] + p[1]*g(x): least squares in closed form.
    bool linear = false;
    // y = p[0]*h(x; p[1], p[2]): p[0] is found in closed form for the others.
    bool proportional = false;
    // y = p[0]*u(x)^p[1] (with p[0] proportional): the second derivative by p[1] follows
    // from the first, which a Newton search over p[1] alone uses.
    bool potenzInB = false;
    // y = e^(p[0]*c(x)*u(x)^p[1]): the Hessian follows from y and its first derivatives,
    // which a Newton search uses.
    bool expPotenzInB = false;
    // Optional, for the many evaluations of one fit: prepares what depends on x alone
    // once and gives `gradient` at every x at once; false where `gradient` throws.
    using Reihengradient =
        std::function<bool(const KQParameter& p, double* wert, KQParameter* ableitung)>;
    std::function<Reihengradient(const std::vector<double>& x)> vorbereiten = nullptr;
};

KQKurve modellKurve(int code); // y = Modell::wertY(A, B, x)
// The same for fits to the abscissae `x` of one series, whose logarithms are taken once
// for all models (a fit to other abscissae prepares its own).
KQKurve modellKurve(int code, std::shared_ptr<const std::vector<Abszisse>> x);
KQKurve typKurve(int typ); // W = Kurventyp::wertK(A, B, K, x)

// A 95 % interval; an empty end is unbounded within the search range.
struct KQIntervall {
    std::optional<double> unten, oben;
};

struct KQErgebnis {
    bool konvergiert = false;
    std::string grund; // why not, when it did not converge
    int anzahl = 2;
    int n = 0;
    // Only meaningful when konvergiert:
    KQParameter p{}, se{};
    std::array<KQParameter, 3> kovarianz{};
    std::array<KQIntervall, 3> ci95; // Wald for A and B, profile for K
    double sigma = 0, rss = 0;
    std::optional<double> r2, aicc; // empty where undefined (constant data, exact fit, n too small)
};

// The name of parameter k as the reports show it: A, B of a model; KMax, A, B of a type.
const char* parametername(const KQErgebnis& e, std::size_t k);

// Fits the curve to (x, y) from `start`. With `frei` a subset of the parameters is
// fitted and the others stay at their start values (the profile of K); the result
// then has no intervals. A curve linear in its parameters is solved in closed form,
// one with a gradient by a compact Levenberg-Marquardt; what they cannot settle (an
// undefined start, no convergence, a singular Jacobian) goes to the general driver.
KQErgebnis kleinsteQuadrate(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQParameter& start,
                            std::array<bool, 3> frei = {true, true, true});

// The general driver: GSL's trust-region Levenberg-Marquardt with a Jacobian by central
// differences from `wert` alone, for any curve.
KQErgebnis kleinsteQuadrateAllgemein(const KQKurve& kurve, const std::vector<double>& x,
                                     const std::vector<double>& y, const KQParameter& start,
                                     std::array<bool, 3> frei = {true, true, true});

// The 97.5 % quantile of Student's t with `fg` degrees of freedom (fg >= 1).
double tQuantil95(int fg);

} // namespace tk
