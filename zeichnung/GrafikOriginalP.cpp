#include "zeichnung/GrafikKQ.h"
#include "zeichnung/GrafikOriginal.h"
#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/Grafiken.h"

#include "calc/Auswertung.h"
#include "calc/Bewacht.h"
#include "calc/Format.h"
#include "calc/Kurvenverlauf.h"

#include <algorithm>

namespace tk {

using namespace grafik;
using bewacht::versuch;
using Probe = Legendeneintrag::Probe;

namespace {

constexpr int schritte = 240;

// The data's range reaching out to X(1%) and X(99%), where the curve starts and
// saturates, but no further than `weiten` data widths beyond the data, and to the
// queries; widened by 10 %.
std::pair<double, double> bereichX(const Programmzustand& z, double X1, double X99,
                                   const std::vector<Abfragemarke>& marken, double weiten = 2) {
    const double weite = z.XMax - z.XMin;
    const double von = std::max(std::min(z.XMin, X1), z.XMin - weiten * weite);
    const double bis = std::min(std::max(z.XMax, X99), z.XMax + weiten * weite);
    const auto [links, rechts] = mitAbfragen(von, bis, marken);
    return erweitert(links, rechts);
}

// The 95 % band of K along the curve: one polygon (upper limit forwards, lower limit
// backwards) for every run of X where both limits can be computed.
std::vector<std::vector<Punkt>> bandflaechen(const Programmzustand& z, double von, double bis) {
    std::vector<std::vector<Punkt>> flaechen;
    std::vector<Punkt> oben, unten;
    const auto abschliessen = [&] {
        if (oben.size() >= 2) {
            oben.insert(oben.end(), unten.rbegin(), unten.rend());
            flaechen.push_back(oben);
        }
        oben.clear();
        unten.clear();
    };
    for (int i = 0; i <= schritte; ++i) {
        const double x = von + (bis - von) * i / schritte;
        const auto K = versuch([&] { return WertKi(z, x); });
        const auto g1 = versuch([&] { return KGrenz1(z, bewacht::wert(K)); });
        const auto g2 = versuch([&] { return KGrenz2(z, bewacht::wert(K)); });
        if (!K || !g1 || !g2) {
            abschliessen();
            continue;
        }
        oben.emplace_back(x, *g2);
        unten.emplace_back(x, *g1);
    }
    abschliessen();
    return flaechen;
}

void zeichneKurve(Ausgabe& a, const Diagramm& d, const Verlauf& kurve, int breite) {
    a.setzeFarbe(Farbe::Hellrot);
    a.setzeLinienbreite(breite);
    d.zeichneVerlauf(a, kurve);
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
}

// The edges of a band as thin lines, so that a narrow one still shows beside the curve.
void zeichneRand(Ausgabe& a, const Diagramm& d, const std::vector<Punkt>& flaeche) {
    if (flaeche.size() < 3) return;
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
    a.setzeLinienstil(Linienstil::Gestrichelt);
    std::vector<Punkt> rand(flaeche);
    rand.push_back(flaeche.front());
    d.zeichneLinie(a, rand);
    a.setzeLinienstil(Linienstil::Durchgezogen);
}

// The saturation level as a dashed line across the chart, named at its right end.
void zeichneAsymptote(Ausgabe& a, const Diagramm& d, double KMax) {
    a.setzeLinienstil(Linienstil::Gestrichelt);
    d.zeichneLinie(a, {{d.teilungX().von, KMax}, {d.teilungX().bis, KMax}});
    a.setzeLinienstil(Linienstil::Durchgezogen);
    const QString name = QStringLiteral("KMax");
    a.setzePosition(d.rahmen().rechts - a.textBreite(name) - 1,
                    d.y(KMax) + a.textHoehe(name) + 0.3);
    a.drucke(name);
}

// The band widens the scale only as far as the data keep half the height: an
// enormous one is cut at the frame.
Spanne hoeheMitBand(const Spanne& daten, const Verlauf& kurve,
                    const std::vector<std::vector<Punkt>>& band, std::optional<double> grenze) {
    const auto [unten, oben] = erweitert(daten.min, daten.max, 0.3);
    Spanne y = daten;
    const auto nimmNah = [&](double v) {
        if (v >= unten && v <= oben) y.nimm(v);
    };
    for (const auto& stueck : kurve.stuecke)
        for (const auto& p : stueck) nimmNah(p.second);
    for (const auto& flaeche : band)
        for (const auto& p : flaeche) nimmNah(p.second);
    if (grenze) nimmNah(*grenze);
    return y;
}

} // namespace

void GrafikOriginalP1(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool druck = g.DruckModus;
    // 100 % lies at infinity
    const auto marken =
        abfragemarken(g, [&](int k) { return g.AbfrageS[static_cast<std::size_t>(k)] < 100; });
    const auto [von, bis] = bereichX(z, WertXI(z, 0.01), WertXI(z, 0.99), marken);
    Spanne daten;
    for (int i = 1; i <= z.AnzPaare; ++i) daten.nimm(z.YWert(i));
    for (const auto& m : marken) daten.nimm(m.p.second);
    daten.nimm(z.KMax);
    Verlauf kurve = abtasten([&](double x) { return versuch([&] { return WertKi(z, x); }); }, von,
                             bis, daten.mitRand(), {}, schritte);
    auto band = bandflaechen(z, von, bis);
    double KMax = z.KMax;
    // The fit's own limits come from a rule of thumb, and are named so.
    std::vector<Legendeneintrag> legende = {
        {Probe::Linie, QStringLiteral("Summenwert")},
        {Probe::Keine, koeffizienten(z)},
        {Probe::Gestrichelt, QString::fromStdString("KMax = " + legendenZahl(z.KMax))},
        {Probe::Flaeche, QStringLiteral("Grenzen KiG1/KiG2 (Faustformel)")}};
    KQZeichnung kq;
    if (g.KleinsteQuadrate) {
        kq = kqZeichnung(z, von, bis, QStringLiteral("Summenwert"));
        if (kq.gezeichnet()) {
            kurve = kq.kurve;
            band = kq.mittel;
            KMax = kq.kq->fit.p[0];
            daten.nimm(KMax);
            legende.clear();
        }
        legende.insert(legende.end(), kq.legende.begin(), kq.legende.end());
        if (kq.gezeichnet())
            legende.push_back(
                {Probe::Gestrichelt, QString::fromStdString("KMax = " + legendenZahl(KMax))});
    }

    const Spanne y = hoeheMitBand(
        daten, kurve, band, kq.gezeichnet() ? std::nullopt : std::optional(KGrenz2(z, z.KMax)));

    Rahmen rahmen(a, druck, 8);
    Rechteck b = originalBereich(a, druck);
    const int kurvenBreite = druck ? 5 : 3;
    b.oben = zeichneLegende(a, b, legende, kurvenBreite);
    const Diagramm d(a, b, {von, bis}, y.mitRand());
    if (kq.gezeichnet()) {
        zeichneKQBaender(a, d, kq);
    } else {
        for (const auto& flaeche : band) {
            d.fuelle(a, flaeche, Farbe::Hellrot);
            zeichneRand(a, d, flaeche);
        }
    }
    d.zeichneAchsen(a, QStringLiteral("Wert  X"), QStringLiteral("Summenwert K"));
    zeichneAsymptote(a, d, KMax);
    zeichneKurve(a, d, kurve, kurvenBreite);
    Beschriftungen beschriftet = imRahmen(d);
    zeichneAbfragemarken(a, d, marken, beschriftet);
    zeichnePunkte(a, d, z, g.NumerierungEin, beschriftet);
}

void GrafikOriginalP2(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool druck = g.DruckModus;
    // The ends of the query's band and of the stored ones; the chart reaches out to them.
    std::vector<Abfragemarke> enden{{0, {g.Xi, 0}}, {0, {g.Yi, 0}}};
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        enden.push_back({k, {g.AbfrageX[i], 0}});
        enden.push_back({k, {g.AbfrageY[i], 0}});
    }
    // The density runs to X(99%) even where the cumulative chart stops earlier.
    const auto [von, bis] = bereichX(z, WertXI(z, 0.01), WertXI(z, 0.99), enden, 10);
    const Bandwerte werte = bandwerte(z, g.Xi, g.Yi);
    const auto phi = [&](double x) { return PhiWert(z, x); };
    // Its maximum lies at Xs: sampled there, the peak is drawn at its height.
    const Verlauf kurve =
        abtasten(phi, von, bis, {0.0, PhiWert(z, z.WertXs).value_or(1)}, {z.WertXs}, schritte);

