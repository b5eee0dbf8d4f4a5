#pragma once
// What every chart routine does around its own drawing, and the text-layout helpers
// the charts share.

#include "zeichnung/Ausgabe.h"

#include <QString>
#include <optional>
#include <vector>

namespace tk::grafik {

inline constexpr double pi = 3.14159265358979323846;

// Bottom margin of the density chart on screen: room below the X axis for the
// marker and band labels and the two lines of the results block.
inline constexpr double RandUntenDichteBildschirm = 24;

// Remembers the surface's font, selects "Arial" at `groesse` points and, on the screen,
// clears the surface. On destruction (also when the chart throws) the surface is left
// black, solid, width 1, in its default coordinates and with the remembered font.
class Rahmen {
public:
    Rahmen(Ausgabe& a, bool druck, double groesse);
    ~Rahmen();
    Rahmen(const Rahmen&) = delete;
    Rahmen& operator=(const Rahmen&) = delete;

private:
    Ausgabe& a_;
    Schrift alt_;
};

// Sets the user coordinates: the left edge at x = `links`, the lower edge at y = -m,
// the surface's own size in millimetres, y up.
void setzeRahmenKoordinaten(Ausgabe& a, double links, double m);

void setzeFett(Ausgabe& a, bool fett);

// Axes of the prognosis charts: X axis from x0 - 3 to x0 + 127 at y = 0, ordinate
// from y = -2 to 75 at x0, each with its arrowhead.
void zeichnePrognoseAchsen(Ausgabe& a, double x0, int achsBreite);

// The rows above the prognosis charts: the ordinate title on the left, the curve
// parameters beside it and the sample of the curve on the right.
struct Kopfzeilen {
    double x0;    // the ordinate
    double reihe; // top of the lowest row
    double zeile; // row pitch
};
// One piece of the ordinate title; `tiefer` lowers it by half a line (an index).
struct Titelstueck {
    QString text;
    bool tiefer = false;
};
// Prints the ordinate title (its lines listed from the bottom up) from x0 - 15 and the
// parameter legend A, B, r beside it, or above it when the row would run into the
// curve sample starting at `probeStart`. A weak fit (R² in the data's units below 0.5)
// is said beside r.
void zeichneKopf(Ausgabe& a, const Kopfzeilen& k,
                 const std::vector<std::vector<Titelstueck>>& titel, double A, double B, double r,
                 const std::optional<double>& r2, double probeStart);
// Sample of the curve (a short line in its colour and width) and its name, ending at
// x0 + 120 on the lowest row. Returns where the sample starts.
double zeichneKurvenprobe(Ausgabe& a, const Kopfzeilen& k, const QString& name, int breite);

// Where the labels of one chart went (millimetres, y up): a new one takes the first of
// a few places near its anchor that overlaps none placed before, and is left out where
// every place would.
class Beschriftungen {
public:
    struct Kasten {
        double links, unten, rechts, oben;
    };
    void belege(const Kasten& k) { belegt_.push_back(k); }
    // Prints t with its top-left corner at the first free place of `orte`; false when
    // none was free.
    bool drucke(Ausgabe& a, const std::vector<std::pair<double, double>>& orte, const QString& t);
    // A point's number at (x, y): under it, else right, left or above it.
    bool nummerAmPunkt(Ausgabe& a, double x, double y, const QString& nummer);

private:
    std::vector<Kasten> belegt_;
};

// A data point: a circle of radius 0.75 with its number (empty: none) centred under
// it. A point above `oben` or below `unten` is marked instead on that edge of the frame
// by a small arrowhead pointing away, its number beside it, so that nothing is drawn
// off the chart. Its number keeps clear of the labels in `b`: beside or above the
// point, or, on an edge, moved along it.
void zeichneDatenpunkt(Ausgabe& a, double x, double y, double unten, double oben,
                       const QString& nummer, Beschriftungen& b);
// A data point left or right of the frame: an arrowhead at that edge (`rand`, at height
// y), pointing away, its number beside it on the inside.
void zeichnePunktSeitlich(Ausgabe& a, double rand, double y, bool links, const QString& nummer,
                          Beschriftungen& b);

// Horizontal extents of texts already placed on one line, to keep labels apart.
class Zeilenbelegung {
public:
    bool frei(double von, double bis) const;
    void belege(double von, double bis) { belegt_.push_back({von, bis}); }

private:
    struct Bereich {
        double von, bis;
    };
    std::vector<Bereich> belegt_;
};

// Labels under an axis: each goes to the first line below the axis where it does not
// touch a label placed before.
class Achsbeschriftung {
public:
    // `oben`: top of the first line; `zeile`: line pitch.
    Achsbeschriftung(double oben, double zeile) : oben_(oben), zeile_(zeile) {}
    // Finds a line for the extent [von, bis], reserves it and returns the line's top.
    double platziere(double von, double bis);
    // Top of the first line below every line used so far.
    double naechsteFreieZeile() const;

private:
    double oben_, zeile_;
    std::vector<Zeilenbelegung> zeilen_;
};

// A block of texts in columns: cells in row-major order, an empty text leaves its cell
// free. Returns the width the block takes.
struct Tabelle {
    std::vector<QString> zellen;
    int spalten = 1;
    double abstand = 3; // between columns, mm

    double breite(const Ausgabe& a) const;
    // Prints with the top of the first row at `oben`; returns the top of the next row.
    double drucke(Ausgabe& a, double links, double oben, double zeile) const;

private:
    std::vector<double> spaltenBreiten(const Ausgabe& a) const;
};

} // namespace tk::grafik
