#include "Residuenplot.h"

#include "Achsenteilung.h"
#include "Fehler.h"
#include "Modelle.h"

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

namespace {

const Schrift Beschriftung{QStringLiteral("Arial"), 8};

// Maps one axis' values onto a stretch of millimetres.
struct Abbildung {
    Achsenteilung t;
    double mmVon, mmBis;
    double operator()(double v) const {
        return mmVon + (v - t.von) / (t.bis - t.von) * (mmBis - mmVon);
    }
};

void linie(Ausgabe& a, double x1, double y1, double x2, double y2) {
    a.setzePosition(x1, y1);
    a.linieZu(x2, y2);
}

void text(Ausgabe& a, double x, double y, const QString& t) {
    a.setzePosition(x, y);
    a.drucke(t);
}

void skalen(Ausgabe& a, const Abbildung& x, const Abbildung& y) {
    const double h = a.textHoehe(QStringLiteral("0"));
    for (double v : x.t.marken) {
        const QString t = QString::fromStdString(markenText(v, x.t));
        linie(a, x(v), y.mmVon, x(v), y.mmVon - 1);
        text(a, x(v) - a.textBreite(t) / 2, y.mmVon - 1.5, t);
    }
    for (double v : y.t.marken) {
        const QString t = QString::fromStdString(markenText(v, y.t));
        linie(a, x.mmVon, y(v), x.mmVon - 1, y(v));
        text(a, x.mmVon - 1.5 - a.textBreite(t), y(v) + h / 2, t);
    }
}

} // namespace

void zeichneResiduen(Ausgabe& a, const std::vector<Residuum>& r) {
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
        text(a, (breite - a.textBreite(t)) / 2, hoehe / 2, t);
        return;
    }
    double xmin = 0, xmax = 0, rmin = 0, rmax = 0; // zero stays in view
    if (!r.empty()) xmin = xmax = r.front().x;
    for (const Residuum& p : r) {
        xmin = std::min(xmin, p.x);
        xmax = std::max(xmax, p.x);
        rmin = std::min(rmin, p.rest());
        rmax = std::max(rmax, p.rest());
    }
    // A little room, so that no point sits on the frame.
    const double rand = 0.05;
    const double dx = (xmax - xmin) * rand, dr = (rmax - rmin) * rand;
    xmin -= dx;
    xmax += dx;
    rmin -= dr;
    rmax += dr;
    const Achsenteilung ty = achsenteilung(rmin, rmax);
    double textBreite = 0;
    for (double v : ty.marken)
        textBreite = std::max(textBreite, a.textBreite(QString::fromStdString(markenText(v, ty))));
    const double h = a.textHoehe(QStringLiteral("0"));
    const Abbildung x{achsenteilung(xmin, xmax), textBreite + 4, breite - 4};
    const Abbildung y{ty, 2 * h + 4, hoehe - h - 3};

    linie(a, x.mmVon, y.mmVon, x.mmBis, y.mmVon);
    linie(a, x.mmVon, y.mmVon, x.mmVon, y.mmBis);
    skalen(a, x, y);
    text(a, x.mmBis - a.textBreite(QStringLiteral("X")), y.mmVon - h - 2, QStringLiteral("X"));
    text(a, x.mmVon + 1, y.mmBis + h + 1, QStringLiteral("Y − Ŷ"));
    a.setzeLinienstil(Linienstil::Gestrichelt);
    linie(a, x.mmVon, y(0), x.mmBis, y(0));
    a.setzeLinienstil(Linienstil::Durchgezogen);
    for (const Residuum& p : r) a.kreis(x(p.x), y(p.rest()), 0.8, Farbe::Hellrot);
}

} // namespace tk
