#pragma once
// What the three charts in the data's own units share: their place on the surface,
// the data points, the query marks and the legend texts.

#include "calc/Zustand.h"
#include "zeichnung/Ausgabe.h"
#include "zeichnung/Diagramm.h"
#include "zeichnung/GrafikRahmen.h"
#include "zeichnung/GrafikZustand.h"

#include <QString>
#include <functional>
#include <optional>

namespace tk::grafik {

// Sets plain millimetres with y up and returns the area the chart fills: the surface
// on screen, on the page the place between the headings where the other charts go.
Rechteck originalBereich(Ausgabe& a, bool druck);

// Lowest and highest of the values taken.
struct Spanne {
    double min = 0, max = 0;
    bool leer = true;
    void nimm(double v);
    void nimm(const std::optional<double>& v) {
        if (v) nimm(*v);
    }
    // Widened by 5 % for room around the curve, but not across zero: values that
    // start at 0 keep their axis there.
    std::pair<double, double> mitRand() const;
};

// The labels inside the chart keep off its frame, and so off the values at its ticks.
Beschriftungen imRahmen(const Diagramm& d);
// The data points as circles, numbered when asked; a number goes where it is clear of
// the labels in b.
void zeichnePunkte(Ausgabe& a, const Diagramm& d, const Programmzustand& z, bool nummern,
                   Beschriftungen& b);
// Stored query number `nr` as a cross at p, named "A1", "A2", ... as in the printout's
// list, the name clear of the labels in b; left out off the chart.
void zeichneGespeicherteAbfrage(Ausgabe& a, const Diagramm& d, Punkt p, int nr, Beschriftungen& b);

// The queries a chart marks: the stored ones that `gilt` accepts (by number) and the
// current one (number 0).
struct Abfragemarke {
    int nr;
    Punkt p;
};
std::vector<Abfragemarke> abfragemarken(const GrafikZustand& g,
                                        const std::function<bool(int)>& gilt);
// [xmin, xmax] reaching out to the marks' X, as far as ten widths of the data: a query
// beyond the data shows where the curve leads.
std::pair<double, double> mitAbfragen(double xmin, double xmax,
                                      const std::vector<Abfragemarke>& marken);
// The current query as a ring with dashed lines to both axes, where its values can be
// read; the stored ones as numbered crosses.
void zeichneAbfragemarken(Ausgabe& a, const Diagramm& d, const std::vector<Abfragemarke>& marken,
                          Beschriftungen& b);

// "A = …   B = …   r = …" of the decisive fit.
QString koeffizienten(const Programmzustand& z);

} // namespace tk::grafik
