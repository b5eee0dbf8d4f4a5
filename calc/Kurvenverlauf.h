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

// Samples f on `schritte` + 1 equally spaced points of [von, bis] and at the given
// `stuetzstellen` inside it (a known maximum, say), then refines where a straight line
// would misrepresent the curve: an interval whose middle lies off the chord by more
// than 1/1000 of `sicht` (the value range the drawing is made for) is halved, up to
// ten times. One that still bends at the finest step straddles a pole or a jump and
// leaves a gap; next to a point where f is undefined the run reaches towards the
// domain's edge. Intervals wholly beyond `sicht` (by its width) on one side are left
// as they are: they are cut off the drawing anyway.
Verlauf abtasten(const std::function<std::optional<double>(double)>& f, double von, double bis,
                 std::pair<double, double> sicht, const std::vector<double>& stuetzstellen = {},
                 int schritte = 240);

// [min, max] widened by `anteil` of its width on each side; a single value is widened
// by `anteil` of itself (or by 1 at 0).
std::pair<double, double> erweitert(double min, double max, double anteil = 0.1);

// True when x lies outside the range of the entered X values.
bool istExtrapolation(double x, double xMin, double xMax);

} // namespace tk
