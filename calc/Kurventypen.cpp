#include "calc/Kurventypen.h"

#include "calc/Bewacht.h"
#include "calc/Fehler.h"
#include "calc/Rechnen.h"

#include <cmath>

namespace tk {

using namespace rechnen;
using bewacht::versuch;
using bewacht::wert;

namespace {

const double lnln100 = std::log(std::log(100.0));
const double L99 = std::log(1 / 0.99);
const double lnL99 = std::log(std::fabs(std::log(1 / 0.99)));
const double ln99 = std::log(99.0);
constexpr double WpAbstand = 0.962423;  // ln((3 + sqrt 5) / 2): inflection points of the density
constexpr double WpLogistisch = 1.3169; // ln(2 + sqrt 3)

// Types 1 and 3: far beyond the data A*e^t grows without bound while the curve only
// nears 0 or KMax: the intermediates may run to infinity as long as the curve value
// itself is finite.
double aussenwert(double A, double b, double KMax, double X) {
    const double t = pruefe(b * X);
    return pruefe(std::exp(ln(KMax) - A * std::exp(t)));
}
// aussenwert with its derivatives. Where the value is 0 (far out, A*e^t beyond every
// bound) so are they.
double aussenGradient(double A, double b, double KMax, double X, double& dK, double& dA,
                      double& db) {
    const double w = aussenwert(A, b, KMax, X);
    const double q = std::exp(b * X);
    dK = w / KMax; // KMax > 0 where ln(KMax) was defined
    dA = w == 0 ? 0.0 : -w * q;
    db = w == 0 ? 0.0 : -w * A * X * q;
    return w;
}

std::optional<double> phiDoppelExp(double A, double B, double b, double x) {
    const auto e1 = versuch([&] { return rechnen::exp(pruefe(b * x)); });
    const auto t = versuch([&] { return pruefe(A * wert(e1)); });
    const auto aussen = versuch([&] { return rechnen::exp(pruefe(b * x - wert(t))); });
    return versuch([&] { return pruefe(-A * B * wert(aussen)); });
}

const Kurventyp Typ1 = {
    1,
    1.5,
    [](double A, double B, double KMax, double X) { return aussenwert(A, B, KMax, X); },
    aussenGradient,
    [](double A, double B, double s) { return teile(ln(teile(ln(teile(1, s)), A)), B); },
    [](double A, double B, double x) { return phiDoppelExp(A, B, B, x); },
    [](double A, double B) { return teile(ln(A) - WpAbstand, -B); },
    [](double A, double B) { return teile(ln(A) + WpAbstand, -B); },
    [](double A, double B, double X) {
        const double l1 = ln(teile(4.6051, A));
        return teile(pruefe(B * X) - l1, ln(teile(0.01, A)) - l1);
    },
    [](double KMax, double K) {
        return teile(lnln100 - ln(std::fabs(ln(teile(KMax, K)))), lnln100 - lnL99);
    },
};

const Kurventyp Typ3 = {
    3,
    0.5,
    [](double A, double B, double KMax, double X) {
        return pruefe(KMax - aussenwert(A, -B, KMax, X));
    },
    [](double A, double B, double KMax, double X, double& dK, double& dA, double& dB) {
        const double v = aussenGradient(A, -B, KMax, X, dK, dA, dB);
        dK = 1 - dK;
        dA = -dA;
        return pruefe(KMax - v);
    },
    [](double A, double B, double s) { return teile(ln(teile(ln(teile(1, 1 - s)), A)), -B); },
    [](double A, double B, double x) { return phiDoppelExp(A, B, -B, x); },
    [](double A, double B) { return teile(ln(A) + WpAbstand, B); },
    [](double A, double B) { return teile(ln(A) - WpAbstand, B); },
    [](double A, double B, double X) {
        const double l1 = ln(teile(L99, A));
        return teile(pruefe(-B * X) - l1, ln(teile(4.6051, A)) - l1);
    },
    [](double KMax, double K) {
        return teile(lnL99 - ln(std::fabs(ln(teile(KMax, KMax - K)))), lnL99 - lnln100);
    },
};

double logistisch(double A, double B, double KMax, double X) {
    const double t = pruefe(A + B * X);
    // Far out on the upper branch e^t overflows although the value is just below
    // KMax: use the equivalent form 1/(1 + e^-t) there.
    if (t > 0) return pruefe(KMax / (1 + std::exp(-t)));
    const double E = rechnen::exp(t);
    return teile(pruefe(E * KMax), E + 1);
}

const Kurventyp Typ5 = {
    5,
    1,
    logistisch,
    [](double A, double B, double KMax, double X, double& dK, double& dA, double& dB) {
        const double t = pruefe(A + B * X);
        // the share s = 1/(1 + e^-t) and 1 - s, each without cancellation
        const double e = std::exp(-std::fabs(t));
        const double klein = e / (1 + e), gross = 1 / (1 + e);
        dK = t > 0 ? gross : klein;
        dA = KMax * klein * gross;
        dB = dA * X;
        return logistisch(A, B, KMax, X);
    },
    [](double A, double B, double s) { return teile(ln(teile(s, 1 - s)) - A, B); },
    [](double A, double B, double x) {
        const auto E = versuch([&] { return rechnen::exp(pruefe(A + B * x)); });
        return versuch([&] {
            const double e = wert(E);
            return teile(pruefe(B * e), pruefe((e + 1) * (e + 1)));
        });
    },
    [](double A, double B) { return teile(-A - WpLogistisch, B); },
    [](double A, double B) { return teile(WpLogistisch - A, B); },
    [](double A, double B, double X) { return pruefe((A + B * X + 4.5951) / 9.1902); },
    [](double KMax, double K) { return (ln(teile(K, KMax - K)) + ln99) / (2 * ln99); },
};

} // namespace

const Kurventyp& kurventyp(int code) {
    switch (code) {
    case 1:
        return Typ1;
    case 3:
        return Typ3;
    case 5:
        return Typ5;
    default:
        throw Fehler(fehlercode::UngueltigesArgument, "Auswertung", "Unbekannter Kurventyp");
    }
}

} // namespace tk
