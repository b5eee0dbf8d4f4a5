#pragma once
// A surface over another one that moves everything drawn up by `versatz` millimetres,
// while the chart on it still lays itself out for `hoeheMm` (the height it was made
// for): an exported chart loses the white band above it and gains room for a title
// line. It also notes the highest point anything was drawn at.

#include "zeichnung/Ausgabe.h"

#include <limits>

namespace tk {

class Versatzflaeche : public Ausgabe {
public:
    Versatzflaeche(Ausgabe& innen, double hoeheMm, double versatz)
        : innen_(innen), hoehe_(hoeheMm), versatz_(versatz) {
        koordinatenZuruecksetzen();
    }

    // Millimetres from the top of the `hoeheMm` high surface to the highest thing drawn
    // (texts count with their full line); infinity while nothing was drawn.
    double oberkante() const { return oberkante_; }

    double breiteMm() const override { return innen_.breiteMm(); }
    double hoeheMm() const override { return hoehe_; }
    void setzeKoordinaten(double links, double oben, double rechts, double unten) override;
    void koordinatenZuruecksetzen() override { setzeKoordinaten(0, 0, breiteMm(), hoehe_); }
    void loeschen() override { innen_.loeschen(); }
    void setzePosition(double x, double y) override { innen_.setzePosition(x, y); }
    double positionX() const override { return innen_.positionX(); }
    double positionY() const override { return innen_.positionY(); }
    void punkt(double x, double y) override;
    void linieZu(double x, double y) override;
    void kreis(double x, double y, double radius, Farbe farbe) override;
    void flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) override;
    void setzeFarbe(Farbe farbe) override { innen_.setzeFarbe(farbe); }
    Farbe farbe() const override { return innen_.farbe(); }
    void setzeLinienbreite(int breite) override { innen_.setzeLinienbreite(breite); }
    int linienbreite() const override { return innen_.linienbreite(); }
    void setzeLinienstil(Linienstil stil) override { innen_.setzeLinienstil(stil); }
    Linienstil linienstil() const override { return innen_.linienstil(); }
    void setzeSchrift(const Schrift& schrift) override { innen_.setzeSchrift(schrift); }
    Schrift schrift() const override { return innen_.schrift(); }
    void drucke(const QString& text) override;
    double textBreite(const QString& text) const override { return innen_.textBreite(text); }
    double textHoehe(const QString& text) const override { return innen_.textHoehe(text); }

private:
    void merke(double y); // user y

    Ausgabe& innen_;
    double hoehe_, versatz_;
    double oben_ = 0, unten_ = 1; // the user coordinates of the top and bottom edge
    double oberkante_ = std::numeric_limits<double>::infinity();
};

} // namespace tk
