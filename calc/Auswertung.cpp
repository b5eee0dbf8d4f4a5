#include "Auswertung.h"

#include "Bewacht.h"
#include "Fehler.h"
#include "Modelle.h"
#include "Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;
using bewacht::versuch;
using bewacht::wert;

namespace {
const char* const Quelle = "Auswertung";

[[noreturn]] void keinTyp() {
    throw Fehler(fehlercode::UngueltigesArgument, Quelle, "Unbekannter Kurventyp");
}

Skala skalaX(int code) {
    const Modell* m = modell(code);
    return m ? m->x : Skala::Linear;
}
Skala skalaY(int code) {
    const Modell* m = modell(code);
    return m ? m->y : Skala::Linear;
}

// Axis transform with the scale factor F applied before every logarithm; the sign
// is that of the unscaled value.
double transform(Skala s, double u, double F) {
    switch (s) {
    case Skala::Log:
        return sgn(u) * ln(std::fabs(pruefe(u * F)));
    case Skala::DoppelLog:
        return sgn(u) * ln(std::fabs(ln(std::fabs(pruefe(u * F)))));
    default:
        return u;
    }
}

std::optional<double> relativePosition(Skala s, double v, double unten, double oben, double F) {
    const auto tv = versuch([&] { return transform(s, v, F); });
    const auto tu = versuch([&] { return transform(s, unten, F); });
    const auto to = versuch([&] { return transform(s, oben, F); });
    return versuch([&] { return teile(wert(tv) - wert(tu), wert(to) - wert(tu)); });
}

double kGrenze(const Programmzustand& z, double K, double vorzeichen) {
    const double Kn = WertKi(z, z.XWert(z.AnzPaare));
    if (K < Kn) return K; // inside the observed range the limit is the value itself
    double c;
    switch (z.KurvenTyp) {
    case 1:
        c = 1.5;
        break;
    case 3:
        c = 0.5;
        break;
    case 5:
        c = 1;
        break;
    default:
        keinTyp();
    }
    const double P = teile(100 * Kn, K);
    const double U = 2 * potenz(P, -1.117);
    double G = 1;
    // A perfect fit (|r| at or, by rounding, a hair above 1) has no band to widen.
    if (std::fabs(z.KorrR) < 1) {
        const double D = pruefe(100 * (teile(1, std::fabs(z.KorrR)) - 1));
        const double lnD = ln(D);
        G = lnD >= 1 ? lnD : 1;
    }
    const double V = potenz(G, potenz(24.45 * P, -0.5612));
    return pruefe(K * (1 + vorzeichen * c * U * V));
}
} // namespace

std::optional<double> WertYQ(const Programmzustand& z, double x) {
    const Modell* m = modell(z.ModellNr);
    if (m == nullptr) return std::nullopt;
    return versuch([&] { return m->wertY(z.KonstA, z.KoeffB, x); });
}

std::optional<double> WertXQ(const Programmzustand& z, double y) {
    const Modell* m = modell(z.ModellNr);
    if (m == nullptr) return std::nullopt;
    return versuch([&] { return m->wertX(z.KonstA, z.KoeffB, y); });
}

std::string FYQ(int modellNr) {
    const Modell* m = modell(modellNr);
    return m ? std::string(m->formel) : std::string();
}

std::optional<double> StreckeX(const Programmzustand& z, int i, double F, IndexXMinMax& idx) {
    const double v = z.XWert(i);
    if (v == z.XMin)
        idx.IndexXMin = i;
    else if (v == z.XMax)
        idx.IndexXMax = i;
    return relativePosition(skalaX(z.ModellNr), v, z.XMin, z.XMax, F);
}

std::optional<double> StreckeY(const Programmzustand& z, int i, double F, double Yo, double Yu) {
    return relativePosition(skalaY(z.ModellNr), z.YWert(i), Yu, Yo, F);
}

double WertKi(const Programmzustand& z, double X) {
    const double A = z.KonstA, B = z.KoeffB, KMax = z.KMax;
    switch (z.KurvenTyp) {
    case 1:
    case 3: {
        // Far beyond the data A*e^t grows without bound while the curve only nears
        // 0 or KMax: the intermediates may run to infinity as long as the curve
        // value itself is finite.
        const double t = pruefe((z.KurvenTyp == 1 ? B : -B) * X);
        const double aussen = pruefe(std::exp(ln(KMax) - A * std::exp(t)));
        return z.KurvenTyp == 1 ? aussen : pruefe(KMax - aussen);
    }
    case 5: {
        const double t = pruefe(A + B * X);
        // Far out on the upper branch e^t overflows although the value is just below
        // KMax: use the equivalent form 1/(1 + e^-t) there.
        if (t > 0) return pruefe(KMax / (1 + std::exp(-t)));
        const double E = rechnen::exp(t);
        return teile(pruefe(E * KMax), E + 1);
    }
    default:
        keinTyp();
    }
}

double WertXI(const Programmzustand& z, double s) {
    const double A = z.KonstA, B = z.KoeffB;
    switch (z.KurvenTyp) {
    case 1:
        return teile(ln(teile(ln(teile(1, s)), A)), B);
    case 3:
        return teile(ln(teile(ln(teile(1, 1 - s)), A)), -B);
    case 5:
        return teile(ln(teile(s, 1 - s)) - A, B);
    default:
        keinTyp();
    }
}

double KGrenz1(const Programmzustand& z, double K) {
    return kGrenze(z, K, -1);
}
double KGrenz2(const Programmzustand& z, double K) {
    return kGrenze(z, K, +1);
}

