// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// 95 % intervals of a least-squares fit beyond the Wald intervals of its parameters:
// the profile interval of the saturation level K, and the confidence and prediction
// bands of the curve (delta method with the covariance).

#include "calc/Kleinstquadrate.h"

#include <optional>
#include <vector>

namespace tk {

// The fit with every 95 % interval: for a curve type the interval of K is the set of
// K whose best residual sum of squares stays within the F(1, n-p) limit; an end that
// the search does not reach within 1000 times the fitted K (or 0) stays empty.
KQErgebnis kqMitIntervallen(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQParameter& start);

// The profile interval of parameter `k` of a converged fit.
KQIntervall profilIntervall(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQErgebnis& fit, std::size_t k);

struct KQBand {
    double y = 0;
    KQIntervall mittel;     // where the curve itself lies
    KQIntervall vorhersage; // where a new value at x lies
};

// The bands at x; empty when the fit did not converge or the curve is undefined near x.
std::optional<KQBand> kqBand(const KQKurve& kurve, const KQErgebnis& fit, double x);

} // namespace tk
