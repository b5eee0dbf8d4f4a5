#include "zeichnung/Diagramm.h"

#include <algorithm>
#include <cmath>

namespace tk::grafik {

namespace {

// Values far off the chart are held at this distance, so that cutting a segment at
// the frame never meets an infinite difference.
constexpr double fern = 1e5;

QString text(double wert, const Achsenteilung& t) {
    return QString::fromStdString(markenText(wert, t));
}

double breitesterWert(const Ausgabe& a, const Achsenteilung& t) {
    double b = 0;
    for (double m : t.marken) b = std::max(b, a.textBreite(text(m, t)));
    return b;
}

// Cuts the segment p-q to the rectangle (Liang-Barsky); false when nothing is left.
bool schneide(Punkt& p, Punkt& q, const Rechteck& r) {
    const double dx = q.first - p.first, dy = q.second - p.second;
    const double richtung[4] = {-dx, dx, -dy, dy};
    const double abstand[4] = {p.first - r.links, r.rechts - p.first, p.second - r.unten,
                               r.oben - p.second};
    double t0 = 0, t1 = 1;
    for (int k = 0; k < 4; ++k) {
        if (richtung[k] == 0) {
            if (abstand[k] < 0) return false;
            continue;
        }
        const double t = abstand[k] / richtung[k];
        if (richtung[k] < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
    }
    if (t0 > t1) return false;
    const Punkt start = p;
    p = {start.first + t0 * dx, start.second + t0 * dy};
    q = {start.first + t1 * dx, start.second + t1 * dy};
    return true;
}

} // namespace

void strecke(Ausgabe& a, double x1, double y1, double x2, double y2) {
    a.setzePosition(x1, y1);
    a.linieZu(x2, y2);
}

void textBei(Ausgabe& a, double x, double oben, const QString& t) {
    a.setzePosition(x, oben);
    a.drucke(t);
}

Diagramm::Diagramm(const Ausgabe& a, const Rechteck& b, std::pair<double, double> x,
                   std::pair<double, double> y) {
    const double h = a.textHoehe(QStringLiteral("0"));
    rahmen_.oben = b.oben - h - 1;
    rahmen_.unten = b.unten + 2 * h + 2.5;
    const int zielY = std::clamp(static_cast<int>((rahmen_.oben - rahmen_.unten) / 12), 2, 8);
    ty_ = achsenteilung(y.first, y.second, zielY);
    rahmen_.links = b.links + breitesterWert(a, ty_) + 2.5;
    for (int ziel = std::clamp(static_cast<int>((b.rechts - rahmen_.links) / 20), 2, 10);; --ziel) {
        tx_ = achsenteilung(x.first, x.second, ziel);
        const double halbeLetzte = a.textBreite(text(tx_.marken.back(), tx_)) / 2;
        rahmen_.rechts = b.rechts - std::max(1.0, halbeLetzte);
        const double teilung =
            (rahmen_.rechts - rahmen_.links) / static_cast<double>(tx_.marken.size() - 1);
        if (breitesterWert(a, tx_) + 2 <= teilung || ziel <= 2) break;
    }
}

double Diagramm::x(double wert) const {
    const double mm =
        rahmen_.links + (wert - tx_.von) / (tx_.bis - tx_.von) * (rahmen_.rechts - rahmen_.links);
    return std::clamp(mm, -fern, fern);
}

double Diagramm::y(double wert) const {
    const double mm =
        rahmen_.unten + (wert - ty_.von) / (ty_.bis - ty_.von) * (rahmen_.oben - rahmen_.unten);
    return std::clamp(mm, -fern, fern);
}

bool Diagramm::enthaelt(double x, double y) const {
    return x >= tx_.von && x <= tx_.bis && y >= ty_.von && y <= ty_.bis;
}

void Diagramm::zeichneAchsen(Ausgabe& a, const QString& titelX, const QString& titelY) const {
    const Rechteck& r = rahmen_;
    const double h = a.textHoehe(QStringLiteral("0"));
    a.setzeLinienbreite(1);
    a.setzeLinienstil(Linienstil::Durchgezogen);
    a.setzeFarbe(Farbe::Hellgrau);
    for (double m : tx_.marken) strecke(a, x(m), r.unten, x(m), r.oben);
    for (double m : ty_.marken) strecke(a, r.links, y(m), r.rechts, y(m));
    a.setzeFarbe(Farbe::Schwarz);
    strecke(a, r.links, r.unten, r.rechts, r.unten);
    a.linieZu(r.rechts, r.oben);
    a.linieZu(r.links, r.oben);
    a.linieZu(r.links, r.unten);
    for (double m : tx_.marken) {
        const QString t = text(m, tx_);
        strecke(a, x(m), r.unten, x(m), r.unten - 1);
        textBei(a, x(m) - a.textBreite(t) / 2, r.unten - 1.5, t);
    }
    for (double m : ty_.marken) {
        const QString t = text(m, ty_);
        strecke(a, r.links, y(m), r.links - 1, y(m));
        // The lowest value stands on the axis, clear of the first value under it.
        const double oben = m == ty_.marken.front() ? y(m) + h : y(m) + h / 2;
        textBei(a, r.links - 1.5 - a.textBreite(t), oben, t);
    }
    const QString x = titelX + QString::fromStdString(exponentTitel(gemeinsamerExponent(tx_)));
    const QString y = titelY + QString::fromStdString(exponentTitel(gemeinsamerExponent(ty_)));
    textBei(a, (r.links + r.rechts - a.textBreite(x)) / 2, r.unten - 2 - h, x);
    textBei(a, r.links, r.oben + h + 0.5, y);
}

void Diagramm::zeichneLinie(Ausgabe& a, const std::vector<Punkt>& punkte) const {
    for (std::size_t i = 1; i < punkte.size(); ++i) {
        Punkt p{x(punkte[i - 1].first), y(punkte[i - 1].second)};
        Punkt q{x(punkte[i].first), y(punkte[i].second)};
        if (schneide(p, q, rahmen_)) strecke(a, p.first, p.second, q.first, q.second);
    }
}

void Diagramm::zeichneVerlauf(Ausgabe& a, const Verlauf& v) const {
    for (const auto& stueck : v.stuecke) zeichneLinie(a, stueck);
}

void Diagramm::fuelle(Ausgabe& a, const std::vector<Punkt>& polygon, Farbe farbe) const {
    // The shaded shapes run from left to right between two curves, so holding each
    // corner inside the frame cuts them at its edges.
    std::vector<Punkt> mm;
    for (const auto& [px, py] : polygon)
        mm.emplace_back(std::clamp(x(px), rahmen_.links, rahmen_.rechts),
                        std::clamp(y(py), rahmen_.unten, rahmen_.oben));
    if (mm.size() >= 3) a.flaeche(mm, farbe);
}

double zeichneLegende(Ausgabe& a, const Rechteck& b, const std::vector<Legendeneintrag>& e,
                      int linienBreite) {
    const double h = a.textHoehe(QStringLiteral("0"));
    constexpr double probe = 8, luft = 1.5, abstand = 5;
    double x = b.links, oben = b.oben;
    for (const auto& eintrag : e) {
        const double probeBreite =
            eintrag.probe == Legendeneintrag::Probe::Keine ? 0 : probe + luft;
        const double breite = probeBreite + a.textBreite(eintrag.text);
        if (x > b.links && x + breite > b.rechts) {
            x = b.links;
            oben -= h + 0.5;
        }
        const double mitte = oben - h / 2;
        a.setzeFarbe(Farbe::Hellrot);
        a.setzeLinienbreite(linienBreite);
        switch (eintrag.probe) {
        case Legendeneintrag::Probe::Linie:
            strecke(a, x, mitte, x + probe, mitte);
            break;
        case Legendeneintrag::Probe::Gestrichelt:
            a.setzeFarbe(Farbe::Schwarz);
            a.setzeLinienbreite(1);
            a.setzeLinienstil(Linienstil::Gestrichelt);
            strecke(a, x, mitte, x + probe, mitte);
            a.setzeLinienstil(Linienstil::Durchgezogen);
            break;
        case Legendeneintrag::Probe::Flaeche:
            a.flaeche({{x, mitte - h / 3},
                       {x + probe, mitte - h / 3},
                       {x + probe, mitte + h / 3},
                       {x, mitte + h / 3}},
                      eintrag.flaeche);
            break;
        case Legendeneintrag::Probe::Keine:
            break;
        }
        a.setzeFarbe(Farbe::Schwarz);
        a.setzeLinienbreite(1);
        textBei(a, x + probeBreite, oben, eintrag.text);
        x += breite + abstand;
    }
    return oben - h - 1;
}

} // namespace tk::grafik
