#pragma once
// A surface that draws nothing and records every primitive in user coordinates, with
// fixed text metrics, so that tests can check a chart's geometry instead of pixels.

#include "Ausgabe.h"

#include <vector>

namespace tk {

struct Aufzeichnung {
    enum class Art { Loeschen, Koordinaten, Punkt, Linie, Kreis, Text };
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
};

class AufzeichnungsAusgabe : public Ausgabe {
public:
    // A surface of the given size in millimetres.
    explicit AufzeichnungsAusgabe(double breiteMm = 250, double hoeheMm = 150);

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

    double breiteMm() const override { return breite_; }
    double hoeheMm() const override { return hoehe_; }
    void setzeKoordinaten(double links, double oben, double rechts, double unten) override;
    void koordinatenZuruecksetzen() override;
    void loeschen() override;
    void setzePosition(double x, double y) override;
    double positionX() const override { return x_; }
    double positionY() const override { return y_; }
    void punkt(double x, double y) override;
    void linieZu(double x, double y) override;
    void kreis(double x, double y, double radius, Farbe farbe) override;
    void setzeFarbe(Farbe farbe) override { farbe_ = farbe; }
    Farbe farbe() const override { return farbe_; }
    void setzeLinienbreite(int breite) override { breiteLinie_ = breite; }
    int linienbreite() const override { return breiteLinie_; }
    void setzeLinienstil(Linienstil stil) override { stil_ = stil; }
    Linienstil linienstil() const override { return stil_; }
    void setzeSchrift(const Schrift& schrift) override { schrift_ = schrift; }
    Schrift schrift() const override { return schrift_; }
    void drucke(const QString& text) override;
    double textBreite(const QString& text) const override;
    double textHoehe(const QString& text) const override;

private:
    // Records a primitive in the current colour, line and font.
    Aufzeichnung& aufzeichnen(Aufzeichnung::Art art, double x1 = 0, double y1 = 0, double x2 = 0,
                              double y2 = 0);

    double breite_, hoehe_;
    double x_ = 0, y_ = 0;
    Farbe farbe_ = Farbe::Schwarz;
    int breiteLinie_ = 1;
    Linienstil stil_ = Linienstil::Durchgezogen;
    Schrift schrift_;
};

} // namespace tk