    // A chosen limit is the top of the axis; the curve is cut there.
    Spanne y;
    y.nimm(0.0);
    for (const auto& stueck : kurve.stuecke)
        for (const auto& p : stueck) y.nimm(p.second);
    const auto hoehe = g.GrenzwertFest ? std::pair(0.0, g.PhiGrenze) : y.mitRand();

    // The query's band: the area under the density from X(i) to X(i+d).
    std::vector<Punkt> band;
    const double links = std::max(g.Xi, von), rechts = std::min(g.Yi, bis);
    for (int i = 0; links < rechts && i <= schritte / 4; ++i) {
        const double x = links + (rechts - links) * i / (schritte / 4);
        band.emplace_back(x, phi(x).value_or(0));
    }
    band.insert(band.end(), {{rechts, 0}, {links, 0}});

    Rahmen rahmen(a, druck, 8);
    Rechteck b = originalBereich(a, druck);
    const int kurvenBreite = druck ? 5 : 3;
    b.oben = zeichneLegende(a, b,
                            {{Probe::Linie, QStringLiteral("Verteilungsdichte φ")},
                             {Probe::Keine, koeffizienten(z)},
                             {Probe::Flaeche, QString::fromStdString("X(i) bis X(i+d):  K(dx) = " +
                                                                     legendenZahl(werte.Kdx))}},
                            kurvenBreite);
    const Diagramm d(a, b, {von, bis}, hoehe);
    d.fuelle(a, band, Farbe::Hellrot);
    zeichneRand(a, d, band);
    d.zeichneAchsen(a, QStringLiteral("Wert  X"), QStringLiteral("Verteilungsdichte φ"));
    zeichneKurve(a, d, kurve, kurvenBreite);
    Beschriftungen beschriftet = imRahmen(d);
    for (const auto& e : enden)
        if (e.nr > 0)
            zeichneGespeicherteAbfrage(a, d, {e.p.first, phi(e.p.first).value_or(0)}, e.nr,
                                       beschriftet);
}

} // namespace tk
