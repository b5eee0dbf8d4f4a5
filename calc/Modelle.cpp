#include "calc/Modelle.h"

#include "calc/Bewacht.h"
#include "calc/Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;
using bewacht::versuch;
using bewacht::wert;

namespace {

// sgn(y/A), or sgn(y) where y/A cannot be formed.
double sgnYdurchA(double A, double y) {
    if (auto s = versuch([&] { return sgn(teile(y, A)); })) return *s;
    return sgn(y);
}
double lnYdurchA(double A, double y) {
    return ln(std::fabs(teile(y, A)));
}
// ln|ln|y| / A| with its sign S2 = sgn(ln|y|) and, for model 8, sgn(ln|y| / A).
double lnQ(double A, double y) {
    return ln(std::fabs(wert(versuch([&] { return teile(ln(std::fabs(y)), A); }))));
}

double y1(double A, double B, double x) {
    return pruefe(A + B * x);
}
double y2(double A, double B, double x) {
    const Abszisse t(x);
    return pruefe(A + t.S * B * wert(t.L1));
}
double y5(double A, double B, double x) {
    const Abszisse t(x);
    return pruefe(A + t.S2 * t.S * B * wert(t.L2));
}
double y7(double A, double B, double x) {
    return pruefe(A * rechnen::exp(B * x));
}
double y8(double A, double B, double x) {
    return rechnen::exp(pruefe(A * rechnen::exp(B * x)));
}
double y9(double A, double B, double x) {
    return pruefe(A * potenz(x, B));
}
double y10(double A, double B, double x) {
    const Abszisse t(x);
    return pruefe(t.S * A * potenz(wert(t.L1), B));
}
double y11(double A, double B, double x) {
    return rechnen::exp(pruefe(A * potenz(x, B)));
}
double y12(double A, double B, double x) {
    const Abszisse t(x);
    return rechnen::exp(pruefe(t.S * A * potenz(wert(t.L1), B)));
}

// Y with its derivatives by A and B: the same steps as the Y above, so the value is
// undefined at the same places (and equal but for the last bit of u^B, see below).
double g1(double A, double B, const Abszisse& t, double& dA, double& dB) {
    dA = 1;
    dB = t.x;
    return y1(A, B, t.x);
}
double g2(double A, double B, const Abszisse& t, double& dA, double& dB) {
    dA = 1;
    dB = t.S * wert(t.L1);
    return pruefe(A + t.S * B * wert(t.L1));
}
double g5(double A, double B, const Abszisse& t, double& dA, double& dB) {
    dA = 1;
    dB = t.S2 * t.S * wert(t.L2);
    return pruefe(A + t.S2 * t.S * B * wert(t.L2));
}
double g7(double A, double B, const Abszisse& t, double& dA, double& dB) {
    const double e = rechnen::exp(B * t.x);
    const double y = pruefe(A * e);
    dA = e;
    dB = y * t.x;
    return y;
}
double g8(double A, double B, const Abszisse& t, double& dA, double& dB) {
    const double e = rechnen::exp(B * t.x);
    const double v = pruefe(A * e);
    const double y = rechnen::exp(v);
    dA = y * e;
    dB = y * v * t.x;
    return y;
}
// A * u^B with its derivatives, u = x or ln|x|, s its sign factor; lnU = ln|u|, or 0
// where u is 0 and so u^B and its derivative.
double potenzGlied(double s, double A, double u, double lnU, double B, double& dA, double& dB) {
    // u^B as e^(B*ln u) with the logarithm taken once per x: least squares evaluates it
    // thousands of times per series; potenz keeps the rules where u is not positive
    const double p = u > 0 ? rechnen::exp(B * lnU) : potenz(u, B);
    dA = s * p;
    const double y = pruefe(s * A * p);
    dB = y * lnU;
    return y;
}
// ln|u| for u = x and u = ln|x|: logarithms the Abszisse holds already.
double lnX(const Abszisse& t) {
    return t.x != 0 ? wert(t.L1) : 0.0;
}
double lnL1(const Abszisse& t) {
    return wert(t.L1) != 0 ? wert(t.L2) : 0.0;
}
double g9(double A, double B, const Abszisse& t, double& dA, double& dB) {
    return potenzGlied(1, A, t.x, lnX(t), B, dA, dB);
}
double g10(double A, double B, const Abszisse& t, double& dA, double& dB) {
    return potenzGlied(t.S, A, wert(t.L1), lnL1(t), B, dA, dB);
}
double g11(double A, double B, const Abszisse& t, double& dA, double& dB) {
    const double v = potenzGlied(1, A, t.x, lnX(t), B, dA, dB);
    const double y = rechnen::exp(v);
    dA *= y;
    dB *= y;
    return y;
}
double g12(double A, double B, const Abszisse& t, double& dA, double& dB) {
    const double v = potenzGlied(t.S, A, wert(t.L1), lnL1(t), B, dA, dB);
    const double y = rechnen::exp(v);
    dA *= y;
    dB *= y;
    return y;
}

// A whole series with the model's gradient inlined into the loop: least squares
// evaluates a series some fifty times per fit.
template <double (*G)(double, double, const Abszisse&, double&, double&)>
bool reihe(double A, double B, const Abszisse* t, std::size_t n, double* y,
           std::array<double, 3>* d) {
    try {
        for (std::size_t i = 0; i < n; ++i) {
            y[i] = G(A, B, t[i], d[i][0], d[i][1]);
            d[i][2] = 0;
        }
    } catch (const Fehler&) {
        return false;
    }
    return true;
}

double x1(double A, double B, double y) {
    return teile(y - A, B);
}
double x2(double A, double B, double y) {
    return rechnen::exp(teile(y - A, B));
}
double x5(double A, double B, double y) {
    return rechnen::exp(rechnen::exp(teile(y - A, B)));
}
double x7(double A, double B, double y) {
    return teile(sgnYdurchA(A, y) * lnYdurchA(A, y), B);
}
double x8(double A, double B, double y) {
    double S2 = Abszisse(y).S2;
    if (auto s = versuch([&] { return sgn(teile(ln(std::fabs(y)), A)); })) S2 = *s;
    return teile(sgn(y) * S2 * lnQ(A, y), B);
}
double x9(double A, double B, double y) {
    return rechnen::exp(teile(sgnYdurchA(A, y) * lnYdurchA(A, y), B));
}
double x10(double A, double B, double y) {
    return rechnen::exp(rechnen::exp(teile(sgnYdurchA(A, y) * lnYdurchA(A, y), B)));
}
double x11(double A, double B, double y) {
    return rechnen::exp(teile(sgn(y) * Abszisse(y).S2 * lnQ(A, y), B));
}
double x12(double A, double B, double y) {
    const double S = sgnYdurchA(A, y);
    return rechnen::exp(rechnen::exp(teile(S * Abszisse(y).S2 * lnQ(A, y), B)));
}

using enum Skala;
const std::array<Modell, 9> Tabelle = {{
    {1, "A + B*x", Linear, Linear, y1, x1, g1, reihe<g1>},
    {2, "A + B*Ln|x|", Log, Linear, y2, x2, g2, reihe<g2>},
    {5, "A + B*{Ln|Ln|x||}", DoppelLog, Linear, y5, x5, g5, reihe<g5>},
    {7, "A*e^(B*x)", Linear, Log, y7, x7, g7, reihe<g7>},
    {8, "e^{A * e^(B*x)}", Linear, DoppelLog, y8, x8, g8, reihe<g8>},
    {9, "A * x^B", Log, Log, y9, x9, g9, reihe<g9>},
    {10, "A * {Ln|x|}^B", DoppelLog, Log, y10, x10, g10, reihe<g10>},
    {11, "e^{A * x^B}", Log, DoppelLog, y11, x11, g11, reihe<g11>},
    {12, "e^(A*{Ln|x|}^B)", DoppelLog, DoppelLog, y12, x12, g12, reihe<g12>},
}};

} // namespace

// The logarithms are checked before they are taken rather than caught: least squares
// evaluates them many times, also at X = 1 where ln|ln|x|| is undefined.
Abszisse::Abszisse(double t) : x(t), S(sgn(t)) {
    const double l = std::log(std::fabs(t));
    if (!(std::fabs(t) > 0) || !std::isfinite(l)) return;
    L1 = l;
    S2 = sgn(l);
    if (l != 0) L2 = std::log(std::fabs(l));
}

const std::array<Modell, 9>& modelle() {
    return Tabelle;
}

const Modell* modell(int code) {
    for (const Modell& m : Tabelle)
        if (m.code == code) return &m;
    return nullptr;
}

double linearisiert(Skala s, double t) {
    switch (s) {
    case Skala::Log:
        return L(t);
    case Skala::DoppelLog:
        return LL(t);
    default:
        return t;
    }
}

} // namespace tk
