// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/KQIntervalle.h"

#include "calc/Fehler.h"

#include <gsl/gsl_cdf.h>

#include <cmath>

namespace tk {

namespace {

constexpr double Reichweite = 1000; // how far the profile search looks, times K
constexpr int Halbierungen = 60;
constexpr int Schritte = 200; // of the walk outwards, doubling and halving

// Best RSS with parameter k held at `wert`; the other parameters start from `start`
// and, when the fit converges, carry on to the next point of the profile.
std::optional<double> profilRss(const KQKurve& kurve, const std::vector<double>& x,
                                const std::vector<double>& y, KQParameter& start, std::size_t k,
                                double wert) {
    KQParameter p = start;
    p[k] = wert;
    std::array<bool, 3> frei{};
    for (std::size_t i = 0; i < static_cast<std::size_t>(kurve.anzahl); ++i) frei[i] = i != k;
    const KQErgebnis e = kleinsteQuadrate(kurve, x, y, p, frei);
    if (!e.konvergiert) return std::nullopt;
    start = e.p;
    return e.rss;
}

// Walks from the estimate in `richtung` (+1, -1) in growing steps until the profile
// RSS passes `grenze`, then halves the bracket.
std::optional<double> profilEnde(const KQKurve& kurve, const std::vector<double>& x,
                                 const std::vector<double>& y, const KQErgebnis& fit, std::size_t k,
                                 double grenze, double richtung) {
    const double mitte = fit.p[k];
    if (!(mitte > 0)) return std::nullopt; // a saturation level is positive
    const double weiteste = richtung > 0 ? (1 + Reichweite) * mitte : 0.0;
    double innen = mitte, schritt = fit.se[k] > 0 ? fit.se[k] : 0.01 * mitte;
    double aussen = mitte;
    KQParameter innenStart = fit.p;
    for (int schrittNr = 0;; ++schrittNr) {
        if (schrittNr == Schritte) return std::nullopt;
        aussen = innen + richtung * schritt;
        if (richtung > 0 ? aussen >= weiteste : aussen <= weiteste) aussen = weiteste;
        KQParameter versuch = innenStart;
        const auto rss = profilRss(kurve, x, y, versuch, k, aussen);
        if (!rss) {
            // no fit there: try closer; where even a tiny step fails the end stays open
            if (schritt < 1e-9 * mitte) return std::nullopt;
            schritt /= 2;
            continue;
        }
        if (*rss > grenze) break;
        if (aussen == weiteste) return std::nullopt;
        innen = aussen;
        innenStart = versuch;
        schritt *= 2;
    }
    for (int i = 0; i < Halbierungen && std::fabs(aussen - innen) > 1e-8 * mitte; ++i) {
        const double m = (innen + aussen) / 2;
        KQParameter versuch = innenStart;
        const auto rss = profilRss(kurve, x, y, versuch, k, m);
        if (rss && *rss <= grenze) {
            innen = m;
            innenStart = versuch;
        } else {
            aussen = m;
        }
    }
    return (innen + aussen) / 2;
}

} // namespace

KQIntervall profilIntervall(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQErgebnis& fit, std::size_t k) {
    const int fg = fit.n - fit.anzahl;
    const double grenze = fit.rss * (1 + gsl_cdf_fdist_Pinv(0.95, 1, fg) / fg);
    return {profilEnde(kurve, x, y, fit, k, grenze, -1),
            profilEnde(kurve, x, y, fit, k, grenze, +1)};
}

KQErgebnis kqMitIntervallen(const KQKurve& kurve, const std::vector<double>& x,
                            const std::vector<double>& y, const KQParameter& start) {
    KQErgebnis e = kleinsteQuadrate(kurve, x, y, start);
    if (e.konvergiert && kurve.anzahl == 3) e.ci95[0] = profilIntervall(kurve, x, y, e, 0);
    return e;
}

std::optional<KQBand> kqBand(const KQKurve& kurve, const KQErgebnis& fit, double x) {
    if (!fit.konvergiert) return std::nullopt;
    try {
        KQBand b;
        b.y = kurve.wert(fit.p, x);
        // gradient of the curve in the parameters by central differences
        KQParameter g{};
        const auto m = static_cast<std::size_t>(kurve.anzahl);
        for (std::size_t k = 0; k < m; ++k) {
            const double h = 1e-6 * std::max(std::fabs(fit.p[k]), 1e-3);
            KQParameter plus = fit.p, minus = fit.p;
            plus[k] += h;
            minus[k] -= h;
            g[k] = (kurve.wert(plus, x) - kurve.wert(minus, x)) / (2 * h);
        }
        double var = 0;
        for (std::size_t i = 0; i < m; ++i)
            for (std::size_t j = 0; j < m; ++j) var += g[i] * fit.kovarianz[i][j] * g[j];
        if (!std::isfinite(var) || var < 0) return std::nullopt;
        const double t = tQuantil95(fit.n - fit.anzahl);
        const double dm = t * std::sqrt(var);
        const double dv = t * std::sqrt(var + fit.sigma * fit.sigma);
        b.mittel = {b.y - dm, b.y + dm};
        b.vorhersage = {b.y - dv, b.y + dv};
        return b;
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

} // namespace tk
