#include "Kurvenverlauf.h"

#include <cmath>

namespace tk {

Verlauf abtasten(const std::function<std::optional<double>(double)>& f, double von, double bis,
                 int schritte) {
    Verlauf v;
    bool offen = false;
    schritte = schritte < 1 ? 1 : schritte;
    for (int i = 0; i <= schritte; ++i) {
        const double x = von + (bis - von) * i / schritte;
        const auto y = f(x);
        if (!y || !std::isfinite(*y)) {
            offen = false;
            continue;
        }
        if (!offen) v.stuecke.emplace_back();
        v.stuecke.back().emplace_back(x, *y);
        offen = true;
    }
    return v;
}

std::pair<double, double> erweitert(double min, double max, double anteil) {
    double rand = (max - min) * anteil;
    if (!(rand > 0)) rand = min == 0 ? 1 : std::fabs(min) * anteil;
    return {min - rand, max + rand};
}

bool istExtrapolation(double x, double xMin, double xMax) {
    return x < xMin || x > xMax;
}

} // namespace tk
