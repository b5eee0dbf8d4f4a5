#include "calc/Bestimmtheit.h"

#include "calc/Fehler.h"
#include "calc/Format.h"

#include <cmath>

namespace tk {

std::optional<double> bestimmtheitDaten(const std::vector<double>& x, const std::vector<double>& y,
                                        const std::function<double(double)>& kurve) {
    const std::size_t n = y.size();
    if (n == 0 || x.size() != n) return std::nullopt;
    double mittel = 0;
    for (double v : y) mittel += v;
    mittel /= static_cast<double>(n);
    double rss = 0, sst = 0;
    for (std::size_t i = 0; i < n; ++i) {
        double yi;
        try {
            yi = kurve(x[i]);
        } catch (const Fehler&) {
            return std::nullopt;
        }
        if (!std::isfinite(yi)) return std::nullopt;
        rss += (y[i] - yi) * (y[i] - yi);
        sst += (y[i] - mittel) * (y[i] - mittel);
    }
    if (!std::isfinite(rss) || !std::isfinite(sst) || !(sst > 0)) return std::nullopt;
    return 1 - rss / sst;
}

bool beschreibtDaten(const std::optional<double>& r2) {
    return r2 && *r2 >= -1e-12;
}

bool schwacheAnpassung(const std::optional<double>& r2) {
    return r2 && *r2 < SchwacheAnpassung;
}

std::string schwacheAnpassungText(const std::optional<double>& r2) {
    if (!schwacheAnpassung(r2)) return {};
    return "schwache Anpassung (R² = " + signifikant(*r2, 6) + ")";
}

} // namespace tk
