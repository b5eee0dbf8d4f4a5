#include "calc/Auswertung.h"

#include "calc/Bewacht.h"
#include "calc/Fehler.h"
#include "calc/Kurventypen.h"
#include "calc/Modelle.h"
#include "calc/Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;
using bewacht::versuch;
using bewacht::wert;

namespace {
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
    const double c = kurventyp(z.KurvenTyp).bandFaktor;
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
    return kurventyp(z.KurvenTyp).wertK(z.KonstA, z.KoeffB, z.KMax, X);
}

double WertXI(const Programmzustand& z, double s) {
    return kurventyp(z.KurvenTyp).wertX(z.KonstA, z.KoeffB, s);
}

double KGrenz1(const Programmzustand& z, double K) {
    return kGrenze(z, K, -1);
}
double KGrenz2(const Programmzustand& z, double K) {
    return kGrenze(z, K, +1);
}

double StreckeXI(const Programmzustand& z, double X) {
    return kurventyp(z.KurvenTyp).streckeX(z.KonstA, z.KoeffB, X);
}

std::optional<double> StreckeYI(const Programmzustand& z, double K) {
    return versuch([&] { return kurventyp(z.KurvenTyp).streckeY(z.KMax, K); });
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
    return kurventyp(z.KurvenTyp).wendepunkt1(z.KonstA, z.KoeffB);
}

double WendepunktX2(const Programmzustand& z) {
    return kurventyp(z.KurvenTyp).wendepunkt2(z.KonstA, z.KoeffB);
}

std::optional<double> PhiWert(const Programmzustand& z, double x) {
    const Kurventyp* t = nullptr;
    try {
        t = &kurventyp(z.KurvenTyp);
    } catch (const Fehler&) {
        return std::nullopt;
    }
    return t->phi(z.KonstA, z.KoeffB, x);
}

double OrdinatenTop(double phiMax) {
    if (phiMax > 1) return phiMax;
    static constexpr double stufen[] = {0.003, 0.006, 0.0125, 0.025, 0.05, 0.1, 0.15,
                                        0.2,   0.3,   0.4,    0.6,   0.8,  1};
    for (double t : stufen)
        if (phiMax <= t) return t;
    return 1;
}

double DichteOben(const Programmzustand& z) {
    return OrdinatenTop(PhiWert(z, z.WertXs).value_or(0));
}

void SortBubble(std::vector<double>& werte, int n) {
    if (n > static_cast<int>(werte.size()) - 1) n = static_cast<int>(werte.size()) - 1;
    for (int m = n; m > 1; --m)
        for (int i = 1; i <= m - 1; ++i)
            if (werte[static_cast<std::size_t>(i)] > werte[static_cast<std::size_t>(i) + 1])
                std::swap(werte[static_cast<std::size_t>(i)],
                          werte[static_cast<std::size_t>(i) + 1]);
}

Kennzahlen kennzahlen(const Programmzustand& z) {
    Kennzahlen k;
    k.X1 = versuch([&] { return WertXI(z, 0.01); });
    k.X99 = versuch([&] { return WertXI(z, 0.99); });
    k.X50 = versuch([&] { return WertXI(z, 0.5); });
    k.Ks = versuch([&] { return WertKi(z, z.WertXs); });
    k.Xwp1 = versuch([&] { return WendepunktX1(z); });
    k.Xwp2 = versuch([&] { return WendepunktX2(z); });
    k.KMaxUnten = versuch([&] { return KGrenz1(z, z.KMax); });
    k.KMaxOben = versuch([&] { return KGrenz2(z, z.KMax); });
    k.phiXs = PhiWert(z, z.WertXs);
    k.T = OrdinatenTop(k.phiXs.value_or(0));
    return k;
}

} // namespace tk
