#include "tests/support/AufzeichnungsAusgabe.h"

#include <algorithm>

namespace tk {

Aufzeichnung& AufzeichnungsAusgabe::aufzeichnen(Aufzeichnung::Art art, double x1, double y1,
                                                double x2, double y2) {
    Aufzeichnung a;
    a.art = art;
    a.x1 = x1, a.y1 = y1, a.x2 = x2, a.y2 = y2;
    a.farbe = farbe();
    a.breite = linienbreite();
    a.stil = linienstil();
    a.schrift = schrift();
    return eintraege.emplace_back(a);
}

void AufzeichnungsAusgabe::setzeKoordinaten(double links, double oben, double rechts,
                                            double unten) {
    aufzeichnen(Aufzeichnung::Art::Koordinaten, links, oben, rechts, unten);
}

void AufzeichnungsAusgabe::loeschen() {
    aufzeichnen(Aufzeichnung::Art::Loeschen);
    setzePosition(0, 0);
}

void AufzeichnungsAusgabe::punkt(double x, double y) {
    aufzeichnen(Aufzeichnung::Art::Punkt, x, y, x, y);
    setzePosition(x, y);
}

void AufzeichnungsAusgabe::linieZu(double x, double y) {
    aufzeichnen(Aufzeichnung::Art::Linie, positionX(), positionY(), x, y);
    setzePosition(x, y);
}

void AufzeichnungsAusgabe::kreis(double x, double y, double radius, Farbe farbe) {
    auto& a = aufzeichnen(Aufzeichnung::Art::Kreis, x, y);
    a.radius = radius;
    a.farbe = farbe;
}

void AufzeichnungsAusgabe::flaeche(const std::vector<std::pair<double, double>>& polygon,
                                   Farbe farbe) {
    auto& a = aufzeichnen(Aufzeichnung::Art::Flaeche);
    a.polygon = polygon;
    a.farbe = farbe;
}

void AufzeichnungsAusgabe::drucke(const QString& text) {
    aufzeichnen(Aufzeichnung::Art::Text, positionX(), positionY()).text = text;
    setzePosition(positionX() + textBreite(text), positionY());
}

double AufzeichnungsAusgabe::textBreite(const QString& text) const {
    return static_cast<double>(text.size()) * zeichenBreiteJePunkt * schrift().groesse;
}

double AufzeichnungsAusgabe::textHoehe(const QString&) const {
    return zeilenHoeheJePunkt * schrift().groesse;
}

namespace {
template <typename Bedingung>
std::vector<Aufzeichnung> filtere(const std::vector<Aufzeichnung>& alle, Bedingung b) {
    std::vector<Aufzeichnung> r;
    std::copy_if(alle.begin(), alle.end(), std::back_inserter(r), b);
    return r;
}
} // namespace

std::vector<Aufzeichnung> AufzeichnungsAusgabe::linien() const {
    return filtere(eintraege, [](const auto& a) { return a.art == Aufzeichnung::Art::Linie; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::kreise() const {
    return filtere(eintraege, [](const auto& a) { return a.art == Aufzeichnung::Art::Kreis; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::texteMit(const QString& text) const {
    return filtere(eintraege, [&](const auto& a) {
        return a.art == Aufzeichnung::Art::Text && a.text == text;
    });
}

} // namespace tk
