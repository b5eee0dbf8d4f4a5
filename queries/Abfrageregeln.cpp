// What leaving a query field does, for each chart.
#include "Abfragepanel.h"

#include "Auswertung.h"
#include "Format.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace tk {

namespace {
// Keeps the logarithmic models away from their singular points 0 and ±1.
double geschoben(double v) {
    if (v == 0 || std::fabs(v) == 1) return v >= 0 ? v + 0.0000001 : v - 0.0000001;
    return v;
}

std::string prozent(double v) {
    return " " + formatFest(v, 3);
}

// The minimum written back into a field is rounded; reading it back must pass.
bool mindestens(double v, double minimum) {
    return v >= minimum || Zahl(v) == Zahl(minimum);
}
} // namespace

void Abfragepanel::verlassenRegression(int feld) {
    auto& z = k_.zustand;
    auto& g = k_.grafik;
    if (feld == 0) {
        g.Xi = geschoben(wert(0));
        setzeFeld(1, Zahl(geschoben(WertYQ(z, g.Xi).value_or(0))));
    } else if (feld == 1) {
        g.Yi = geschoben(wert(1));
        setzeFeld(0, Zahl(geschoben(WertXQ(z, g.Yi).value_or(0))));
    }
}

void Abfragepanel::summenGrenzen(double K) {
    eigeneGrenzen_ = true;
    setzeLabel(6, Zahl(KGrenz1(k_.zustand, K)));
    setzeLabel(8, Zahl(KGrenz2(k_.zustand, K)));
}

void Abfragepanel::verlassenSummenwerte(int feld) {
    auto& z = k_.zustand;
    auto& g = k_.grafik;
    const QString titel = QStringLiteral("Bitte Neueingabe");
    if (feld == 0) {
        const double x = wert(0); // "unendlich" is the horizon 10^10
        const double x1 = WertXI(z, 0.01);
        if (!mindestens(x, x1)) {
            warnen(QStringLiteral("Der Wert Xi muss grösser >= X(1%) sein!"), titel);
            setzeFeld(0, Zahl(x1));
            fokusZurueck(0);
            return;
        }
        g.Xi = x;
        const double K = WertKi(z, g.Xi);
        setzeFeld(1, prozent(100 * K / z.KMax));
        setzeFeld(2, Zahl(K));
        summenGrenzen(K);
    } else if (feld == 1) {
        const double p = wert(1);
        if (p < 1 || p > 100) {
            warnen(QStringLiteral("Der Summen%-Wert muss grösser >= 1% und <=100% sein!"), titel);
            setzeFeld(1, prozent(1));
            fokusZurueck(1);
            return;
        }
        double s = p / 100;
        const double K = z.KMax * s;
        // The curve reaches 0 % and 100 % only at infinite horizons.
        if (s == 1) s = 0.9999999;
        if (s == 0) s = 0.0000001;
        const double x = WertXI(z, s);
        setzeFeld(2, Zahl(K));
        setzeFeld(0, Zahl(x));
        summenGrenzen(K);
    } else {
        const double K = wert(2);
        if (!mindestens(K, 0.01 * z.KMax)) {
            warnen(QStringLiteral("Der Wert Ki muss grösser >= K bei X(1%) sein!"), titel);
            setzeFeld(2, Zahl(0.01 * z.KMax));
            fokusZurueck(2);
            return;
        }
        const double s = K / z.KMax;
        const double x = WertXI(z, s);
        setzeFeld(1, prozent(100 * s));
        setzeFeld(0, Zahl(x));
        summenGrenzen(K);
    }
}

void Abfragepanel::verlassenEinzelwerte(int feld) {
    auto& g = k_.grafik;
    const QString titel = QStringLiteral("Achtung");
    if (feld == 0) {
        const double v = wert(0);
        if (!(v < wert(1))) {
            warnen(QStringLiteral("X(i) sollte kleiner als X(i+d) sein !"), titel);
            setzeFeld(0, Zahl(wert(1) - 0.000001));
            fokusZurueck(0);
        } else {
            g.Xi = v;
        }
    } else if (feld == 1) {
        const double v = wert(1);
        if (v <= wert(0)) {
            warnen(QStringLiteral("X(i+d) sollte grösser als X(i) sein !"), titel);
            setzeFeld(1, Zahl(wert(0) + 0.000001));
        } else {
            g.Yi = v;
        }
    } else {
        g.PhiGrenze = wert(2);
    }
    einzelwerteErgebnisse();
}

void Abfragepanel::einzelwerteErgebnisse() {
    const auto& z = k_.zustand;
    const auto& g = k_.grafik;
    const Bandwerte b = bandwerte(z, g.Xi, g.Yi);
    setzeLabel(4, Zahl(b.Kdx));
    setzeLabel(11, Zahl(PhiWert(z, g.Xi).value_or(0)));
    setzeLabel(12, Zahl(PhiWert(z, g.Yi).value_or(0)));
    setzeLabel(13, Zahl(b.KdxG1));
    setzeLabel(15, Zahl(b.KdxG2));
}

} // namespace tk
