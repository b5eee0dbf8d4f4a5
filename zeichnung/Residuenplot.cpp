#include "zeichnung/Residuenplot.h"

#include "calc/Fehler.h"
#include "calc/Kurventypen.h"
#include "calc/Kurvenverlauf.h"
#include "calc/Modelle.h"
#include "zeichnung/Diagramm.h"

#include <algorithm>

namespace tk {

std::vector<Residuum> residuen(const Programmzustand& z, int code, double A, double B) {
    std::vector<Residuum> r;
    const Modell* m = modell(code);
    if (!m) return r;
    const int n = std::min({z.AnzPaare, z.EingabeX.groesse(), z.EingabeY.groesse()});
    for (int i = 1; i <= n; ++i) {
        try {
            r.push_back({i, z.EingabeX(i), z.EingabeY(i), m->wertY(A, B, z.EingabeX(i))});
        } catch (const Fehler&) {
            // undefined there: no residual to show
        }
    }
    return r;
}

std::vector<Residuum> residuen(const Programmzustand& z, const FallErgebnis& fall,
                               bool einzelwerte) {
    std::vector<Residuum> r;
    if (!fall.entscheidend) return r;
    const Summenreihe reihe = einzelwerte ? Untersuch2(z) : Untersuch1(z);
    const Kurventyp& kurve = kurventyp(fall.typ);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        const double W = reihe.SummenK[static_cast<std::size_t>(i)];
        try {
            r.push_back({i, z.XWert(i), W, kurve.wertK(fall.A, fall.B, fall.KMax, z.XWert(i))});
        } catch (const Fehler&) {
            // undefined there: no residual to show
        }
    }
    return r;
}

namespace {
const Schrift Beschriftung{QStringLiteral("Arial"), 8};
} // namespace

void zeichneResiduen(Ausgabe& a, const std::vector<Residuum>& r, const QString& titelY) {
    const double breite = a.breiteMm(), hoehe = a.hoeheMm();
    a.setzeKoordinaten(0, hoehe, breite, 0);
    a.setzeSchrift(Beschriftung);
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(1);
    a.setzeLinienstil(Linienstil::Durchgezogen);
    if (r.empty()) {
        // Axes around nothing would suggest a perfect fit.
        const QString t = QStringLiteral("Keine Residuen: das Modell lässt sich an den "
                                         "Datenpunkten nicht auswerten.");
        a.setzePosition((breite - a.textBreite(t)) / 2, hoehe / 2);
        a.drucke(t);
        return;
    }
    double xmin = r.front().x, xmax = xmin, rmin = 0, rmax = 0; // zero stays in view
    for (const Residuum& p : r) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        rmin = std::min(rmin, p.rest());
        rmax = std::max(rmax, p.rest());
    }
    // A little room, so that no point sits on the frame.
    const grafik::Diagramm d(a, {4, 2, breite - 4, hoehe - 2}, erweitert(xmin, xmax, 0.05),
                             erweitert(rmin, rmax, 0.05));
    d.zeichneAchsen(a, QStringLiteral("X"), titelY);
    a.setzeLinienstil(Linienstil::Gestrichelt);
    d.zeichneLinie(a, {{d.teilungX().von, 0}, {d.teilungX().bis, 0}});
    a.setzeLinienstil(Linienstil::Durchgezogen);
    for (const Residuum& p : r) a.kreis(d.x(p.x), d.y(p.rest()), 0.8, Farbe::Hellrot);
}

} // namespace tk
