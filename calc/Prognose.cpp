#include "Prognose.h"

#include "Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;

namespace {
const char* const Quelle = "Prognose";
constexpr double Schritt = 0.00005;      // 0.005 % of the base per iteration
constexpr double Schwelle = 0.000000005; // relative improvement of |r| that goes on

// Linearised ordinate of a cumulative value W at the trial level K.
double ordinate(int typ, double W, double K) {
    switch (typ) {
    case 1:
        return ln(ln(teile(K, W)));
    case 3:
        return ln(ln(teile(1.0, 1.0 - teile(W, K))));
    default: // 5
        return ln(teile(1.0, teile(K, W) - 1.0));
    }
}

struct Abbruch {};

// One stepwise saturation search; `yLetzt` carries the ordinate of the previously
// evaluated pair across the whole fitting call (a skipped logarithm reuses it).
// `fit` is filled as the search runs, so that an early end keeps its counter.
void suche(TypFit& fit, int typ, const Programmzustand& z, const Summenreihe& reihe,
           const Fortschritt& fp, double& yLetzt) {
    fit.typ = typ;
    fit.lief = true;
    const int n = z.AnzPaare;
    const double Sx = typ == 3 ? -reihe.SummeX : reihe.SummeX;
    double r = 0, K = reihe.KBasis;
    double Sxy = 0, Sy = 0, Sxx = 0, Cxy = 0;
    long zaehler = 0;
    for (;;) {
        ++zaehler;
        fit.iterationen = zaehler;
        if (zaehler % FortschrittTakt == 0 && fp.fortschritt && !fp.fortschritt(zaehler))
            throw Abbruch{};
        const double rVorher = r;
        K = pruefe(K + reihe.KBasis * Schritt);
        Sxy = Sy = Sxx = 0;
        double Syy = 0;
        for (int i = 1; i <= n; ++i) {
            const double u = typ == 3 ? -z.XWert(i) : z.XWert(i);
            double y;
            try {
                y = ordinate(typ, reihe.SummenK[static_cast<std::size_t>(i)], K);
                yLetzt = y;
            } catch (const Fehler& f) {
                if (f.code != fehlercode::UngueltigesArgument) throw;
                y = yLetzt; // logarithm undefined for this pair: keep the previous ordinate
            }
            Sxy = pruefe(Sxy + pruefe(u * y));
            Sy = pruefe(Sy + y);
            Sxx = pruefe(Sxx + pruefe(u * u));
            Syy = pruefe(Syy + pruefe(y * y));
        }
        Cxy = pruefe(n * Sxy - Sx * Sy);
        const double P = pruefe(pruefe(n * Sxx - Sx * Sx) * pruefe(n * Syy - Sy * Sy));
        if (P < 0) throw wurzelFehler(Quelle);
        r = teile(Cxy, std::sqrt(P));
        if (!(std::fabs(rVorher) + std::fabs(rVorher) * Schwelle < std::fabs(r))) break;
    }
    fit.K = K;
    fit.r = r;
    fit.B = teile(Cxy, pruefe(n * Sxx - Sx * Sx));
    const double a = teile(Sy - fit.B * Sx, n);
    switch (typ) {
    case 1:
        fit.A = rechnen::exp(a);
        fit.Xs = teile(ln(fit.A), -fit.B);
        break;
    case 3:
        fit.A = rechnen::exp(a);
        fit.Xs = teile(ln(fit.A), fit.B);
        break;
    default:
        fit.A = a;
        fit.Xs = teile(-a, fit.B);
        break;
    }
    fit.ok = true;
}
} // namespace

double MaxMinWert(Programmzustand& z, int m) {
    if (m > z.XWert.groesse()) m = z.XWert.groesse();
    for (int i = 1; i <= m; ++i) {
        if (i == 1) {
            z.XMax = z.XMin = z.XWert(1);
            z.YMax = z.YMin = z.YWert(1);
        } else {
            z.XMax = groesser(z.XWert(i), z.XMax);
            z.YMax = groesser(z.YWert(i), z.YMax);
            z.XMin = kleiner(z.XWert(i), z.XMin);
            z.YMin = kleiner(z.YWert(i), z.YMin);
        }
    }
    if (!z.ModusPrognostik || m < 1 || !(z.YMin < 0)) return 0;
    const double verschiebung = -z.YMin;
    for (int i = 1; i <= m; ++i) z.YWert(i) = z.YWert(i) - z.YMin;
    z.YMax = z.YMax - z.YMin;
    z.YMin = 0;
    return verschiebung;
}

Summenreihe Untersuch1(const Programmzustand& z) {
    Summenreihe s;
    const int n = z.AnzPaare;
    s.SummenK.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        s.SummeX += z.XWert(i);
        s.SummenK[static_cast<std::size_t>(i)] = z.YWert(i);
    }
    s.KBasis = n >= 1 ? z.YWert(n) : 0;
    return s;
}

Summenreihe Untersuch2(const Programmzustand& z) {
    Summenreihe s;
    const int n = z.AnzPaare;
    s.SummenK.assign(static_cast<std::size_t>(n) + 1, 0.0);
    for (int i = 1; i <= n; ++i) {
        const auto k = static_cast<std::size_t>(i);
        s.SummeX += z.XWert(i);
        s.KBasis += z.YWert(i);
        s.SummenK[k] = i == 1 ? z.YWert(1) : z.YWert(i) + s.SummenK[k - 1];
    }
    return s;
}

FallErgebnis RegressFaktorP(Programmzustand& z, const Summenreihe& reihe,
                            const Fortschritt& fortschritt,
                            const std::function<void(const Fehler&)>& melden) {
    FallErgebnis erg;
    z.ergebnisLoeschen();
    double yLetzt = 0;
    double bestR = 0;
    for (std::size_t k = 0; k < KurvenTypen.size(); ++k) {
        const int typ = KurvenTypen[k];
        erg.typen[k].typ = typ;
        if (fortschritt.typBeginn) fortschritt.typBeginn(typ);
        try {
            suche(erg.typen[k], typ, z, reihe, fortschritt, yLetzt);
        } catch (const Abbruch&) {
            erg.abgebrochen = true;
            break;
        } catch (const Fehler& f) {
            erg.typen[k].fehler = f;
            if (melden) melden(f);
            break;
        }
        const TypFit& fit = erg.typen[k];
        // Strictly greater: on equal |r| the earlier type stays.
        if (!erg.entscheidend || std::fabs(fit.r) > bestR) {
            bestR = std::fabs(fit.r);
            erg.entscheidend = true;
            erg.r = fit.r;
            erg.A = fit.A;
            erg.B = fit.B;
            erg.KMax = fit.K;
            erg.Xs = fit.Xs;
            erg.typ = typ;
            fallUebernehmen(z, erg);
        }
    }
    if (fortschritt.ende) fortschritt.ende();
    return erg;
}

void fallUebernehmen(Programmzustand& z, const FallErgebnis& fall) {
    z.KorrR = fall.r;
    z.KonstA = fall.A;
    z.KoeffB = fall.B;
    z.KMax = fall.KMax;
    z.WertXs = fall.Xs;
    z.KurvenTyp = fall.typ;
}

} // namespace tk
