#include "GrafikKQ.h"
#include "GrafikOriginal.h"
#include "GrafikRahmen.h"
#include "Grafiken.h"

#include "Auswertung.h"
#include "Fehler.h"
#include "Kurvenverlauf.h"
#include "Modelle.h"

namespace tk {

using namespace grafik;

namespace {

// The data's values and the curve's as far as it stays near them: a model running off
// towards a pole is cut at the frame instead of squeezing the data into a line.
std::pair<double, double> bereichY(const Programmzustand& z, const Verlauf& kurve,
                                   const std::vector<Abfragemarke>& marken) {
    Spanne daten;
    for (int i = 1; i <= z.AnzPaare; ++i) daten.nimm(z.YWert(i));
    for (const auto& m : marken) daten.nimm(m.p.second);
    const auto [unten, oben] = erweitert(daten.min, daten.max, 1.0);
    Spanne s = daten;
    for (const auto& stueck : kurve.stuecke)
        for (const auto& [x, y] : stueck)
            if (y >= unten && y <= oben) s.nimm(y);
    return s.mitRand();
}

} // namespace

void GrafikOriginalR(Ausgabe& a, const Programmzustand& z, GrafikZustand& g) {
    if (!modell(z.ModellNr))
        throw Fehler(fehlercode::UngueltigesArgument, "Grafik",
                     "Es gibt kein entscheidendes Modell zum Zeichnen.");
    const bool druck = g.DruckModus;
    const auto marken = abfragemarken(g, [](int) { return true; });
    const auto [xmin, xmax] = mitAbfragen(z.XMin, z.XMax, marken);
    const auto [von, bis] = erweitert(xmin, xmax);
    Verlauf kurve = abtasten([&](double x) { return WertYQ(z, x); }, von, bis);
    const QString formel = QStringLiteral("Y = ") + QString::fromStdString(FYQ(z.ModellNr));
    using Probe = Legendeneintrag::Probe;
    std::vector<Legendeneintrag> legende = {{Probe::Linie, formel},
                                            {Probe::Keine, koeffizienten(z)}};
    KQZeichnung kq;
    Verlauf umfang = kurve; // what the Y axis has to show
    if (g.KleinsteQuadrate) {
        kq = kqZeichnung(z, von, bis, formel);
        if (kq.gezeichnet()) {
            legende.clear();
            kurve = kq.kurve;
            umfang = kq.kurve;
            for (const auto& f : kq.mittel) umfang.stuecke.push_back(f);
        }
        legende.insert(legende.end(), kq.legende.begin(), kq.legende.end());
    }

    Rahmen rahmen(a, druck, 8);
    Rechteck b = originalBereich(a, druck);
    const int kurvenBreite = druck ? 5 : 3;
    b.oben = zeichneLegende(a, b, legende, kurvenBreite);
    const Diagramm d(a, b, {von, bis}, bereichY(z, umfang, marken));
    zeichneKQBaender(a, d, kq);
    d.zeichneAchsen(a, QStringLiteral("X"), QStringLiteral("Y"));

    a.setzeFarbe(Farbe::Hellrot);
    a.setzeLinienbreite(kurvenBreite);
    d.zeichneVerlauf(a, kurve);

    zeichnePunkte(a, d, z, g.NumerierungEin);
    zeichneAbfragemarken(a, d, marken);
}

} // namespace tk
