#include "zeichnung/GrafikOriginal.h"

#include "calc/Bestimmtheit.h"
#include "calc/Format.h"
#include "calc/Kurvenverlauf.h"

#include <algorithm>

namespace tk::grafik {

namespace {
// The page's frame and headings, as the printout places them.
constexpr double seiteBreite = 196, seiteHoehe = 280;
constexpr double unterGrafikTitel = 39, ueberEingabewerten = 157;
constexpr double rand = 3; // on screen
} // namespace

Rechteck originalBereich(Ausgabe& a, bool druck) {
    const double W = a.breiteMm(), H = a.hoeheMm();
    a.setzeKoordinaten(0, H, W, 0);
    if (!druck) return {rand, rand, W - rand, H - rand};
    const double x0 = (W - seiteBreite) / 2, y0 = (H - seiteHoehe) / 2;
    return {x0 + 15, H - y0 - ueberEingabewerten, x0 + 188, H - y0 - unterGrafikTitel};
}

void Spanne::nimm(double v) {
    min = leer ? v : std::min(min, v);
    max = leer ? v : std::max(max, v);
    leer = false;
}

std::pair<double, double> Spanne::mitRand() const {
    auto [unten, oben] = erweitert(min, max, 0.05);
    if (min >= 0 && unten < 0) unten = 0;
    if (max <= 0 && oben > 0) oben = 0;
    return {unten, oben};
}

Beschriftungen imRahmen(const Diagramm& d) {
    const Rechteck& r = d.rahmen();
    constexpr double weit = 1e4;
    Beschriftungen b;
    b.belege({-weit, -weit, r.links, weit});
    b.belege({r.rechts, -weit, weit, weit});
    b.belege({-weit, -weit, weit, r.unten});
    b.belege({-weit, r.oben, weit, weit});
    return b;
}

void zeichnePunkte(Ausgabe& a, const Diagramm& d, const Programmzustand& z, bool nummern,
                   Beschriftungen& b) {
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(2);
    // All circles first: a number keeps clear of every point, not only the earlier ones.
    for (int i = 1; i <= z.AnzPaare; ++i) {
        if (!d.enthaelt(z.XWert(i), z.YWert(i))) continue;
        const double x = d.x(z.XWert(i)), y = d.y(z.YWert(i));
        a.kreis(x, y, 0.75, Farbe::Schwarz);
        b.belege({x - 0.9, y - 0.9, x + 0.9, y + 0.9});
    }
    for (int i = 1; nummern && i <= z.AnzPaare; ++i) {
        if (!d.enthaelt(z.XWert(i), z.YWert(i))) continue;
        const double x = d.x(z.XWert(i)), y = d.y(z.YWert(i));
        b.nummerAmPunkt(a, x, y, QString::number(i));
    }
    a.setzeLinienbreite(1);
}

void zeichneGespeicherteAbfrage(Ausgabe& a, const Diagramm& d, Punkt p, int nr, Beschriftungen& b) {
    if (!d.enthaelt(p.first, p.second)) return;
    const double x = d.x(p.first), y = d.y(p.second);
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
    strecke(a, x - 1, y - 1, x + 1, y + 1);
    strecke(a, x - 1, y + 1, x + 1, y - 1);
    b.belege({x - 1, y - 1, x + 1, y + 1});
    const QString n = QStringLiteral("A%1").arg(nr);
    const double w = a.textBreite(n), h = a.textHoehe(n);
    b.drucke(a,
             {{x + 1.2, y + 1.2 + h},
              {x + 1.2, y - 1.2},
              {x - 1.2 - w, y + 1.2 + h},
              {x - 1.2 - w, y - 1.2}},
             n);
}

namespace {
void zeichneAbfragepunkt(Ausgabe& a, const Diagramm& d, Punkt p) {
    if (!d.enthaelt(p.first, p.second)) return;
    const double x = d.x(p.first), y = d.y(p.second);
    a.setzeFarbe(Farbe::Hellcyan);
    a.setzeLinienbreite(1);
    a.setzeLinienstil(Linienstil::Gestrichelt);
    strecke(a, x, y, x, d.rahmen().unten);
    strecke(a, x, y, d.rahmen().links, y);
    a.setzeLinienstil(Linienstil::Durchgezogen);
    a.setzeLinienbreite(2);
    a.kreis(x, y, 1.2, Farbe::Hellcyan);
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
}
} // namespace

std::vector<Abfragemarke> abfragemarken(const GrafikZustand& g,
                                        const std::function<bool(int)>& gilt) {
    std::vector<Abfragemarke> m;
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (gilt(k)) m.push_back({k, {g.AbfrageX[i], g.AbfrageY[i]}});
    }
    if (g.Abfragepunkt) m.push_back({0, *g.Abfragepunkt});
    return m;
}

std::pair<double, double> mitAbfragen(double xmin, double xmax,
                                      const std::vector<Abfragemarke>& marken) {
    const auto [grenzeLinks, grenzeRechts] = erweitert(xmin, xmax, 10);
    for (const auto& m : marken) {
        const double x = m.p.first;
        if (x < grenzeLinks || x > grenzeRechts) continue;
        xmin = std::min(xmin, x);
        xmax = std::max(xmax, x);
    }
    return {xmin, xmax};
}

void zeichneAbfragemarken(Ausgabe& a, const Diagramm& d, const std::vector<Abfragemarke>& marken,
                          Beschriftungen& b) {
    for (const auto& m : marken) {
        if (m.nr == 0)
            zeichneAbfragepunkt(a, d, m.p);
        else
            zeichneGespeicherteAbfrage(a, d, m.p, m.nr, b);
    }
}

QString koeffizienten(const Programmzustand& z) {
    const std::string schwach = schwacheAnpassungText(z.R2Daten);
    return QString::fromStdString(
        "A = " + legendenZahl(z.KonstA) + "   B = " + legendenZahl(z.KoeffB) +
        "   r = " + legendenZahl(z.KorrR) + (schwach.empty() ? "" : "   " + schwach));
}

} // namespace tk::grafik
