#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/Grafiken.h"
#include "zeichnung/ZeigGrafik.h"

#include "calc/Auswertung.h"
#include "calc/Bestimmtheit.h"
#include "calc/Format.h"
#include "calc/Rechnen.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tk {

using namespace grafik;

namespace {

// Height of the data area: the fitted line rises 7 mm for every 12 mm.
constexpr double hoehe = 100.0 * 7 / 12;
constexpr double yAchse = -10.0 * 7 / 12;

// Power of ten that lifts |wert| to at least 1, so the logarithmic axes never see a
// value below 1. A zero (a pair not yet entered) gets the factor 1.
double skalenfaktor(double wert) {
    wert = std::abs(wert);
    if (wert == 0 || !std::isfinite(wert)) return 1;
    int k = 0;
    while (wert < 1) {
        ++k;
        wert *= 10;
    }
    return std::pow(10.0, k);
}

QString wertText(double v) {
    return QString::fromStdString((v > 0 ? " =  " : " = ") + Zahl(v));
}

// Scale factors of both axes from the smallest absolute values.
std::pair<double, double> skalenfaktoren(const Programmzustand& z) {
    const int n = z.AnzPaare;
    std::vector<double> betragX(static_cast<std::size_t>(std::max(n, 0) + 1), 0.0);
    std::vector<double> betragY(betragX.size(), 0.0);
    for (int i = 1; i <= n; ++i) {
        betragX[i] = std::abs(z.XWert(i));
        betragY[i] = std::abs(z.YWert(i));
    }
    if (z.ModellNr > 1) {
        SortBubble(betragX, n);
        SortBubble(betragY, n);
    }
    int iX = 1, iY = 1;
    for (int i = 1; i <= n; ++i) {
        if (std::abs(z.XWert(i)) == betragX[1]) iX = i;
        if (std::abs(z.YWert(i)) == betragY[1]) iY = i;
    }
    if (n < 1) return {1, 1};
    return {skalenfaktor(z.XWert(iX)), skalenfaktor(z.YWert(iY))};
}

void zeichneAchsen(Ausgabe& a, int w0) {
    a.setzeLinienbreite(w0);
    Linie(a, -13, yAchse, 117, yAchse);
    a.setzeLinienbreite(1);
    Pfeil(a, 117, yAchse, pi, 1);
    a.setzeLinienbreite(w0);
    Linie(a, -10, yAchse - 2, -10, yAchse + 75);
    a.setzeLinienbreite(1);
    Pfeil(a, -10, yAchse + 75, pi / 2, -1);
}

// Axis names, the model's formula and its coefficients, in bold.
void zeichneLegende(Ausgabe& a, const Programmzustand& z) {
    setzeFett(a, true);
    const double h = a.textHoehe(QStringLiteral("Y"));
    const double zeile = yAchse + 77 + h;
    TextZentriert(a, -10, zeile, QStringLiteral("Y"));
    TextZentriert(a, 40, zeile, QStringLiteral("Funktion : "));
    const double xGleich = a.positionX();
    a.drucke(QStringLiteral("Y ="));
    TextBei(a, xGleich + a.textBreite(QStringLiteral("Y = ")), zeile,
            QString::fromStdString(FYQ(z.ModellNr)));
    TextBei(a, 118, yAchse + h / 2, QStringLiteral("X"));

    const QString labels[3] = {QStringLiteral("Konstantenterm A"),
                               QStringLiteral("Regressionskoeff. B"),
                               QStringLiteral("Korrelationskoeffizient  r")};
    const double werte[3] = {z.KonstA, z.KoeffB, z.KorrR};
    const double spalte = 80 - a.textBreite(labels[2]);
    for (int k = 0; k < 3; ++k) {
        const double oben = yAchse - 4 - 0.2 * k - k * h;
        TextBei(a, spalte, oben, labels[k]);
        TextBei(a, 80, oben, wertText(werte[k]));
    }
    // A reader filing the page must not take a poor fit for a good one.
    const std::string schwach = schwacheAnpassungText(z.R2Daten);
    if (!schwach.empty()) {
        a.setzeFarbe(Farbe::Hellrot);
        TextBei(a, spalte, yAchse - 4 - 0.6 - 3 * h, QString::fromStdString(schwach));
        a.setzeFarbe(Farbe::Schwarz);
    }
    setzeFett(a, false);
}

} // namespace

void GrafikR(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool druck = g.DruckModus;
    Rahmen rahmen(a, druck, druck ? 10 : 8);
    const int n = z.AnzPaare;

    const auto [fx, fy] = skalenfaktoren(z);

    // Range of the fitted line; an empty value counts as 0.
    const double Y1 = WertYQ(z, z.XMax).value_or(0);
    const double Y2 = WertYQ(z, z.XMin).value_or(0);
    // Millimetres per unit on each axis; a flat or single-point range has no scale.
    [[maybe_unused]] const double mmJeX = rechnen::teile(100, z.XMax - z.XMin);
    [[maybe_unused]] const double mmJeY = rechnen::teile(hoehe, Y1 - Y2);

    const double m = druck ? 160 : 20 - yAchse;
    setzeRahmenKoordinaten(a, (120 - a.breiteMm()) / 2 - 10, m);
    a.setzeLinienbreite(1);
    const int w0 = druck ? 3 : 2;

    zeichneAchsen(a, w0);

    zeichneLegende(a, z);

    // The fitted model, 10 mm beyond the data area on both sides, running the way
    // the model runs. Drawn before the points so that they stay visible on paper.
    const bool fallend = Y1 < Y2;
    a.setzeLinienbreite(druck ? 5 : 3);
    a.setzeFarbe(Farbe::Hellrot);
    if (fallend)
        Linie(a, -10, yAchse + 70, 110, yAchse);
    else
        Linie(a, -10, yAchse, 110, yAchse + 70);
    a.setzeFarbe(Farbe::Schwarz);

    // Data points, numbers in bold; left or right of the data area a point is left out,
    // above or below the axes it is marked on their edge.
    setzeFett(a, true);
    a.setzeLinienbreite(2);
    const double o = fallend ? hoehe : 0;
    const double sigma = fallend ? -1 : 1;
    Beschriftungen b;
    IndexXMinMax indexXMinMax;
    for (int i = 1; i <= n; ++i) {
        const double x = 100 * StreckeX(z, i, fx, indexXMinMax).value_or(0);
        const double y = o + sigma * hoehe * StreckeY(z, i, fy, Y1, Y2).value_or(0);
        if (x < 0 || x > 100) continue;
        zeichneDatenpunkt(a, x, y, yAchse, yAchse + 75,
                          g.NumerierungEin ? QString::number(i) : QString(), b);
    }
}

} // namespace tk
