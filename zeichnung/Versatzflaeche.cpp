#include "zeichnung/Versatzflaeche.h"

#include <algorithm>

namespace tk {

void Versatzflaeche::setzeKoordinaten(double links, double oben, double rechts, double unten) {
    oben_ = oben;
    unten_ = unten;
    // The same millimetres per unit, the inner surface's top lying `versatz` further down.
    const double jeMm = (oben - unten) / hoehe_;
    const double innenOben = oben - versatz_ * jeMm;
    innen_.setzeKoordinaten(links, innenOben, rechts, innenOben - innen_.hoeheMm() * jeMm);
}

void Versatzflaeche::merke(double y) {
    oberkante_ = std::min(oberkante_, (oben_ - y) / (oben_ - unten_) * hoehe_);
}

void Versatzflaeche::punkt(double x, double y) {
    merke(y);
    innen_.punkt(x, y);
}

void Versatzflaeche::linieZu(double x, double y) {
    merke(positionY());
    merke(y);
    innen_.linieZu(x, y);
}

void Versatzflaeche::kreis(double x, double y, double radius, Farbe farbe) {
    merke(y + (oben_ > unten_ ? radius : -radius));
    innen_.kreis(x, y, radius, farbe);
}

void Versatzflaeche::flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) {
    for (const auto& p : polygon) merke(p.second);
    innen_.flaeche(polygon, farbe);
}

void Versatzflaeche::drucke(const QString& text) {
    merke(positionY()); // texts hang from the current position
    innen_.drucke(text);
}

} // namespace tk
