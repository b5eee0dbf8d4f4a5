// SPDX-License-Identifier: GPL-3.0-or-later
#include "zeichnung/GrafikKQ.h"

#include "calc/Format.h"

namespace tk::grafik {

namespace {

constexpr int Schritte = 240;
using Probe = Legendeneintrag::Probe;

// One polygon (upper end forwards, lower end backwards) per run of X where the band
// can be computed.
struct Bandzug {
    std::vector<Punkt> oben, unten;
    void abschliessen(std::vector<std::vector<Punkt>>& flaechen) {
        if (oben.size() >= 2) {
            oben.insert(oben.end(), unten.rbegin(), unten.rend());
            flaechen.push_back(oben);
        }
        oben.clear();
        unten.clear();
    }
};

QString parameterText(const KQErgebnis& e) {
    std::string t;
    for (std::size_t k = 0; k < static_cast<std::size_t>(e.anzahl); ++k)
        t += std::string(k ? "   " : "") + parametername(e, k) + " = " + Zahl(e.p[k]) + " ± " +
             Zahl(e.se[k]);
    if (e.r2) t += "   R² = " + Zahl(*e.r2);
    return QString::fromStdString(t);
}

} // namespace

KQZeichnung kqZeichnung(const Programmzustand& z, double von, double bis, const QString& formel) {
    KQZeichnung k;
    k.kq = kqEntscheidend(z);
    if (!k.gezeichnet()) {
        const std::string grund = k.kq ? k.kq->fit.grund : "keine entscheidende Kurve";
        k.legende = {{Probe::Keine,
                      QString::fromStdString("Kleinste Quadrate: keine Lösung (" + grund + ")")}};
        return k;
    }
    const KQEntscheidend& kq = *k.kq;
    // Refined for the data's range of values, as the curve of the fit itself.
    k.kurve = abtasten(
        [&](double x) -> std::optional<double> {
            if (const auto b = kqBand(kq.kurve, kq.fit, x)) return b->y;
            return std::nullopt;
        },
        von, bis, erweitert(z.YMin, z.YMax), {}, Schritte);
    Bandzug mittel, vorhersage;
    for (int i = 0; i <= Schritte; ++i) {
        const double x = von + (bis - von) * i / Schritte;
        const auto b = kqBand(kq.kurve, kq.fit, x);
        if (!b) {
            mittel.abschliessen(k.mittel);
            vorhersage.abschliessen(k.vorhersage);
            continue;
        }
        mittel.oben.emplace_back(x, *b->mittel.oben);
        mittel.unten.emplace_back(x, *b->mittel.unten);
        vorhersage.oben.emplace_back(x, *b->vorhersage.oben);
        vorhersage.unten.emplace_back(x, *b->vorhersage.unten);
    }
    mittel.abschliessen(k.mittel);
    vorhersage.abschliessen(k.vorhersage);
    k.legende = {{Probe::Linie, QStringLiteral("Kleinste Quadrate: ") + formel},
                 {Probe::Keine, parameterText(kq.fit)},
                 {Probe::Flaeche, QStringLiteral("95 %-Vertrauensband der Kurve"), Farbe::Hellrot},
                 {Probe::Flaeche, QStringLiteral("95 %-Vorhersageband"), Farbe::Hellcyan}};
    return k;
}

void zeichneKQBaender(Ausgabe& a, const Diagramm& d, const KQZeichnung& k) {
    for (const auto& f : k.vorhersage) d.fuelle(a, f, Farbe::Hellcyan);
    for (const auto& f : k.mittel) d.fuelle(a, f, Farbe::Hellrot);
}

} // namespace tk::grafik
