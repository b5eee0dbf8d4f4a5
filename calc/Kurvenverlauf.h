#pragma once
// A fitted curve in the data's own units, sampled for drawing, and the rule that tells
// an estimate read inside the data from an extrapolation.

#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace tk {

using Punkt = std::pair<double, double>;

// The curve as runs of points; a new run starts after every point where the curve
// is undefined, so that a drawing leaves a gap there instead of bridging it.
struct Verlauf {
    std::vector<std::vector<Punkt>> stuecke;
};

// Samples f on `schritte` + 1 equally spaced points of [von, bis].
Verlauf abtasten(const std::function<std::optional<double>(double)>& f, double von, double bis,
                 int schritte = 240);

// [min, max] widened by `anteil` of its width on each side; a single value is widened
// by `anteil` of itself (or by 1 at 0).
std::pair<double, double> erweitert(double min, double max, double anteil = 0.1);

// True when x lies outside the range of the entered X values.
bool istExtrapolation(double x, double xMin, double xMax);

} // namespace tk
