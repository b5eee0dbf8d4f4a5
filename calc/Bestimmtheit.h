#pragma once
// How well a fitted curve describes the values it was fitted to, in their own units:
// R² = 1 - RSS/SST. A curve that does worse than the values' mean (R² < 0), or that
// cannot be evaluated at an entered X, must never be presented as the trend.

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tk {

// R² of `kurve` (which may throw Fehler where it is undefined) at the points (x[i], y[i]).
// Unset where the curve is undefined or not finite at one of them, or the values do
// not vary.
std::optional<double> bestimmtheitDaten(const std::vector<double>& x, const std::vector<double>& y,
                                        const std::function<double(double)>& kurve);

// A curve describes its data when its R² is defined and not below 0 (rounding aside:
// the straight line's R² is r², which a sum of squares may miss by a few ulps).
bool beschreibtDaten(const std::optional<double>& r2);
inline constexpr const char* BeschreibtNicht = "beschreibt die Werte nicht";

// Below this R² a decisive curve is flagged as a weak fit wherever it is shown.
inline constexpr double SchwacheAnpassung = 0.5;
bool schwacheAnpassung(const std::optional<double>& r2);

// "schwache Anpassung (R² = 0.31234)" for a weak fit, else empty.
std::string schwacheAnpassungText(const std::optional<double>& r2);

} // namespace tk
