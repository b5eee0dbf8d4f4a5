#include "zeichnung/GrafikRahmen.h"

#include "zeichnung/ZeigGrafik.h"

#include "calc/Bestimmtheit.h"
#include "calc/Format.h"

#include <algorithm>

namespace tk::grafik {

Rahmen::Rahmen(Ausgabe& a, bool druck, double groesse) : a_(a), alt_(a.schrift()) {
    a_.setzeSchrift(Schrift{QStringLiteral("Arial"), groesse, false, false});
    if (!druck) a_.loeschen();
    a_.setzeLinienbreite(1);
    a_.setzeFarbe(Farbe::Schwarz);
    a_.setzeLinienstil(Linienstil::Durchgezogen);
}

Rahmen::~Rahmen() {
    a_.setzeFarbe(Farbe::Schwarz);
    a_.setzeLinienstil(Linienstil::Durchgezogen);
    a_.setzeLinienbreite(1);
    a_.koordinatenZuruecksetzen();
    a_.setzeSchrift(alt_);
}

void setzeRahmenKoordinaten(Ausgabe& a, double links, double m) {
    const double W = a.breiteMm();
    const double H = a.hoeheMm();
    a.setzeKoordinaten(links, H - m, links + W, -m);
}

void setzeFett(Ausgabe& a, bool fett) {
    Schrift s = a.schrift();
    s.fett = fett;
    a.setzeSchrift(s);
}

bool Zeilenbelegung::frei(double von, double bis) const {
    constexpr double luft = 1.0;
    return std::none_of(belegt_.begin(), belegt_.end(),
                        [&](const Bereich& b) { return von < b.bis + luft && bis > b.von - luft; });
}

double Achsbeschriftung::platziere(double von, double bis) {
    std::size_t k = 0;
    while (k < zeilen_.size() && !zeilen_[k].frei(von, bis)) ++k;
    if (k == zeilen_.size()) zeilen_.emplace_back();
    zeilen_[k].belege(von, bis);
    return oben_ - static_cast<double>(k) * zeile_;
}

double Achsbeschriftung::naechsteFreieZeile() const {
    return oben_ - static_cast<double>(zeilen_.size()) * zeile_;
}

std::vector<double> Tabelle::spaltenBreiten(const Ausgabe& a) const {
    std::vector<double> b(static_cast<std::size_t>(spalten), 0.0);
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        auto& s = b[i % b.size()];
        s = std::max(s, a.textBreite(zellen[i]));
    }
    return b;
}

double Tabelle::breite(const Ausgabe& a) const {
    const auto b = spaltenBreiten(a);
    double summe = 0;
    for (double s : b) summe += s;
    return summe + abstand * static_cast<double>(b.size() - 1);
}

double Tabelle::drucke(Ausgabe& a, double links, double oben, double zeile) const {
    const auto b = spaltenBreiten(a);
    double y = oben;
    double x = links;
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        const std::size_t s = i % b.size();
        if (s == 0 && i > 0) {
            y -= zeile;
            x = links;
        }
        if (!zellen[i].isEmpty()) TextBei(a, x, y, zellen[i]);
        x += b[s] + abstand;
    }
    return y - zeile;
}

} // namespace tk::grafik

