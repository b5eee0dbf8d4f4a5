#include "zeichnung/GrafikKQ.h"
#include "zeichnung/GrafikOriginal.h"
#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/Grafiken.h"

#include "calc/Auswertung.h"
#include "calc/Fehler.h"
#include "calc/Kurvenverlauf.h"
#include "calc/Modelle.h"

#include <algorithm>

namespace tk {

using namespace grafik;

namespace {

// The data's values and the queries'.
Spanne datenY(const Programmzustand& z, const std::vector<Abfragemarke>& marken) {
    Spanne daten;
    for (int i = 1; i <= z.AnzPaare; ++i) daten.nimm(z.YWert(i));
    for (const auto& m : marken) daten.nimm(m.p.second);
    return daten;
}

// The data's values and the curve's as far as it stays near them: a model running off
// towards a pole is cut at the frame instead of squeezing the data into a line; the
// data keep at least half the height.
std::pair<double, double> bereichY(const Spanne& daten, const Verlauf& kurve) {
    const auto [unten, oben] = erweitert(daten.min, daten.max, 0.3);
    Spanne s = daten;
    for (const auto& stueck : kurve.stuecke)
        for (const auto& [x, y] : stueck)
            if (y >= unten && y <= oben) s.nimm(y);
    return s.mitRand();
}

} // namespace

void GrafikOriginalR(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    if (!modell(z.ModellNr))
        throw Fehler(fehlercode::UngueltigesArgument, "Grafik",
                     "Es gibt kein entscheidendes Modell zum Zeichnen.");
    const bool druck = g.DruckModus;
    const auto marken = abfragemarken(g, [](int) { return true; });
    const auto [xmin, xmax] = mitAbfragen(z.XMin, z.XMax, marken);
    const auto [von, bis] = erweitert(xmin, xmax);
    // A model in ln|x| is mirrored at 0: only the data's side is its curve.
    double kurveVon = von, kurveBis = bis;
    if (modell(z.ModellNr)->x != Skala::Linear) {
        if (z.XMin > 0) kurveVon = std::max(von, 0.0);
        if (z.XMax < 0) kurveBis = std::min(bis, 0.0);
    }
    const Spanne daten = datenY(z, marken);
    Verlauf kurve =
        abtasten([&](double x) { return WertYQ(z, x); }, kurveVon, kurveBis, daten.mitRand());
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
    const Diagramm d(a, b, {von, bis}, bereichY(daten, umfang));
    zeichneKQBaender(a, d, kq);
    d.zeichneAchsen(a, QStringLiteral("X"), QStringLiteral("Y"));

    a.setzeFarbe(Farbe::Hellrot);
    a.setzeLinienbreite(kurvenBreite);
    d.zeichneVerlauf(a, kurve);

    Beschriftungen beschriftet = imRahmen(d);
    zeichneAbfragemarken(a, d, marken, beschriftet);
    zeichnePunkte(a, d, z, g.NumerierungEin, beschriftet);
}

} // namespace tk
