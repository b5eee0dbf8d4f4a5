#pragma once
// A surface that only keeps position, pen and font and draws nothing: the printout
// composes its page on it once before the printer is touched, so that a chart that
// fails leaves no half page behind. Text is measured with the metrics of the font.

#include "zeichnung/Ausgabe.h"

namespace tk {

class Messflaeche : public Ausgabe {
public:
    Messflaeche(double breiteMm, double hoeheMm) : breite_(breiteMm), hoehe_(hoeheMm) {}

    double breiteMm() const override { return breite_; }
    double hoeheMm() const override { return hoehe_; }
    void setzeKoordinaten(double, double, double, double) override {}
    void koordinatenZuruecksetzen() override {}
    void loeschen() override {}
    void setzePosition(double x, double y) override {
        x_ = x;
        y_ = y;
    }
    double positionX() const override { return x_; }
    double positionY() const override { return y_; }
    void punkt(double x, double y) override { setzePosition(x, y); }
    void linieZu(double x, double y) override { setzePosition(x, y); }
    void kreis(double, double, double, Farbe) override {}
    void flaeche(const std::vector<std::pair<double, double>>&, Farbe) override {}
    void setzeFarbe(Farbe farbe) override { farbe_ = farbe; }
    Farbe farbe() const override { return farbe_; }
    void setzeLinienbreite(int breite) override { linienbreite_ = breite; }
    int linienbreite() const override { return linienbreite_; }
    void setzeLinienstil(Linienstil stil) override { stil_ = stil; }
    Linienstil linienstil() const override { return stil_; }
    void setzeSchrift(const Schrift& schrift) override { schrift_ = schrift; }
    Schrift schrift() const override { return schrift_; }
    void drucke(const QString& text) override { x_ += textBreite(text); }
    double textBreite(const QString& text) const override;
    double textHoehe(const QString& text) const override;

private:
    double breite_, hoehe_;
    double x_ = 0, y_ = 0;
    Farbe farbe_ = Farbe::Schwarz;
    int linienbreite_ = 1;
    Linienstil stil_ = Linienstil::Durchgezogen;
    Schrift schrift_;
};

} // namespace tk
