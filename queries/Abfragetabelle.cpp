#include "queries/Abfragetabelle.h"

#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Bewacht.h"
#include "queries/Abfragespeicher.h"

namespace tk {

Abfragetabelle abfragetabelle(const Programmzustand& z, const GrafikZustand& g) {
    Abfragetabelle t;
    const Abfrageart art = abfrageartVon(z);
    switch (art) {
    case Abfrageart::Regression:
        t.kopf = {"Nr.", "X", "Y"};
        break;
    case Abfrageart::Summenwerte:
        t.kopf = {"Nr.", "Summen%", "X(i)", "Ki", "KiG1/95", "KiG2/95"};
        break;
    case Abfrageart::Einzelwerte:
        t.kopf = {"Nr.", "X(i)", "X(i+d)", "K(dx)", "KdxG1/95", "KdxG2/95"};
        break;
    }
    for (int k = 1; k <= g.AnzAbfragen; ++k) {
        const auto i = static_cast<std::size_t>(k);
        const double x = g.AbfrageX[i], y = g.AbfrageY[i];
        const auto versuch = [](auto f) { return bewacht::versuch(f); };
        t.extrapolation.push_back(
            abfrage::gespeichertExtrapoliert(z, x, y, i < g.AbfrageS.size() ? g.AbfrageS[i] : 0));
        switch (art) {
        case Abfrageart::Regression:
            t.zeilen.push_back({k, x, y});
            break;
        case Abfrageart::Summenwerte:
            t.zeilen.push_back({k, g.AbfrageS[i], x, y, versuch([&] { return KGrenz1(z, y); }),
                                versuch([&] { return KGrenz2(z, y); })});
            break;
        case Abfrageart::Einzelwerte: {
            std::optional<Bandwerte> b;
            try {
                b = bandwerte(z, x, y);
            } catch (const Fehler&) {
            }
            if (b)
                t.zeilen.push_back({k, x, y, b->Kdx, b->KdxG1, b->KdxG2});
            else
                t.zeilen.push_back({k, x, y, {}, {}, {}});
            break;
        }
        }
    }
    return t;
}

} // namespace tk
