#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/Grafiken.h"
#include "zeichnung/ZeigGrafik.h"

#include "calc/Auswertung.h"
#include "calc/Format.h"

#include <algorithm>
#include <cmath>

namespace tk {

using namespace grafik;

namespace {

constexpr double steigung = 70.0 / 120; // the fitted line from (x0, 0) to (x0 + 120, 70)

QString fest(const char* name, double v, int stellen) {
    return QString::fromLatin1(name) + QString::fromStdString(formatFest(v, stellen));
}

struct Marke {
    double wert;
    QString name;
    QString zusatz; // printed right of the name
    double x = 0, y = 0, links = 0, oben = 0;
};

// Percentage scale; a label that would touch the one below it moves one column left.
void zeichneProzentskala(Ausgabe& a, const Programmzustand& z, double x0, double h) {
    const double b100 = a.textBreite(QStringLiteral("100.0"));
    std::vector<double> letzteHoehe;
    for (int i = 1; i <= 13; ++i) {
        double s = 0;
        GibS(i, s);
        const double y = 70 * StreckeYI(z, s * z.KMax).value_or(0);
        Linie(a, x0 - 1.5, y, x0, y);
        std::size_t spalte = 0;
        while (spalte < letzteHoehe.size() && std::abs(y - letzteHoehe[spalte]) < h) ++spalte;
        if (spalte == letzteHoehe.size()) letzteHoehe.push_back(y);
        letzteHoehe[spalte] = y;
        TextBei(a, x0 - 2 - b100 - static_cast<double>(spalte) * (b100 + 1.5), y + h / 2,
                QString::fromStdString(formatFest(100 * s, 1)));
    }
}

// Places each marker's label under the X axis.
void platziere(Ausgabe& a, const Programmzustand& z, std::vector<Marke>& marken, double x0,
               Achsbeschriftung& unter) {
    for (auto& mk : marken) {
        mk.x = 120 * StreckeXI(z, mk.wert);
        mk.y = GeradeY(steigung, mk.x, -steigung * x0);
        const double w = a.textBreite(mk.name);
        const double zusatz = mk.zusatz.isEmpty() ? 0 : 1.5 + a.textBreite(mk.zusatz);
        // Centred under its line, but never across the ordinate's stub below the axis.
        mk.links = std::max(mk.x - w / 2, x0 + 0.8);
        mk.oben = unter.platziere(mk.links, mk.links + w + zusatz);
    }
}

// Data points; one below 1 % or above 99 % of KMax (also one at or above KMax, which
// the scale cannot place) is marked on the frame's edge with its number, and so is one
// beyond X(1%)..X(99%). Returns how many lie outside the frame.
int zeichneDatenpunkte(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g, double x0,
                       Beschriftungen& b) {
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(2);
    int aussen = 0;
    for (int i = 1; i <= z.AnzPaare; ++i) {
        const double x = 120 * StreckeXI(z, z.XWert(i));
        const double y = 70 * StreckeYI(z, z.YWert(i)).value_or(z.YWert(i) >= z.KMax ? 1e3 : -1e3);
        const QString nummer = g.NumerierungEin ? QString::number(i) : QString();
        if (x < x0 || x > x0 + 120) {
            ++aussen;
            zeichnePunktSeitlich(a, x < x0 ? x0 : x0 + 120, std::clamp(y, 0.0, 70.0), x < x0,
                                 nummer, b);
            continue;
        }
        if (y < 0 || y > 70) ++aussen;
        zeichneDatenpunkt(a, x, y, 0, 70, nummer, b);
    }
    return aussen;
}

void zeichneMarken(Ausgabe& a, const std::vector<Marke>& marken, double x0) {
    a.setzeLinienbreite(1);
    for (const auto& mk : marken) {
        a.setzeFarbe(Farbe::Hellcyan);
        a.setzeLinienstil(Linienstil::Gestrichelt);
        Linie(a, x0, mk.y, mk.x, mk.y);
        Linie(a, mk.x, -1.2, mk.x, mk.y);
        a.setzeLinienstil(Linienstil::Durchgezogen);
        a.setzeFarbe(Farbe::Schwarz);
        TextBei(a, mk.links, mk.oben, mk.name);
        if (!mk.zusatz.isEmpty()) TextBei(a, a.positionX() + 1.5, mk.oben, mk.zusatz);
    }
}

void zeichneSummenKopf(Ausgabe& a, const Programmzustand& z, const Kopfzeilen& kopf,
                       int kurvenBreite) {
    const double probe = zeichneKurvenprobe(a, kopf, QStringLiteral("Summenwert"), kurvenBreite);
    zeichneKopf(a, kopf,
                {{{QStringLiteral("Summenwert in % von")},
                  {QStringLiteral(" ")},
                  {QStringLiteral("Κ")},
                  {QStringLiteral("max"), true}}},
                z.KonstA, z.KoeffB, z.KorrR, z.R2Daten, probe);
}

// A line with no point on it would look like a perfect fit: say why.
QString hinweisText(const Programmzustand& z, bool fallend, int aussen) {
    QString hinweis;
    if (fallend) hinweis = QStringLiteral("Achse fallend: X(1%) > X(99%)");
    if (aussen == z.AnzPaare && aussen > 0)
        hinweis += (hinweis.isEmpty() ? QString() : QStringLiteral(";  ")) +
                   QStringLiteral("%1 Punkte außerhalb des Bildes").arg(aussen);
    return hinweis;
}

void zeichneHinweis(Ausgabe& a, double x0, double h, const QString& hinweis, Beschriftungen& b) {
    std::vector<std::pair<double, double>> zeilen; // from the top down, clear of the markers
    for (int k = 0; k < 8; ++k) zeilen.emplace_back(x0 + 2, 69 - k * h);
    if (!hinweis.isEmpty()) b.drucke(a, zeilen, hinweis);
}

} // namespace

void GrafikP1(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool druck = g.DruckModus;

    // Characteristic values before anything is drawn.
    const double X1 = WertXI(z, 0.01);
    const double X99 = WertXI(z, 0.99);
    const double X50 = WertXI(z, 0.5);
    const double Xs = z.WertXs;
    const double Ks = WertKi(z, Xs);
    const double Xwp1 = WendepunktX1(z);
    const double Xwp2 = WendepunktX2(z);
    const double x0 = 120 * StreckeXI(z, X1);

    Rahmen rahmen(a, druck, 8);
    const double randLinks = (120 - a.breiteMm()) / 2;
    setzeRahmenKoordinaten(a, x0 + randLinks, druck ? 150 : 20);
    const int kurvenBreite = druck ? 8 : 3;

    zeichnePrognoseAchsen(a, x0, druck ? 3 : 2);
    Linie(a, x0 + 120, 0, x0 + 120, 70);
    Linie(a, x0 - 2, 70, x0 + 120, 70);

    const double h = a.textHoehe(QStringLiteral("X"));
    const double zeile = h + 0.4;
    zeichneSummenKopf(a, z, {x0, 77 + h, zeile}, kurvenBreite);

    zeichneProzentskala(a, z, x0, h);

    // Marker labels go under the X axis first, the results block below them.
    std::vector<Marke> marken{{Xwp1, QStringLiteral("Xwp1"), {}},
                              {Xwp2, QStringLiteral("Xwp2"), {}},
                              {Xs, QStringLiteral("Xs"), fest("Ks = ", Ks, 4)},
                              {X50, QStringLiteral("X50%"), {}}};
    Achsbeschriftung unter(-1.5, zeile);
    platziere(a, z, marken, x0, unter);

    Tabelle ergebnisse{{fest("X(1%) = ", X1, 3), fest("X(99%) = ", X99, 3), fest("X50% = ", X50, 3),
                        fest("Xs = ", Xs, 5), fest("Xwp1 = ", Xwp1, 3), fest("Xwp2 = ", Xwp2, 3)},
                       3};
    if (ergebnisse.breite(a) > 140) ergebnisse.spalten = 2;
    ergebnisse.drucke(a, x0, unter.naechsteFreieZeile() - 1, zeile);

    // The fitted curve is the straight line of the probability scale.
    a.setzeLinienbreite(kurvenBreite);
    a.setzeFarbe(Farbe::Hellrot);
    Linie(a, x0, 0, x0 + 120, 70);

    Beschriftungen b;
    const int aussen = zeichneDatenpunkte(a, z, g, x0, b);
    zeichneMarken(a, marken, x0);

    zeichneHinweis(a, x0, h, hinweisText(z, X1 > X99, aussen), b);

    TextBei(a, x0 + 129, h / 2, QStringLiteral("Wert  X"));
}

} // namespace tk
