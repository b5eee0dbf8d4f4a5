#include "calc/Prognose.h"

#include "calc/Bestimmtheit.h"
#include "calc/Kurventypen.h"
#include "calc/Rechnen.h"
#include "calc/Vektorlog.h"

#include <bit>
#include <cmath>
#include <cstdint>

namespace tk {

using namespace rechnen;

namespace {
const char* const Quelle = "Prognose";
constexpr double Schritt = 0.00005;      // 0.005 % of the base per iteration
constexpr double Schwelle = 0.000000005; // relative improvement of |r| that goes on

// Linearised ordinate of a cumulative value W at the trial level K, without throwing:
// returns 0 and sets y, or the code the checked operations would raise first.
// Code 5 (logarithm undefined) lets the caller reuse the previous ordinate.
template <int Typ> inline int ordinate(double W, double K, double& y) {
    double q;
    if constexpr (Typ == 3) {
        if (K == 0) return fehlercode::DivisionDurchNull;
        const double t = W / K;
        if (!std::isfinite(t)) return fehlercode::Ueberlauf;
        const double d = 1.0 - t;
        if (d == 0) return fehlercode::DivisionDurchNull;
        q = 1.0 / d;
    } else {
        if (W == 0) return fehlercode::DivisionDurchNull;
        q = K / W;
        if constexpr (Typ == 5) {
            if (!std::isfinite(q)) return fehlercode::Ueberlauf;
            const double d = q - 1.0;
            if (d == 0) return fehlercode::DivisionDurchNull;
            q = 1.0 / d;
        }
    }
    if (!std::isfinite(q)) return fehlercode::Ueberlauf;
    if (!(q > 0)) return fehlercode::UngueltigesArgument;
    const double l = std::log(q);
    if constexpr (Typ == 5) {
        y = l;
    } else {
        if (!(l > 0)) return fehlercode::UngueltigesArgument;
        y = std::log(l);
    }
    return 0;
}

// Clears the upper halves of the wide vector registers. Code that ran before on this
// thread (a window toolkit, for one) may leave them dirty, and every SSE instruction
// of the search would then pay the AVX-SSE transition penalty.
inline void obereRegisterLeeren() {
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
    static const bool avx = __builtin_cpu_supports("avx");
    if (avx) asm volatile("vzeroupper" ::: "memory");
#endif
}

// Two values for the compiler's vector operations (SSE2 on plain x86-64).
using Zwei = double __attribute__((vector_size(16)));

// The quotients whose logarithms ordinate<Typ> takes, by the same operations, unchecked.
template <int Typ> inline Zwei quotienten(Zwei W, Zwei K) {
    if constexpr (Typ == 3) return 1.0 / (1.0 - W / K);
    if constexpr (Typ == 5) return 1.0 / (K / W - 1.0);
    return K / W;
}

enum class Ende { Fertig, Abgebrochen, Fehler };

// Working data of one search: abscissae and cumulative values as plain arrays.
struct Suchdaten {
    std::vector<double> u, W;
    double Sx = 0;
    double Sxx = 0; // the same in every step: u does not depend on K
};

Suchdaten suchdaten(int typ, const Programmzustand& z, const Summenreihe& reihe) {
    Suchdaten d;
    const int n = z.AnzPaare;
    for (int i = 1; i <= n; ++i) {
        d.u.push_back(typ == 3 ? -z.XWert(i) : z.XWert(i));
        d.W.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    }
    d.Sx = typ == 3 ? -reihe.SummeX : reihe.SummeX;
    for (const double u : d.u) d.Sxx += u * u;
    return d;
}

// The sums of one step. The products and sums are checked once at the end of the
// step: a non-finite value cannot turn finite again, so the outcome is the same as
// checking every operation. An ordinate error reports an earlier overflow first.
struct Summen {
    double Sxy = 0, Sy = 0, Sxx = 0, Syy = 0;
    bool endlich() const {
        return std::isfinite(Sxy) && std::isfinite(Sy) && std::isfinite(Sxx) && std::isfinite(Syy);
    }
};

template <int Typ> int summieren(const Suchdaten& d, double K, double& yLetzt, Summen& s) {
    s = {};
    const std::size_t n = d.u.size();
    for (std::size_t i = 0; i < n; ++i) {
        double y;
        const int code = ordinate<Typ>(d.W[i], K, y);
        if (code == 0) {
            yLetzt = y;
        } else if (code == fehlercode::UngueltigesArgument) {
            y = yLetzt; // logarithm undefined for this pair: keep the previous ordinate
        } else {
            return s.endlich() ? code : fehlercode::Ueberlauf;
        }
        const double u = d.u[i];
        s.Sxy += u * y;
        s.Sy += y;
        s.Sxx += u * u;
        s.Syy += y * y;
    }
    return 0;
}

// The logarithms of the levels that the search tries next, all pairs of several steps in
// one call of logarithmen (fewer calls, and no block of four or eight half empty). The
// levels are summed up as the search does; a level that is not the next one in store
// starts a new store. For types 1 and 3, q holds ln l where the inner logarithm l > 0.
struct Vorrat {
    static constexpr std::size_t Schritte = 8;
    double dK;
    std::vector<double> K, q, l;
    std::size_t naechster = Schritte;
    Vorrat(std::size_t paare, double dK)
        : dK(dK), K(Schritte), q((Schritte * paare + 7) / 8 * 8, 1.0), l(q.size()) {}
};

template <int Typ> void vorausrechnen(const Suchdaten& d, double K, Vorrat& v) {
    const std::size_t n = d.u.size();
    for (std::size_t j = 0; j < Vorrat::Schritte; ++j, K = K + v.dK) v.K[j] = K;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = 0; j < Vorrat::Schritte; j += 2) {
            const Zwei q = quotienten<Typ>(Zwei{d.W[i], d.W[i]}, Zwei{v.K[j], v.K[j + 1]});
            v.q[j * n + i] = q[0];
            v.q[(j + 1) * n + i] = q[1];
        }
    logarithmen(v.q.data(), v.l.data(), v.q.size()); // the padding 1.0 gives 0
    if constexpr (Typ != 5) {
        for (std::size_t i = 0; i < v.q.size(); ++i) v.q[i] = v.l[i] > 0 ? v.l[i] : 1.0;
        logarithmen(v.q.data(), v.q.data(), v.q.size());
    }
    v.naechster = 0;
}

// The step of summieren with the logarithms from the store. A pair whose quotient is not a
// finite positive number would end the step or skip a logarithm at an ordinate check: such
// a step is left to summieren, which meets the checks in their order. Otherwise only the
// outer logarithm of types 1 and 3 can be undefined (a skipped pair).
template <int Typ>
int summierenGebuendelt(const Suchdaten& d, double K, double& yLetzt, Summen& s, Vorrat& v) {
    if (v.naechster == Vorrat::Schritte ||
        std::bit_cast<std::uint64_t>(v.K[v.naechster]) != std::bit_cast<std::uint64_t>(K))
        vorausrechnen<Typ>(d, K, v);
    const std::size_t n = d.u.size();
    const double* const l = v.l.data() + v.naechster * n;
    const double* const q = v.q.data() + v.naechster * n;
    ++v.naechster;
    // The logarithm is finite exactly where the quotient is finite and positive.
    bool endlich = true;
    for (std::size_t i = 0; i < n; ++i) endlich &= l[i] - l[i] == 0;
    if (!endlich) return summieren<Typ>(d, K, yLetzt, s);
    // In locals, not through the references: the compiler must assume they alias the arrays.
    double Sxy = 0, Sy = 0, Syy = 0, yVorher = yLetzt;
    for (std::size_t i = 0; i < n; ++i) {
        // A pair whose logarithm is undefined keeps the previous ordinate.
        if (Typ == 5) {
            yVorher = l[i];
        } else if (l[i] > 0) {
            yVorher = q[i];
        }
        const double y = yVorher, u = d.u[i];
        Sxy += u * y;
        Sy += y;
        Syy += y * y;
    }
    yLetzt = yVorher;
    s = {Sxy, Sy, d.Sxx, Syy};
    return 0;
}

// One stepwise saturation search; `yLetzt` carries the ordinate of the previously
// evaluated pair across the whole fitting call (a skipped logarithm reuses it).
// `fit` is filled as the search runs, so that an early end keeps its counter.
template <int Typ>
Ende suche(TypFit& fit, const Suchdaten& d, double KBasis, const Fortschritt& fp, double& yLetzt,
           Summen& s, double& Cxy, Suchschritt schritt) {
    const double n = static_cast<double>(d.u.size());
    const double Sx = d.Sx;
    Vorrat vorrat(d.u.size(), KBasis * Schritt);
    double r = 0, K = KBasis;
    long zaehler = 0;
    for (;;) {
        ++zaehler;
        fit.iterationen = zaehler;
        if (zaehler % FortschrittTakt == 0 && fp.fortschritt) {
            if (!fp.fortschritt(zaehler)) return Ende::Abgebrochen;
            obereRegisterLeeren();
        }
        const double rVorher = r;
        K = K + KBasis * Schritt;
        int code = !std::isfinite(K) ? fehlercode::Ueberlauf
                   : schritt == Suchschritt::Paarweise
                       ? summieren<Typ>(d, K, yLetzt, s)
                       : summierenGebuendelt<Typ>(d, K, yLetzt, s, vorrat);
        double P = 0;
        if (code == 0) {
            Cxy = n * s.Sxy - Sx * s.Sy;
            P = (n * s.Sxx - Sx * Sx) * (n * s.Syy - s.Sy * s.Sy);
            if (!std::isfinite(Cxy) || !std::isfinite(P)) code = fehlercode::Ueberlauf;
        }
        if (code == 0 && P < 0) {
            fit.fehler = wurzelFehler(Quelle);
            return Ende::Fehler;
        }
        const double wurzelP = std::sqrt(P);
        if (code == 0 && wurzelP == 0) code = fehlercode::DivisionDurchNull;
        if (code == 0) {
            r = Cxy / wurzelP;
            if (!std::isfinite(r)) code = fehlercode::Ueberlauf;
        }
        if (code != 0) {
            fit.fehler = rechenfehler(code);
            return Ende::Fehler;
        }
        if (!(std::fabs(rVorher) + std::fabs(rVorher) * Schwelle < std::fabs(r))) break;
    }
    fit.K = K;
    fit.r = r;
    return Ende::Fertig;
}

// A, B and Xs of a finished search. An undefined ln(A) (A = e^a underflowed to 0)
// leaves Xs at its previous value `xs` and the fitting goes on.
void parameter(TypFit& fit, const Suchdaten& d, const Summen& s, double Cxy, double& xs) {
    const double n = static_cast<double>(d.u.size());
    fit.B = teile(Cxy, pruefe(n * s.Sxx - d.Sx * d.Sx));
    const double a = teile(s.Sy - fit.B * d.Sx, n);
    if (fit.typ == 5) {
        fit.A = a;
        xs = teile(-a, fit.B);
    } else {
        fit.A = rechnen::exp(a);
        if (fit.A > 0) xs = teile(ln(fit.A), fit.typ == 1 ? -fit.B : fit.B);
    }
    fit.Xs = xs;
    fit.ok = true;
}

Ende typSuchen(TypFit& fit, int typ, const Programmzustand& z, const Summenreihe& reihe,
               const Fortschritt& fp, double& yLetzt, double& xs, Suchschritt schritt) {
    fit.typ = typ;
    fit.lief = true;
    obereRegisterLeeren();
    const Suchdaten d = suchdaten(typ, z, reihe);
    Summen s;
    double Cxy = 0;
    const auto suchen = typ == 1 ? suche<1> : typ == 3 ? suche<3> : suche<5>;
    const Ende ende = suchen(fit, d, reihe.KBasis, fp, yLetzt, s, Cxy, schritt);
    if (ende != Ende::Fertig) return ende;
    try {
        parameter(fit, d, s, Cxy, xs);
    } catch (const Fehler& f) {
        fit.fehler = f;
        return Ende::Fehler;
    }
    // The curve as it is evaluated and drawn, against the values this case fits.
    std::vector<double> X(d.u.size());
    for (int i = 1; i <= z.AnzPaare; ++i) X[static_cast<std::size_t>(i - 1)] = z.XWert(i);
    const Kurventyp& kurve = kurventyp(typ);
    fit.r2Daten =
        bestimmtheitDaten(X, d.W, [&](double x) { return kurve.wertK(fit.A, fit.B, fit.K, x); });
    fit.beschreibt = beschreibtDaten(fit.r2Daten);
    return Ende::Fertig;
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

int waehleTyp(const std::array<TypFit, 3>& typen) {
    int bester = -1;
    for (std::size_t k = 0; k < typen.size(); ++k) {
        const TypFit& t = typen[k];
        if (!t.ok || !t.beschreibt) continue;
        // Strictly greater: on equal |r| the earlier type stays.
        if (bester < 0 || std::fabs(t.r) > std::fabs(typen[static_cast<std::size_t>(bester)].r))
            bester = static_cast<int>(k);
    }
    return bester;
}

FallErgebnis fallAnpassen(const Programmzustand& z, const Summenreihe& reihe,
                          const Fortschritt& fortschritt,
                          const std::function<void(const Fehler&)>& melden, Suchschritt schritt) {
    FallErgebnis erg;
    double yLetzt = 0, xs = 0;
    for (std::size_t k = 0; k < KurvenTypen.size(); ++k) {
        const int typ = KurvenTypen[k];
        erg.typen[k].typ = typ;
        if (fortschritt.typBeginn) fortschritt.typBeginn(typ);
        const Ende ende = typSuchen(erg.typen[k], typ, z, reihe, fortschritt, yLetzt, xs, schritt);
        if (ende == Ende::Abgebrochen) {
            erg.abgebrochen = true;
            break;
        }
        if (ende == Ende::Fehler) {
            if (melden) melden(*erg.typen[k].fehler);
            break;
        }
    }
    const int k = waehleTyp(erg.typen);
    if (k >= 0) {
        const TypFit& fit = erg.typen[static_cast<std::size_t>(k)];
        erg.entscheidend = true;
        erg.r = fit.r;
        erg.A = fit.A;
        erg.B = fit.B;
        erg.KMax = fit.K;
        erg.Xs = fit.Xs;
        erg.typ = fit.typ;
        erg.r2Daten = fit.r2Daten;
    }
    if (fortschritt.ende) fortschritt.ende();
    return erg;
}

FallErgebnis RegressFaktorP(Programmzustand& z, const Summenreihe& reihe,
                            const Fortschritt& fortschritt,
                            const std::function<void(const Fehler&)>& melden) {
    const FallErgebnis erg = fallAnpassen(z, reihe, fortschritt, melden);
    z.ergebnisLoeschen();
    if (erg.entscheidend) fallUebernehmen(z, erg);
    return erg;
}

bool FallErgebnis::keineBeschreibt() const {
    if (entscheidend) return false;
    for (const TypFit& t : typen)
        if (t.ok) return true;
    return false;
}

void fallUebernehmen(Programmzustand& z, const FallErgebnis& fall) {
    z.KorrR = fall.r;
    z.KonstA = fall.A;
    z.KoeffB = fall.B;
    z.KMax = fall.KMax;
    z.WertXs = fall.Xs;
    z.KurvenTyp = fall.typ;
    z.R2Daten = fall.r2Daten;
}

} // namespace tk
