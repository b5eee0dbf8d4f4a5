#include "calc/Kurvenverlauf.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

using Wert = std::optional<double>;

class Abtaster {
public:
    Abtaster(const std::function<Wert(double)>& f, std::pair<double, double> sicht) : f_(f) {
        double breite = sicht.second - sicht.first;
        if (!(breite > 0)) breite = std::max(std::fabs(sicht.first), 1.0);
        toleranz_ = breite / 1000;
        unten_ = sicht.first - breite;
        oben_ = sicht.second + breite;
    }

    Wert wert(double x) const {
        const Wert y = f_(x);
        return y && std::isfinite(*y) ? y : std::nullopt;
    }
    void setze(double x, const Wert& y) {
        if (!y) {
            offen_ = false;
            return;
        }
        if (!offen_) v_.stuecke.emplace_back();
        v_.stuecke.back().emplace_back(x, *y);
        offen_ = true;
    }
    // The points strictly between x0 and x1 (whose values are y0, y1) and the gaps.
    void fuellen(double x0, const Wert& y0, double x1, const Wert& y1, int tiefe) {
        const double xm = x0 + (x1 - x0) / 2;
        const Wert ym = wert(xm);
        if (!y0 && !y1 && !ym) return;
        if (y0 && y1 && ym) {
            if (std::fabs(*ym - (*y0 + *y1) / 2) <= toleranz_) return;
            if (jenseits(*y0, *y1, *ym)) return;
        }
        if (tiefe == 0) {
            // Still bent at the finest step: a pole or a jump lies here, not a curve.
            if (ym && y0 && y1)
                setze(xm, std::nullopt);
            else
                setze(xm, ym);
            return;
        }
        fuellen(x0, y0, xm, ym, tiefe - 1);
        setze(xm, ym);
        fuellen(xm, ym, x1, y1, tiefe - 1);
    }
    Verlauf ergebnis() { return std::move(v_); }

private:
    bool jenseits(double a, double b, double c) const {
        return (a > oben_ && b > oben_ && c > oben_) || (a < unten_ && b < unten_ && c < unten_);
    }

    const std::function<Wert(double)>& f_;
    double toleranz_ = 0, unten_ = 0, oben_ = 0;
    Verlauf v_;
    bool offen_ = false;
};

constexpr int verfeinerungen = 10;

} // namespace

Verlauf abtasten(const std::function<std::optional<double>(double)>& f, double von, double bis,
                 std::pair<double, double> sicht, const std::vector<double>& stuetzstellen,
                 int schritte) {
    schritte = schritte < 1 ? 1 : schritte;
    std::vector<double> xs;
    for (int i = 0; i <= schritte; ++i) xs.push_back(von + (bis - von) * i / schritte);
    for (double x : stuetzstellen)
        if (x > von && x < bis) xs.push_back(x);
    std::sort(xs.begin(), xs.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    Abtaster a(f, sicht);
    Wert vorher;
    for (std::size_t i = 0; i < xs.size(); ++i) {
        const Wert y = a.wert(xs[i]);
        if (i > 0) a.fuellen(xs[i - 1], vorher, xs[i], y, verfeinerungen);
        a.setze(xs[i], y);
        vorher = y;
    }
    return a.ergebnis();
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
