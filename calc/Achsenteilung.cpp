#include "calc/Achsenteilung.h"

#include "calc/Format.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {
// The smallest step 1, 2 or 5 times a power of ten that is at least `roh`.
double schoenerSchritt(double roh) {
    const double zehner = std::pow(10.0, std::floor(std::log10(roh)));
    for (double f : {1.0, 2.0, 5.0, 10.0})
        if (f * zehner >= roh * (1 - 1e-9)) return f * zehner;
    return 10 * zehner;
}
} // namespace

Achsenteilung achsenteilung(double min, double max, int ziel) {
    ziel = std::max(ziel, 2);
    if (!std::isfinite(min) || !std::isfinite(max)) min = max = 0;
    if (min > max) std::swap(min, max);
    if (max - min <= 1e-12 * std::max(std::fabs(min), std::fabs(max))) {
        const double rand = min == 0 ? 1 : std::fabs(min) * 0.1;
        min -= rand;
        max += rand;
    }
    Achsenteilung t;
    t.schritt = schoenerSchritt((max - min) / ziel);
    t.von = std::floor(min / t.schritt * (1 + 1e-12)) * t.schritt;
    t.bis = std::ceil(max / t.schritt * (1 - 1e-12)) * t.schritt;
    const long anzahl = std::lround((t.bis - t.von) / t.schritt);
    for (long i = 0; i <= anzahl; ++i) {
        double m = t.von + static_cast<double>(i) * t.schritt;
        if (std::fabs(m) < t.schritt * 1e-9) m = 0; // no -0 or 1E-17 from rounding
        t.marken.push_back(m);
    }
    return t;
}

int gemeinsamerExponent(const Achsenteilung& teilung) {
    const double groesste = std::max(std::fabs(teilung.von), std::fabs(teilung.bis));
    if (teilung.schritt >= 1e-4 && groesste < 1e7) return 0;
    return static_cast<int>(std::floor(std::log10(groesste) + 1e-9));
}

std::string exponentTitel(int exponent) {
    if (exponent == 0) return {};
    static const char* const hoch[] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    std::string ziffern;
    for (char c : std::to_string(std::abs(exponent))) ziffern += hoch[c - '0'];
    return " [×10" + std::string(exponent < 0 ? "⁻" : "") + ziffern + "]";
}

std::string markenText(double wert, const Achsenteilung& teilung) {
    if (wert == 0) return "0";
    const double faktor = std::pow(10.0, gemeinsamerExponent(teilung));
    const double s = teilung.schritt / faktor;
    return formatFest(wert / faktor,
                      std::max(0, -static_cast<int>(std::floor(std::log10(s) + 1e-9))));
}

} // namespace tk
