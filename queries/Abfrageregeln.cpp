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

// A limit written back into a field is rounded; reading it back must pass.
bool mindestens(double v, double minimum) {
    return v >= minimum || Zahl(v) == Zahl(minimum);
}
// The saturation level is shown with six and with eight decimals.
bool istKMaxText(double v, double KMax) {
    return Zahl(v) == Zahl(KMax) || formatFest(v, 8) == formatFest(KMax, 8);
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
        summenKVerlassen();
    }
}

void Abfragepanel::summenKVerlassen() {
    const auto& z = k_.zustand;
    double K = wert(2);
    if (!mindestens(K, 0.01 * z.KMax)) {
        warnen(QStringLiteral("Der Wert Ki muss grösser >= K bei X(1%) sein!"),
               QStringLiteral("Bitte Neueingabe"));
        setzeFeld(2, Zahl(0.01 * z.KMax));
        fokusZurueck(2);
        return;
    }
    // KMax itself, as the program writes it, is the 100 % point.
    if (istKMaxText(K, z.KMax)) {
        K = z.KMax;
    } else if (K >= z.KMax) {
        warnen(QStringLiteral("Der Wert Ki muss kleiner als Kmax sein!"),
               QStringLiteral("Achtung"));
        setzeFeld(2, Zahl(z.KMax));
        fokusZurueck(2);
        return;
    }
    const double s = K / z.KMax;
    // The curve reaches KMax only at an infinite horizon.
    const double x = WertXI(z, s < 1 ? s : 0.9999999);
    setzeFeld(1, prozent(100 * s));
    setzeFeld(0, Zahl(x));
    summenGrenzen(K);
}

void Abfragepanel::verlassenEinzelwerte(int feld) {
    auto& g = k_.grafik;
    const QString titel = QStringLiteral("Achtung");
    if (feld == 2) {
        grenzwertVerlassen();
        return;
    }
    // The value offered after a warning is taken as it stands, so that the fields,
    // the results, the chart and a stored query always show one band.
    const double XiVorher = g.Xi, YiVorher = g.Yi;
    if (feld == 0) {
        if (!(wert(0) < wert(1))) {
            warnen(QStringLiteral("X(i) sollte kleiner als X(i+d) sein !"), titel);
            setzeFeld(0, Zahl(wert(1) - 0.000001));
            fokusZurueck(0);
        }
        g.Xi = wert(0);
    } else {
        if (wert(1) <= wert(0)) {
            warnen(QStringLiteral("X(i+d) sollte grösser als X(i) sein !"), titel);
            setzeFeld(1, Zahl(wert(0) + 0.000001));
        }
        g.Yi = wert(1);
    }
    einzelwerteErgebnisse();
    if ((g.Xi != XiVorher || g.Yi != YiVorher) && k_.neuZeichnen) k_.neuZeichnen();
}

// The top of the density axis must be a positive number.
void Abfragepanel::grenzwertVerlassen() {
    auto& g = k_.grafik;
    const double v = wert(2);
    if (!(v > 0)) {
        warnen(QStringLiteral("Der Grenzwert der Verteilungsdichte muss grösser 0 sein !"),
               QStringLiteral("Achtung"));
        setzeFeld(2, Zahl(g.GrenzwertFest ? g.PhiGrenze : OrdinatenTop(g.PhiGrenze)));
        fokusZurueck(2);
        return;
    }
    g.PhiGrenze = v;
    grenzwertGetippt_ = true;
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
