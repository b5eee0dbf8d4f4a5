#pragma once
// The output surface every chart routine draws on: a user coordinate system in
// millimetres with y growing upwards, a current position, lines, points, circles,
// colours, line width and style, fonts, and text printed from the current position
// to the right and downwards. Served by QPainterAusgabe (screen image, printer, SVG,
// PDF) and by the recording surface of the tests.

#include <QString>
#include <utility>
#include <vector>

namespace tk {

// Entries of the classic sixteen-colour palette that the charts use.
enum class Farbe { Schwarz = 0, Hellgrau = 7, Hellcyan = 11, Hellrot = 12 };
enum class Linienstil { Durchgezogen, Gestrichelt };

struct Schrift {
    QString name = QStringLiteral("Arial");
    double groesse = 8; // points
    bool fett = false;
    bool unterstrichen = false;
    bool operator==(const Schrift&) const = default;
};

class Ausgabe {
public:
    virtual ~Ausgabe() = default;

    // Size of the whole surface in millimetres.
    virtual double breiteMm() const = 0;
    virtual double hoeheMm() const = 0;

    // User coordinates of the surface's edges (millimetres, y up: oben > unten).
    virtual void setzeKoordinaten(double links, double oben, double rechts, double unten) = 0;
    // Back to the device default: origin top left, millimetres, y down.
    virtual void koordinatenZuruecksetzen() = 0;

    virtual void loeschen() = 0; // clears the surface (screen only)

    virtual void setzePosition(double x, double y) = 0;
    virtual double positionX() const = 0;
    virtual double positionY() const = 0;

    virtual void punkt(double x, double y) = 0;   // dot, becomes the current position
    virtual void linieZu(double x, double y) = 0; // line from the current position
    virtual void kreis(double x, double y, double radius, Farbe farbe) = 0; // outline
    // Fills a polygon with a pale tint of `farbe`, without an outline (shaded bands).
    virtual void flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) = 0;

    virtual void setzeFarbe(Farbe farbe) = 0;
    virtual Farbe farbe() const = 0;
    // Line width in drawing units of the classic toolkit: 1 is a hairline pixel on
    // screen; each unit is about 0.2 mm on paper.
    virtual void setzeLinienbreite(int breite) = 0;
    virtual int linienbreite() const = 0;
    virtual void setzeLinienstil(Linienstil stil) = 0;
    virtual Linienstil linienstil() const = 0;

    virtual void setzeSchrift(const Schrift& schrift) = 0;
    virtual Schrift schrift() const = 0;

    // Prints text with its top-left corner at the current position; afterwards the
    // current position is at the text's right end on the same line.
    virtual void drucke(const QString& text) = 0;
    // Extent of a text in the current font, in millimetres measured on the surface.
    virtual double textBreite(const QString& text) const = 0;
    virtual double textHoehe(const QString& text) const = 0;
};

} // namespace tk
