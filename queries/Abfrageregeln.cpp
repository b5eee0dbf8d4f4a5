// What leaving a query field does, for each chart.
#include "queries/Abfragepanel.h"

#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"

#include <QLabel>
#include <QLineEdit>
#include <cmath>

namespace tk {

namespace {
std::string prozent(double v) {
    return " " + formatFest(v, 3);
}
} // namespace

bool Abfragepanel::abgelehnt(int feld, const std::optional<abfrage::Hinweis>& h, bool anteil) {
    if (!h) return false;
    warnen(QString::fromStdString(h->text), QString::fromStdString(h->titel));
    setzeFeld(feld, anteil ? prozent(h->ersatz) : Zahl(h->ersatz));
    fokusZurueck(feld);
    return true;
}

void Abfragepanel::summeZeigen(int feld, const abfrage::Summenergebnis& e) {
    if (const auto* h = std::get_if<abfrage::Hinweis>(&e)) {
        abgelehnt(feld, *h, feld == 1);
        return;
    }
    const auto& a = std::get<abfrage::Summenantwort>(e);
    if (feld == 0) k_.grafik.Xi = a.X;
    if (feld != 0) setzeFeld(0, Zahl(a.X));
    if (feld != 1) setzeFeld(1, prozent(a.prozent));
    if (feld != 2) setzeFeld(2, Zahl(a.K));
    summenGrenzen(a.K);
    zeigeExtrapolation(a.extrapolation);
    abfragepunktSetzen(a.X, a.K);
}

void Abfragepanel::verlassenRegression(int feld) {
    auto& g = k_.grafik;
    if (feld == 0) {
        const auto a = abfrage::regressionFuerX(k_.zustand, wert(0));
        g.Xi = a.X;
        setzeFeld(1, Zahl(a.Y));
        zeigeExtrapolation(a.extrapolation);
        abfragepunktSetzen(a.X, a.Y);
    } else if (feld == 1) {
        const auto a = abfrage::regressionFuerY(k_.zustand, wert(1));
        g.Yi = a.Y;
        setzeFeld(0, Zahl(a.X));
        zeigeExtrapolation(a.extrapolation);
        abfragepunktSetzen(a.X, a.Y);
    }
}

// The chart in the data's own units marks the query on its curve.
void Abfragepanel::abfragepunktSetzen(double x, double y) {
    auto& g = k_.grafik;
    g.Abfragepunkt = {x, y};
    if (g.Originalmassstab && k_.neuZeichnen) k_.neuZeichnen();
}

void Abfragepanel::summenGrenzen(double K) {
    eigeneGrenzen_ = true;
    setzeLabel(6, Zahl(KGrenz1(k_.zustand, K)));
    setzeLabel(8, Zahl(KGrenz2(k_.zustand, K)));
}

void Abfragepanel::verlassenSummenwerte(int feld) {
    const auto& z = k_.zustand;
    if (feld == 0)
        summeZeigen(0, abfrage::summeFuerX(z, wert(0))); // "unendlich" is the horizon 10^10
    else if (feld == 1)
        summeZeigen(1, abfrage::summeFuerProzent(z, wert(1)));
    else
        summeZeigen(2, abfrage::summeFuerK(z, wert(2)));
}

void Abfragepanel::verlassenEinzelwerte(int feld) {
    auto& g = k_.grafik;
    if (feld == 2) {
        grenzwertVerlassen();
        return;
    }
    // The value offered after a warning is taken as it stands, so that the fields,
    // the results, the chart and a stored query always show one band.
    const double XiVorher = g.Xi, YiVorher = g.Yi;
    if (feld == 0) {
        abgelehnt(0, abfrage::bandanfangPruefen(wert(0), wert(1)));
        g.Xi = wert(0);
    } else {
        if (const auto h = abfrage::bandendePruefen(wert(0), wert(1))) {
            warnen(QString::fromStdString(h->text), QString::fromStdString(h->titel));
            setzeFeld(1, Zahl(h->ersatz));
        }
        g.Yi = wert(1);
    }
    einzelwerteErgebnisse();
    zeigeExtrapolation(abfrage::extrapoliert(k_.zustand, g.Xi) ||
                       abfrage::extrapoliert(k_.zustand, g.Yi));
    if ((g.Xi != XiVorher || g.Yi != YiVorher) && k_.neuZeichnen) k_.neuZeichnen();
}

// The top of the density axis must be a positive number.
void Abfragepanel::grenzwertVerlassen() {
    auto& g = k_.grafik;
    const double v = wert(2);
    if (abgelehnt(2, abfrage::grenzwertPruefen(v, g.GrenzwertFest ? g.PhiGrenze
                                                                  : DichteOben(k_.zustand))))
        return;
    g.PhiGrenze = v;
    grenzwertGetippt_ = true;
}

void Abfragepanel::einzelwerteErgebnisse() {
    const auto& z = k_.zustand;
    const auto& g = k_.grafik;
    const Bandwerte b = bandwerte(z, g.Xi, g.Yi);
    setzeLabel(4, Zahl(b.Kdx));
    setzeLabel(11, Zahl(PhiWert(z, g.Xi).value_or(0)));
    setzeLabel(12, Zahl(PhiWert(z, g.Yi).value_or(0)));
    setzeLabel(13, Zahl(b.KdxG1));
    setzeLabel(15, Zahl(b.KdxG2));
}

} // namespace tk
