#include "calc/Regression.h"

#include "calc/Bestimmtheit.h"
#include "calc/Modelle.h"
#include "calc/Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;

namespace {
const char* const Quelle = "Regression";
} // namespace

bool istDoppeltLogarithmisch(int modell) {
    const Modell* m = tk::modell(modell);
    return m && m->doppeltLogarithmisch();
}

bool istZulaessig(const Programmzustand& z, int modell) {
    if (!istDoppeltLogarithmisch(modell)) return true;
    for (int i = 1; i <= z.AnzPaare; ++i)
        if (z.EingabeX(i) < 0 || z.EingabeY(i) < 0) return false;
    return true;
}

ModellFit RegressFaktorR(const Programmzustand& z, int modell) {
    const Modell* m = tk::modell(modell);
    if (m == nullptr) throw Fehler(fehlercode::UngueltigesArgument, Quelle, "Kein Modell");
    ModellFit fit;
    fit.code = modell;
    fit.zulaessig = istZulaessig(z, modell);
    const int n = z.AnzPaare;
    double Sx = 0, Sy = 0, Sxy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        const double x = z.EingabeX(i), y = z.EingabeY(i);
        const double u = linearisiert(m->x, x);
        const double v = linearisiert(m->y, y);
        Sxy = pruefe(Sxy + pruefe(u * v));
        Sx = pruefe(Sx + u);
        Sy = pruefe(Sy + v);
        Sxx = pruefe(Sxx + pruefe(u * u));
        Syy = pruefe(Syy + pruefe(v * v));
    }
    const double Cxy = pruefe(n * Sxy - Sx * Sy);
    const double Cxx = pruefe(n * Sxx - Sx * Sx);
    const double Cyy = pruefe(n * Syy - Sy * Sy);
    const double P = pruefe(Cxx * Cyy);
    if (P < 0) throw wurzelFehler(Quelle);
    fit.r = teile(Cxy, wurzel(P));
    fit.B = teile(Cxy, Cxx);
    const double a = teile(Sy - fit.B * Sx, n);
    fit.A = m->aLogarithmisch() ? std::exp(a) : a;
    // A = e^a beyond the range of a double (infinite, or 0 for a very negative a, which
    // would make the model a constant): r and B stay for the report, the model is unusable.
    if (!std::isfinite(fit.A) || (m->aLogarithmisch() && fit.A == 0)) {
        fit.A = 0;
        fit.ohneA = true;
        fit.fehler = rechenfehler(fehlercode::Ueberlauf);
        return fit;
    }
    fit.ok = true;
    // Judged on the curve as it is evaluated and drawn, against the values as entered:
    // the fit on linearised axes can look perfect while its curve misses every point
    // (a negative Y through sgn(y)*ln|y|, say).
    std::vector<double> xs, ys;
    xs.reserve(static_cast<std::size_t>(n));
    ys.reserve(static_cast<std::size_t>(n));
    for (int i = 1; i <= n; ++i) {
        xs.push_back(z.EingabeX(i));
        ys.push_back(z.EingabeY(i));
    }
    fit.r2Daten = bestimmtheitDaten(xs, ys, [&](double x) { return m->wertY(fit.A, fit.B, x); });
    fit.beschreibt = beschreibtDaten(fit.r2Daten);
    return fit;
}

int waehleModell(const std::array<ModellFit, 9>& fits) {
    int bester = -1;
    for (std::size_t k = 0; k < fits.size(); ++k) {
        const ModellFit& fit = fits[k];
        if (!fit.ok || !fit.zulaessig || !fit.beschreibt) continue;
        // Strictly greater: on equal |r| the lower code stays decisive.
        if (bester < 0 || std::fabs(fit.r) > std::fabs(fits[static_cast<std::size_t>(bester)].r))
            bester = static_cast<int>(k);
    }
    return bester;
}

RegressionsErgebnis regressionAnpassen(const Programmzustand& z, const FehlerMelder& melden) {
    RegressionsErgebnis erg;
    for (std::size_t k = 0; k < ModellCodes.size(); ++k) {
        ModellFit& fit = erg.modelle[k];
        const int modell = ModellCodes[k];
        fit.code = modell;
        fit.zulaessig = istZulaessig(z, modell);
        try {
            fit = RegressFaktorR(z, modell);
        } catch (const Fehler& f) {
            fit.fehler = f;
        }
        if (fit.fehler && melden) melden(*fit.fehler);
    }
    const int k = waehleModell(erg.modelle);
    if (k >= 0) {
        const ModellFit& bester = erg.modelle[static_cast<std::size_t>(k)];
        erg.modellNr = bester.code;
        erg.rMax = std::fabs(bester.r);
        erg.r2Daten = bester.r2Daten;
    }
    return erg;
}

void regressionUebernehmen(Programmzustand& z, const RegressionsErgebnis& e) {
    z.KorrR = z.KoeffB = z.KonstA = 0;
    for (const ModellFit& m : e.modelle) {
        if (m.code != e.modellNr) continue;
        z.KorrR = m.r;
        z.KoeffB = m.B;
        z.KonstA = m.A;
    }
    z.ModellNr = e.modellNr;
    z.RMax = e.rMax;
    z.R2Daten = e.r2Daten;
}

RegressionsErgebnis MassgR(Programmzustand& z, const FehlerMelder& melden) {
    RegressionsErgebnis erg = regressionAnpassen(z, melden);
    regressionUebernehmen(z, erg);
    return erg;
}

double zusatzWert(double v) {
    if (v == 0 || std::fabs(v) == 1) return v + (v < 0 ? -1 : 1) * 0.0000001;
    return v;
}

void Zusatz(Programmzustand& z, int i) {
    z.EingabeX(i) = zusatzWert(z.EingabeX(i));
    z.EingabeY(i) = zusatzWert(z.EingabeY(i));
}

} // namespace tk
