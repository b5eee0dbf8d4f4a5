#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/Grafiken.h"
#include "zeichnung/ZeigGrafik.h"

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "calc/Rechnen.h"

#include <QPointF>
#include <algorithm>
#include <cmath>
#include <functional>

namespace tk {

using namespace grafik;

namespace {

QString fest(const char* name, double v, int stellen) {
    return QString::fromLatin1(name) + QString::fromStdString(formatFest(v, stellen));
}

struct Senkrechte {
    double wert;
    QString name;
    QString zusatz;
    double x = 0, hoehe = 0, links = 0, oben = 0;
    bool sichtbar = false;
};

// The part of the segment p-q that lies at or below the height `oben`.
void linieBis(Ausgabe& a, QPointF p, QPointF q, double oben) {
    if (p.y() > oben && q.y() > oben) return;
    auto schnitt = [&](QPointF aussen, QPointF innen) {
        const double t = (oben - innen.y()) / (aussen.y() - innen.y());
        return QPointF(innen.x() + t * (aussen.x() - innen.x()), oben);
    };
    if (p.y() > oben) p = schnitt(p, q);
    if (q.y() > oben) q = schnitt(q, p);
    Linie(a, p.x(), p.y(), q.x(), q.y());
}

// Caption of the ordinate, the curve's sample and the fit's coefficients.
void zeichneDichteKopf(Ausgabe& a, const Programmzustand& z, const Kopfzeilen& kopf,
                       int kurvenBreite) {
    const double probe =
        zeichneKurvenprobe(a, kopf, QStringLiteral("Verlauf der Kdx-Werte"), kurvenBreite);
    zeichneKopf(a, kopf,
                {{{QStringLiteral("dichte")}, {QStringLiteral(" ")}, {QStringLiteral("φ")}},
                 {{QStringLiteral("Verteilungs-")}}},
                z.KonstA, z.KoeffB, z.KorrR, z.R2Daten, probe);
}

// The ordinate's ten ticks from 0 to the top T.
void zeichneOrdinatenskala(Ausgabe& a, double xa, double T, double h) {
    for (int j = 1; j <= 10; ++j) {
        const double y = 7.0 * j;
        Linie(a, xa - 1.5, y, xa, y);
        const QString t = QString::fromStdString(formatFest(j * T / 10, 4));
        TextBei(a, xa - 2 - a.textBreite(t), y + h / 2, t);
    }
}

struct Kennstellen {
    double X99, Xs, Xwp1, Xwp2;
};

// The results block; on a narrow surface in three columns.
void druckeErgebnisse(Ausgabe& a, const Programmzustand& z, const Kennstellen& k,
                      const std::function<double(double)>& phi, double x, double y, double zeile) {
    Tabelle ergebnisse{{fest("Xmin = ", z.XMin, 3),
                        fest("X(99%) = ", k.X99, 3),
                        fest("Xs = ", k.Xs, 3),
                        fest("Xwp1 = ", k.Xwp1, 3),
                        fest("Xwp2 = ", k.Xwp2, 3),
                        {},
                        {},
                        fest("xs = ", phi(k.Xs), 7),
                        fest("xwp1 = ", phi(k.Xwp1), 7),
                        fest("xwp2 = ", phi(k.Xwp2), 7)},
                       5};
    if (ergebnisse.breite(a) > 150) {
        auto& c = ergebnisse.zellen;
        c = {c[0], c[1], {}, c[2], c[3], c[4], c[7], c[8], c[9]};
        ergebnisse.spalten = 3;
    }
    ergebnisse.drucke(a, x, y, zeile);
}

// A marker or band line: drawn only where the X axis runs, its label under the axis,
// centred under its line but never across the ordinate's stub.
void platziere(Ausgabe& a, Senkrechte& s, double phi, double sx, double sy, double xa, double oben,
               Achsbeschriftung& unter) {
    s.x = s.wert * sx;
    s.hoehe = std::min(phi * sy, oben);
    s.sichtbar = s.x >= xa - 1 && s.x <= xa + 121;
    if (!s.sichtbar) return;
    const double w = a.textBreite(s.name + s.zusatz);
    s.links = std::max(s.x - w / 2, xa + 0.8);
    s.oben = unter.platziere(s.links, s.links + w);
}

// The band between the query horizons X(i) and X(i+d), with the densities there.
void zeichneBand(Ausgabe& a, const std::vector<Senkrechte>& band) {
    for (const auto& s : band) {
        if (!s.sichtbar) continue;
        Linie(a, s.x, 0, s.x, s.hoehe);
        TextBei(a, s.links, s.oben, s.name);
        a.drucke(s.zusatz);
    }
}

void zeichneMarken(Ausgabe& a, const std::vector<Senkrechte>& marken) {
    a.setzeLinienbreite(1);
    for (const auto& s : marken) {
        if (!s.sichtbar) continue;
        a.setzeFarbe(Farbe::Hellcyan);
        a.setzeLinienstil(Linienstil::Gestrichelt);
        Linie(a, s.x, 0, s.x, s.hoehe);
        a.setzeLinienstil(Linienstil::Durchgezogen);
        a.setzeFarbe(Farbe::Schwarz);
        TextBei(a, s.links, s.oben, s.name);
    }
}

// The density in 100 steps from XMin to X(99%), cut at the height `oben`.
void zeichneDichtekurve(Ausgabe& a, const Programmzustand& z,
                        const std::function<double(double)>& phi, double schritt, double sx,
                        double sy, double xa, double oben) {
    for (int k = 0; k < 100; ++k) {
        const double x = z.XMin + k * schritt;
        const double x1 = x * sx, x2 = (x + schritt) * sx;
        if (x1 >= xa - 1 && x2 <= xa + 121)
            linieBis(a, {x1, phi(x) * sy}, {x2, phi(x + schritt) * sy}, oben);
    }
}

} // namespace

void GrafikP2(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool druck = g.DruckModus;

    const double X99 = WertXI(z, 0.99);
    const double R = X99 - z.XMin;
    const double sx = rechnen::teile(120, R);
    const double T = g.GrenzwertFest ? g.PhiGrenze : DichteOben(z);
    const double sy = rechnen::teile(70, T);
    const double xa = z.XMin * sx;
    const double Xs = z.WertXs;
    const double Xwp1 = WendepunktX1(z);
    const double Xwp2 = WendepunktX2(z);
    const std::function<double(double)> phi = [&](double x) { return PhiWert(z, x).value_or(0); };
    // A density above a chosen limit is cut at the end of the ordinate, so that the
    // curve stays inside the chart on the page.
    constexpr double oben = 75;

    Rahmen rahmen(a, druck, 8);
    const double randLinks = (120 - a.breiteMm()) / 2;
    setzeRahmenKoordinaten(a, xa + randLinks, druck ? 150 : RandUntenDichteBildschirm);
    const int kurvenBreite = druck ? 4 : 2;

    zeichnePrognoseAchsen(a, xa, druck ? 3 : 2);

    const double h = a.textHoehe(QStringLiteral("X"));
    const double zeile = h + 0.4;

    zeichneOrdinatenskala(a, xa, T, h);

    zeichneDichteKopf(a, z, {xa, 77 + h, zeile}, kurvenBreite);

    // Marker and band labels go under the axis, the results block below them.
    std::vector<Senkrechte> marken{{Xwp1, QStringLiteral("Xwp1"), {}},
                                   {Xs, QStringLiteral("Xs"), {}},
                                   {Xwp2, QStringLiteral("Xwp2"), {}}};
    std::vector<Senkrechte> band{
        {g.Xi, QStringLiteral("X(i)"), QStringLiteral(" ") + fest("", phi(g.Xi), 7)},
        {g.Yi, QStringLiteral("X(i+d)"), QStringLiteral(" ") + fest("", phi(g.Yi), 7)}};
    Achsbeschriftung unter(-1.5, zeile);
    for (auto* liste : {&marken, &band})
        for (auto& s : *liste) platziere(a, s, phi(s.wert), sx, sy, xa, oben, unter);

    druckeErgebnisse(a, z, {X99, Xs, Xwp1, Xwp2}, phi, xa - 5, unter.naechsteFreieZeile() - 1,
                     zeile);

    zeichneMarken(a, marken);

    zeichneBand(a, band);

    a.setzeFarbe(Farbe::Hellrot);
    a.setzeLinienbreite(kurvenBreite);
    zeichneDichtekurve(a, z, phi, R / 100, sx, sy, xa, oben);

    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
    TextBei(a, xa + 129, h / 2, QStringLiteral("Wert  X"));
}

} // namespace tk
