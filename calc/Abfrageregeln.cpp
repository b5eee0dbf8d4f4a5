#include "calc/Abfrageregeln.h"

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "calc/Kurvenverlauf.h"
#include "calc/Rechnen.h"
#include "calc/Regression.h"

namespace tk::abfrage {

namespace {
const char* const Neueingabe = "Bitte Neueingabe";
const char* const Achtung = "Achtung";

// A limit written back into a field is rounded; reading it back must pass.
bool mindestens(double v, double minimum) {
    return v >= minimum || Zahl(v) == Zahl(minimum);
}
// The saturation level is shown with six and with eight decimals.
bool istKMaxText(double v, double KMax) {
    return Zahl(v) == Zahl(KMax) || formatFest(v, 8) == formatFest(KMax, 8);
}
// The curve reaches 0 % and 100 % only at infinite horizons.
double erreichbar(double s) {
    if (s >= 1) return 0.9999999;
    if (s <= 0) return 0.0000001;
    return s;
}
} // namespace

bool extrapoliert(const Programmzustand& z, double x) {
    // An end of the data as a field shows it (rounded, or without the nudge off 1)
    // still counts as that end.
    return istExtrapolation(x, z.XMin, z.XMax) && Zahl(x) != Zahl(z.XMin) &&
           Zahl(x) != Zahl(z.XMax);
}

bool gespeichertExtrapoliert(const Programmzustand& z, double X, double Y, double S) {
    if (!z.ModusPrognostik) return extrapoliert(z, X);
    if (z.GrafikFall == 1) return S >= 100 || extrapoliert(z, X);
    return extrapoliert(z, X) || extrapoliert(z, Y);
}

Regressionsantwort regressionFuerX(const Programmzustand& z, double x) {
    Regressionsantwort a;
    a.X = zusatzWert(x);
    const auto y = WertYQ(z, a.X);
    a.Y = zusatzWert(y.value_or(0));
    a.extrapolation = y && extrapoliert(z, a.X);
    return a;
}

Regressionsantwort regressionFuerY(const Programmzustand& z, double y) {
    Regressionsantwort a;
    a.Y = zusatzWert(y);
    const auto x = WertXQ(z, a.Y);
    a.X = zusatzWert(x.value_or(0));
    a.extrapolation = x && extrapoliert(z, a.X);
    return a;
}

Summenergebnis summeFuerX(const Programmzustand& z, double x) {
    const double x1 = WertXI(z, 0.01);
    if (!mindestens(x, x1))
        return Hinweis{"Der Wert Xi muss grösser >= X(1%) sein!", Neueingabe, x1};
    Summenantwort a;
    a.X = x;
    a.K = WertKi(z, x);
    a.prozent = rechnen::teile(100 * a.K, z.KMax);
    a.extrapolation = extrapoliert(z, a.X);
    return a;
}

Summenergebnis summeFuerProzent(const Programmzustand& z, double p) {
    if (p < 1 || p > 100)
        return Hinweis{"Der Summen%-Wert muss grösser >= 1% und <=100% sein!", Neueingabe, 1};
    Summenantwort a;
    a.prozent = p;
    a.K = z.KMax * p / 100;
    a.X = WertXI(z, erreichbar(p / 100));
    a.extrapolation = extrapoliert(z, a.X);
    return a;
}

Summenergebnis summeFuerK(const Programmzustand& z, double K) {
    if (!mindestens(K, 0.01 * z.KMax))
        return Hinweis{"Der Wert Ki muss grösser >= K bei X(1%) sein!", Neueingabe, 0.01 * z.KMax};
    // KMax itself, as the program writes it, is the 100 % point.
    if (istKMaxText(K, z.KMax))
        K = z.KMax;
    else if (K >= z.KMax)
        return Hinweis{"Der Wert Ki muss kleiner als Kmax sein!", Achtung, z.KMax};
    Summenantwort a;
    a.K = K;
    const double s = rechnen::teile(K, z.KMax);
    a.prozent = 100 * s;
    a.X = WertXI(z, erreichbar(s));
    a.extrapolation = extrapoliert(z, a.X);
    return a;
}

std::optional<Hinweis> bandanfangPruefen(double Xi, double Xid) {
    if (Xi < Xid) return std::nullopt;
    return Hinweis{"X(i) sollte kleiner als X(i+d) sein !", Achtung, Xid - 0.000001};
}

std::optional<Hinweis> bandendePruefen(double Xi, double Xid) {
    if (Xid > Xi) return std::nullopt;
    return Hinweis{"X(i+d) sollte grösser als X(i) sein !", Achtung, Xi + 0.000001};
}

std::optional<Hinweis> grenzwertPruefen(double grenzwert, double bisher) {
    if (grenzwert > 0) return std::nullopt;
    return Hinweis{"Der Grenzwert der Verteilungsdichte muss grösser 0 sein !", Achtung, bisher};
}

} // namespace tk::abfrage
