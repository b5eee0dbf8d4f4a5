#pragma once
// A surface that draws nothing and records every primitive in user coordinates, with
// fixed text metrics, so that tests can check a chart's geometry instead of pixels.

#include "zeichnung/Messflaeche.h"

#include <vector>

namespace tk {

struct Aufzeichnung {
    enum class Art { Loeschen, Koordinaten, Punkt, Linie, Kreis, Text, Flaeche };
    Art art = Art::Punkt;
    // point, line start, circle centre, text top left; left/top of user coordinates
    double x1 = 0, y1 = 0;
    double x2 = 0, y2 = 0; // line end; right/bottom of user coordinates
    double radius = 0;
    Farbe farbe = Farbe::Schwarz;
    int breite = 1;
    Linienstil stil = Linienstil::Durchgezogen;
    Schrift schrift;
    QString text;
    std::vector<std::pair<double, double>> polygon;
};

class AufzeichnungsAusgabe : public Messflaeche {
public:
    // A surface of the given size in millimetres.
    explicit AufzeichnungsAusgabe(double breiteMm = 250, double hoeheMm = 150)
        : Messflaeche(breiteMm, hoeheMm) {}

    // Fixed metrics: every character is 0.25 mm wide per point of font size, a line
    // is 0.5 mm high per point.
    static constexpr double zeichenBreiteJePunkt = 0.25;
    static constexpr double zeilenHoeheJePunkt = 0.5;

    std::vector<Aufzeichnung> eintraege;

    // Filters of the record.
    std::vector<Aufzeichnung> linien() const;
    std::vector<Aufzeichnung> kreise() const;
    // Texts exactly equal to `text`.
    std::vector<Aufzeichnung> texteMit(const QString& text) const;

    void setzeKoordinaten(double links, double oben, double rechts, double unten) override;
    void loeschen() override;
    void punkt(double x, double y) override;
    void linieZu(double x, double y) override;
    void kreis(double x, double y, double radius, Farbe farbe) override;
    void flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) override;
    void drucke(const QString& text) override;
    double textBreite(const QString& text) const override;
    double textHoehe(const QString& text) const override;

private:
    // Records a primitive in the current colour, line and font.
    Aufzeichnung& aufzeichnen(Aufzeichnung::Art art, double x1 = 0, double y1 = 0, double x2 = 0,
                              double y2 = 0);
};

} // namespace tk
