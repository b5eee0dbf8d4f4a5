#include "AufzeichnungsAusgabe.h"

namespace tk {

AufzeichnungsAusgabe::AufzeichnungsAusgabe(double breiteMm, double hoeheMm)
    : breite_(breiteMm), hoehe_(hoeheMm) {
    koordinatenZuruecksetzen();
}

void AufzeichnungsAusgabe::setzeKoordinaten(double links, double oben, double rechts,
                                            double unten) {
    links_ = links;
    oben_ = oben;
    rechts_ = rechts;
    unten_ = unten;
    benutzer_ = true;
    auto a = neu(Aufzeichnung::Art::Koordinaten);
    a.x1 = links;
    a.y1 = oben;
    a.x2 = rechts;
    a.y2 = unten;
    eintraege.push_back(a);
}

void AufzeichnungsAusgabe::koordinatenZuruecksetzen() {
    links_ = 0;
    oben_ = 0;
    rechts_ = breite_;
    unten_ = hoehe_;
    benutzer_ = false;
}

Aufzeichnung AufzeichnungsAusgabe::neu(Aufzeichnung::Art art) const {
    Aufzeichnung a;
    a.art = art;
    a.farbe = farbe_;
    a.breite = breiteLinie_;
    a.stil = stil_;
    a.schrift = schrift_;
    return a;
}

void AufzeichnungsAusgabe::loeschen() {
    eintraege.push_back(neu(Aufzeichnung::Art::Loeschen));
    x_ = 0;
    y_ = 0;
}

void AufzeichnungsAusgabe::setzePosition(double x, double y) {
    x_ = x;
    y_ = y;
}

void AufzeichnungsAusgabe::punkt(double x, double y) {
    auto a = neu(Aufzeichnung::Art::Punkt);
    a.x1 = a.x2 = x;
    a.y1 = a.y2 = y;
    eintraege.push_back(a);
    setzePosition(x, y);
}

void AufzeichnungsAusgabe::linieZu(double x, double y) {
    auto a = neu(Aufzeichnung::Art::Linie);
    a.x1 = x_;
    a.y1 = y_;
    a.x2 = x;
    a.y2 = y;
    eintraege.push_back(a);
    setzePosition(x, y);
}

void AufzeichnungsAusgabe::kreis(double x, double y, double radius, Farbe farbe) {
    auto a = neu(Aufzeichnung::Art::Kreis);
    a.x1 = x;
    a.y1 = y;
    a.radius = radius;
    a.farbe = farbe;
    eintraege.push_back(a);
}

void AufzeichnungsAusgabe::drucke(const QString& text) {
    auto a = neu(Aufzeichnung::Art::Text);
    a.x1 = x_;
    a.y1 = y_;
    a.text = text;
    eintraege.push_back(a);
    x_ += textBreite(text);
}

double AufzeichnungsAusgabe::textBreite(const QString& text) const {
    return static_cast<double>(text.size()) * zeichenBreiteJePunkt * schrift_.groesse;
}

double AufzeichnungsAusgabe::textHoehe(const QString&) const {
    return zeilenHoeheJePunkt * schrift_.groesse;
}

namespace {
template <typename Bedingung>
std::vector<Aufzeichnung> filtere(const std::vector<Aufzeichnung>& alle, Bedingung b) {
    std::vector<Aufzeichnung> r;
    for (const auto& a : alle)
        if (b(a)) r.push_back(a);
    return r;
}
} // namespace

std::vector<Aufzeichnung> AufzeichnungsAusgabe::linien() const {
    return filtere(eintraege, [](const auto& a) { return a.art == Aufzeichnung::Art::Linie; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::kreise() const {
    return filtere(eintraege, [](const auto& a) { return a.art == Aufzeichnung::Art::Kreis; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::texte() const {
    return filtere(eintraege, [](const auto& a) { return a.art == Aufzeichnung::Art::Text; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::koordinaten() const {
    return filtere(eintraege,
                   [](const auto& a) { return a.art == Aufzeichnung::Art::Koordinaten; });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::texteMit(const QString& text) const {
    return filtere(eintraege, [&](const auto& a) {
        return a.art == Aufzeichnung::Art::Text && a.text == text;
    });
}
std::vector<Aufzeichnung> AufzeichnungsAusgabe::texteAb(const QString& anfang) const {
    return filtere(eintraege, [&](const auto& a) {
        return a.art == Aufzeichnung::Art::Text && a.text.startsWith(anfang);
    });
}

} // namespace tk
