#pragma once
// A chart in the data's own units: a frame with nice ticks and their values, a light
// grid and the axis titles inside an area of the surface. Data are mapped onto it and
// cut at its frame. The surface's user coordinates must be plain millimetres, y up.

#include "calc/Achsenteilung.h"
#include "calc/Kurvenverlauf.h"
#include "zeichnung/Ausgabe.h"

#include <QString>
#include <utility>
#include <vector>

namespace tk::grafik {

struct Rechteck {
    double links = 0, unten = 0, rechts = 0, oben = 0;
};

// One entry of a legend: a sample of how it is drawn, then its text.
struct Legendeneintrag {
    enum class Probe { Keine, Linie, Gestrichelt, Flaeche };
    Probe probe = Probe::Keine;
    QString text;
    Farbe flaeche = Farbe::Hellrot; // of a Flaeche sample
};

// Prints the entries rightwards from the top left of `bereich`, starting a new row
// where one does not fit; a line sample is drawn in light red, `linienBreite` wide.
// Returns the top of the first free row below.
double zeichneLegende(Ausgabe& a, const Rechteck& bereich, const std::vector<Legendeneintrag>& e,
                      int linienBreite);

class Diagramm {
public:
    // Fits frame, values and titles into `bereich`; the axes cover the ranges x and y,
    // rounded out to nice ticks, as many as fit without their values touching.
    Diagramm(const Ausgabe& a, const Rechteck& bereich, std::pair<double, double> x,
             std::pair<double, double> y);

    // Millimetres of a data value.
    double x(double wert) const;
    double y(double wert) const;
    const Rechteck& rahmen() const { return rahmen_; }
    const Achsenteilung& teilungX() const { return tx_; }
    const Achsenteilung& teilungY() const { return ty_; }
    bool enthaelt(double x, double y) const; // data units

    // Grid, frame, ticks with their values and the axis titles, in black and grey.
    void zeichneAchsen(Ausgabe& a, const QString& titelX, const QString& titelY) const;
    // A polyline in data units, cut at the frame, in the surface's pen.
    void zeichneLinie(Ausgabe& a, const std::vector<Punkt>& punkte) const;
    void zeichneVerlauf(Ausgabe& a, const Verlauf& v) const;
    // A shaded polygon in data units, held inside the frame.
    void fuelle(Ausgabe& a, const std::vector<Punkt>& polygon, Farbe farbe) const;

private:
    Achsenteilung tx_, ty_;
    Rechteck rahmen_;
};

// Segment from (x1, y1) to (x2, y2), without a dot at its start.
void strecke(Ausgabe& a, double x1, double y1, double x2, double y2);
// Text with its top-left corner at (x, oben).
void textBei(Ausgabe& a, double x, double oben, const QString& t);

} // namespace tk::grafik