namespace tk::grafik {

void zeichnePrognoseAchsen(Ausgabe& a, double x0, int achsBreite) {
    a.setzeFarbe(Farbe::Schwarz);
    a.setzeLinienbreite(achsBreite);
    Linie(a, x0 - 3, 0, x0 + 127, 0);
    a.setzeLinienbreite(1);
    Pfeil(a, x0 + 127, 0, pi, 1);
    a.setzeLinienbreite(achsBreite);
    Linie(a, x0, -2, x0, 75);
    a.setzeLinienbreite(1);
    Pfeil(a, x0, 75, pi / 2, -1);
}

bool Beschriftungen::nummerAmPunkt(Ausgabe& a, double x, double y, const QString& nummer) {
    const double w = a.textBreite(nummer), h = a.textHoehe(nummer);
    return drucke(a,
                  {{x - w / 2, y - 1.5},
                   {x + 1.2, y + h / 2},
                   {x - 1.2 - w, y + h / 2},
                   {x - w / 2, y + 1.5 + h}},
                  nummer);
}

bool Beschriftungen::drucke(Ausgabe& a, const std::vector<std::pair<double, double>>& orte,
                            const QString& t) {
    const double w = a.textBreite(t), h = a.textHoehe(t);
    for (const auto& [x, oben] : orte) {
        const Kasten k{x, oben - h, x + w, oben};
        const bool frei = std::none_of(belegt_.begin(), belegt_.end(), [&](const Kasten& b) {
            return k.links < b.rechts && b.links < k.rechts && k.unten < b.oben && b.unten < k.oben;
        });
        if (!frei) continue;
        belege(k);
        TextBei(a, x, oben, t);
        return true;
    }
    return false;
}

namespace {
// Places along an edge, one label width or height apart, starting at the anchor.
std::vector<std::pair<double, double>> entlang(double x, double y, double dx, double dy) {
    std::vector<std::pair<double, double>> orte;
    for (int k = 0; k < 8; ++k) orte.emplace_back(x + k * dx, y + k * dy);
    return orte;
}
} // namespace

void zeichneDatenpunkt(Ausgabe& a, double x, double y, double unten, double oben,
                       const QString& nummer, Beschriftungen& b) {
    const double w = a.textBreite(nummer), h = a.textHoehe(nummer);
    if (y >= unten && y <= oben) {
        Kreis(a, x, y, 0.75, Farbe::Schwarz);
        b.belege({x - 0.75, y - 0.75, x + 0.75, y + 0.75});
        if (!nummer.isEmpty()) b.nummerAmPunkt(a, x, y, nummer);
        return;
    }
    const double rand = y > oben ? oben : unten;
    Pfeil(a, x, rand, pi / 2, y > oben ? -0.5 : 0.5);
    const double mitte = y > oben ? rand - 0.75 : rand + 0.75;
    if (!nummer.isEmpty()) b.drucke(a, entlang(x + 0.8, mitte + h / 2, w + 0.8, 0), nummer);
}

void zeichnePunktSeitlich(Ausgabe& a, double rand, double y, bool links, const QString& nummer,
                          Beschriftungen& b) {
    Pfeil(a, rand, y, links ? 0 : pi, 0.5);
    if (nummer.isEmpty()) return;
    const double h = a.textHoehe(nummer);
    const double x = links ? rand + 2 : rand - 2 - a.textBreite(nummer);
    // Below the arrow at the top, above it elsewhere, so that a row stays on the chart.
    b.drucke(a, entlang(x, y + h / 2, 0, y > 35 ? -h : h), nummer);
}

double zeichneKurvenprobe(Ausgabe& a, const Kopfzeilen& k, const QString& name, int breite) {
    const double xText = k.x0 + 120 - a.textBreite(name);
    const double start = xText - 10;
    const double mitte = k.reihe - a.textHoehe(name) / 2;
    a.setzeFarbe(Farbe::Hellrot);
    a.setzeLinienbreite(breite);
    Linie(a, start, mitte, xText - 2, mitte);
    a.setzeLinienbreite(1);
    a.setzeFarbe(Farbe::Schwarz);
    TextBei(a, xText, k.reihe, name);
    return start;
}

void zeichneKopf(Ausgabe& a, const Kopfzeilen& k,
                 const std::vector<std::vector<Titelstueck>>& titel, double A, double B, double r,
                 const std::optional<double>& r2, double probeStart) {
    const double xTitel = k.x0 - 15;
    const double h = a.textHoehe(QStringLiteral("X"));
    double titelEnde = xTitel;
    for (std::size_t z = 0; z < titel.size(); ++z) {
        const double oben = k.reihe + static_cast<double>(z) * k.zeile;
        a.setzePosition(xTitel, oben);
        for (const auto& stueck : titel[z]) {
            a.setzePosition(a.positionX(), stueck.tiefer ? oben - h / 2 : oben);
            a.drucke(stueck.text);
        }
        titelEnde = std::max(titelEnde, a.positionX());
    }

    const QString labels[3] = {QStringLiteral("Konstantenterm A"),
                               QStringLiteral("Regressionskoeff. B"),
                               QStringLiteral("Korrelationskoeffizient")};
    const QString r_ = QStringLiteral("r ");
    QString werte[3] = {QStringLiteral("= ") + QString::fromStdString(Zahl(A)),
                        QStringLiteral("= ") + QString::fromStdString(Zahl(B)),
                        QStringLiteral("r = ") + QString::fromStdString(Zahl(r))};
    const std::string schwach = schwacheAnpassungText(r2);
    if (!schwach.empty()) werte[2] += QStringLiteral("   ") + QString::fromStdString(schwach);
    double labelBreite = 0;
    for (const auto& l : labels) labelBreite = std::max(labelBreite, a.textBreite(l));
    const double wertSpalte = labelBreite + 1.5 + a.textBreite(r_);
    double breite = 0;
    for (int i = 0; i < 3; ++i)
        breite = std::max(breite,
                          wertSpalte + a.textBreite(werte[i]) - (i == 2 ? a.textBreite(r_) : 0.0));

    double x = std::max(titelEnde + 4, k.x0 + 5);
    double untersteReihe = 0; // beside the title
    if (x + breite > probeStart - 3) {
        x = xTitel;
        untersteReihe = static_cast<double>(titel.size());
    }
    for (int i = 0; i < 3; ++i) {
        const double oben = k.reihe + (untersteReihe + 2 - i) * k.zeile;
        TextBei(a, x, oben, labels[i]);
        const double xw = x + wertSpalte - (i == 2 ? a.textBreite(r_) : 0.0);
        TextBei(a, xw, oben, werte[i]);
    }
}

} // namespace tk::grafik
