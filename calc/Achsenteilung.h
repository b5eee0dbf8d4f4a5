#pragma once
// Axis scales in the data's own units: "nice" tick values (1, 2 or 5 times a power
// of ten) covering a range, and their texts.

#include <string>
#include <vector>

namespace tk {

struct Achsenteilung {
    double von = 0, bis = 1; // the axis ends, multiples of `schritt` enclosing the range
    double schritt = 1;
    std::vector<double> marken; // von, von + schritt, ..., bis
};

// Ticks for [min, max] with about `ziel` intervals (at least 2). An empty or
// degenerate range (min == max, not finite) gets a small range around its value.
Achsenteilung achsenteilung(double min, double max, int ziel = 5);

// The power of ten that very large or small ticks leave to the axis title, so that
// no tick repeats it; 0 where the values read well as they are.
int gemeinsamerExponent(const Achsenteilung& teilung);
// " [×10⁹]" for the axis title, empty for the exponent 0.
std::string exponentTitel(int exponent);

// The tick's text, divided by the common power of ten, with as many decimals as the
// step needs ("." as decimal point, "-0" never).
std::string markenText(double wert, const Achsenteilung& teilung);

} // namespace tk