double StreckeXI(const Programmzustand& z, double X) {
    const double A = z.KonstA, B = z.KoeffB;
    const double L99 = std::log(1 / 0.99);
    switch (z.KurvenTyp) {
    case 1: {
        const double l1 = ln(teile(4.6051, A));
        return teile(pruefe(B * X) - l1, ln(teile(0.01, A)) - l1);
    }
    case 3: {
        const double l1 = ln(teile(L99, A));
        return teile(pruefe(-B * X) - l1, ln(teile(4.6051, A)) - l1);
    }
    case 5:
        return pruefe((A + B * X + 4.5951) / 9.1902);
    default:
        keinTyp();
    }
}

std::optional<double> StreckeYI(const Programmzustand& z, double K) {
    const double KMax = z.KMax;
    const double lnln100 = std::log(std::log(100.0));
    const double lnL99 = std::log(std::fabs(std::log(1 / 0.99)));
    const double ln99 = std::log(99.0);
    return versuch([&]() -> double {
        switch (z.KurvenTyp) {
        case 1:
            return teile(lnln100 - ln(std::fabs(ln(teile(KMax, K)))), lnln100 - lnL99);
        case 3:
            return teile(lnL99 - ln(std::fabs(ln(teile(KMax, KMax - K)))), lnL99 - lnln100);
        case 5:
            return (ln(teile(K, KMax - K)) + ln99) / (2 * ln99);
        default:
            keinTyp();
        }
    });
}

Bandwerte bandwerte(const Programmzustand& z, double Xi, double Xid) {
    const double K0 = WertKi(z, Xi);
    const double K1 = WertKi(z, Xid);
    Bandwerte b;
    b.Kdx = b.KdxG1 = b.KdxG2 = pruefe(K1 - K0);
    if (z.AnzPaare >= 1 && Xid > z.XWert(z.AnzPaare)) {
        b.KdxG1 = pruefe(KGrenz1(z, K1) - KGrenz1(z, K0));
        b.KdxG2 = pruefe(KGrenz2(z, K1) - KGrenz2(z, K0));
    }
    return b;
}

void GibS(int i, double& s) {
    static constexpr double stufen[] = {0.01,  0.075, 0.155, 0.215, 0.315, 0.365, 0.5,
                                        0.635, 0.685, 0.785, 0.845, 0.925, 0.99};
    if (i >= 1 && i <= 13) s = stufen[i - 1];
}

double WendepunktX1(const Programmzustand& z) {
    const double A = z.KonstA, B = z.KoeffB;
    switch (z.KurvenTyp) {
    case 1:
    case 2:
        return teile(ln(A) - 0.962423, -B);
    case 3:
    case 4:
        return teile(ln(A) + 0.962423, B);
    case 5:
    case 6:
        return teile(-A - 1.3169, B);
    default:
        keinTyp();
    }
}

double WendepunktX2(const Programmzustand& z) {
    const double A = z.KonstA, B = z.KoeffB;
    switch (z.KurvenTyp) {
    case 1:
    case 2:
        return teile(ln(A) + 0.962423, -B);
    case 3:
    case 4:
        return teile(ln(A) - 0.962423, B);
    case 5:
    case 6:
        return teile(1.3169 - A, B);
    default:
        keinTyp();
    }
}

std::optional<double> PhiWert(const Programmzustand& z, double x) {
    const double A = z.KonstA, B = z.KoeffB;
    switch (z.KurvenTyp) {
    case 1:
    case 3: {
        const double b = z.KurvenTyp == 1 ? B : -B;
        const auto e1 = versuch([&] { return rechnen::exp(pruefe(b * x)); });
        const auto t = versuch([&] { return pruefe(A * wert(e1)); });
        const auto aussen = versuch([&] { return rechnen::exp(pruefe(b * x - wert(t))); });
        return versuch([&] { return pruefe(-A * B * wert(aussen)); });
    }
    case 5: {
        const auto E = versuch([&] { return rechnen::exp(pruefe(A + B * x)); });
        return versuch([&] {
            const double e = wert(E);
            return teile(pruefe(B * e), pruefe((e + 1) * (e + 1)));
        });
    }
    default:
        return std::nullopt;
    }
}

double OrdinatenTop(double phiMax) {
    if (phiMax > 1) return phiMax;
    static constexpr double stufen[] = {0.003, 0.006, 0.0125, 0.025, 0.05, 0.1, 0.15,
                                        0.2,   0.3,   0.4,    0.6,   0.8,  1};
    for (double t : stufen)
        if (phiMax <= t) return t;
    return 1;
}

void SortBubble(std::vector<double>& werte, int n) {
    if (n > static_cast<int>(werte.size()) - 1) n = static_cast<int>(werte.size()) - 1;
    for (int m = n; m > 1; --m)
        for (int i = 1; i <= m - 1; ++i)
            if (werte[static_cast<std::size_t>(i)] > werte[static_cast<std::size_t>(i) + 1])
                std::swap(werte[static_cast<std::size_t>(i)],
                          werte[static_cast<std::size_t>(i) + 1]);
}

Kennwerte kennwerte(const Programmzustand& z) {
    Kennwerte k;
    k.X1 = WertXI(z, 0.01);
    k.X99 = WertXI(z, 0.99);
    k.X50 = WertXI(z, 0.5);
    k.Xs = z.WertXs;
    k.Ks = WertKi(z, k.Xs);
    k.Xwp1 = WendepunktX1(z);
    k.Xwp2 = WendepunktX2(z);
    k.KMaxUnten = KGrenz1(z, z.KMax);
    k.KMaxOben = KGrenz2(z, z.KMax);
    k.phiXs = PhiWert(z, k.Xs);
    k.T = OrdinatenTop(k.phiXs.value_or(0));
    return k;
}

} // namespace tk
