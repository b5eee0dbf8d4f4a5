#include "Regression.h"

#include "Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;

namespace {
const char* const Quelle = "Regression";

double abszisse(int modell, double x) {
    switch (modell) {
    case 2:
    case 9:
    case 11:
        return L(x);
    case 5:
    case 10:
    case 12:
        return LL(x);
    default: // 1, 7, 8
        return x;
    }
}

double ordinate(int modell, double y) {
    switch (modell) {
    case 7:
    case 9:
    case 10:
        return L(y);
    case 8:
    case 11:
    case 12:
        return LL(y);
    default: // 1, 2, 5
        return y;
    }
}
} // namespace

bool istDoppeltLogarithmisch(int modell) {
    return modell == 5 || modell == 8 || modell == 10 || modell == 11 || modell == 12;
}

bool istZulaessig(const Programmzustand& z, int modell) {
    if (!istDoppeltLogarithmisch(modell)) return true;
    for (int i = 1; i <= z.AnzPaare; ++i)
        if (z.EingabeX(i) < 0 || z.EingabeY(i) < 0) return false;
    return true;
}

ModellFit RegressFaktorR(const Programmzustand& z, int modell) {
    ModellFit fit;
    fit.code = modell;
    fit.zulaessig = istZulaessig(z, modell);
    const int n = z.AnzPaare;
    double Sx = 0, Sy = 0, Sxy = 0, Sxx = 0, Syy = 0;
    for (int i = 1; i <= n; ++i) {
        const double x = z.EingabeX(i), y = z.EingabeY(i);
        const double u = abszisse(modell, x);
        const double v = ordinate(modell, y);
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
    fit.A = modell >= 7 ? std::exp(a) : a;
    if (!std::isfinite(fit.A)) {
        // A = e^a is beyond a double: r and B stay for the report, the model is unusable.
        fit.A = 0;
        fit.ohneA = true;
        fit.fehler = rechenfehler(fehlercode::Ueberlauf);
        return fit;
    }
    fit.ok = true;
    return fit;
}

RegressionsErgebnis MassgR(Programmzustand& z, const FehlerMelder& melden) {
    RegressionsErgebnis erg;
    const ModellFit* bester = nullptr;
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
        if (fit.fehler) {
            if (melden) melden(*fit.fehler);
            continue;
        }
        // Strictly greater: on equal |r| the lower code stays decisive.
        if (fit.zulaessig && (bester == nullptr || std::fabs(fit.r) > erg.rMax)) {
            bester = &fit;
            erg.rMax = std::fabs(fit.r);
        }
    }
    erg.modellNr = bester ? bester->code : 0;
    z.ModellNr = erg.modellNr;
    z.RMax = erg.rMax;
    if (bester) {
        z.KorrR = bester->r;
        z.KoeffB = bester->B;
        z.KonstA = bester->A;
    } else {
        z.KorrR = z.KoeffB = z.KonstA = 0;
    }
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
