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
        abgelehnt(feld, *h, feld == FeldProzent);
        return;
    }
    const auto& a = std::get<abfrage::Summenantwort>(e);
    if (feld == FeldXi) k_.grafik.Xi = a.X;
    if (feld != FeldXi) setzeFeld(FeldXi, Zahl(a.X));
    if (feld != FeldProzent) setzeFeld(FeldProzent, prozent(a.prozent));
    if (feld != FeldKi) setzeFeld(FeldKi, Zahl(a.K));
    summenGrenzen(a.K);
    zeigeExtrapolation(a.extrapolation);
    abfragepunktSetzen(a.X, a.K);
}

void Abfragepanel::verlassenRegression(int feld) {
    auto& g = k_.grafik;
    if (feld == FeldXi) {
        const auto a = abfrage::regressionFuerX(k_.zustand, wert(FeldXi));
        g.Xi = a.X;
        setzeFeld(FeldYi, Zahl(a.Y));
        zeigeExtrapolation(a.extrapolation);
        abfragepunktSetzen(a.X, a.Y);
    } else if (feld == FeldYi) {
        const auto a = abfrage::regressionFuerY(k_.zustand, wert(FeldYi));
        g.Yi = a.Y;
        setzeFeld(FeldXi, Zahl(a.X));
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
    setzeLabel(LblG1, Zahl(KGrenz1(k_.zustand, K)));
    setzeLabel(LblG2, Zahl(KGrenz2(k_.zustand, K)));
}

void Abfragepanel::verlassenSummenwerte(int feld) {
    const auto& z = k_.zustand;
    if (feld == FeldXi) // "unendlich" is the horizon 10^10
        summeZeigen(FeldXi, abfrage::summeFuerX(z, wert(FeldXi)));
    else if (feld == FeldProzent)
        summeZeigen(FeldProzent, abfrage::summeFuerProzent(z, wert(FeldProzent)));
    else
        summeZeigen(FeldKi, abfrage::summeFuerK(z, wert(FeldKi)));
}

void Abfragepanel::verlassenEinzelwerte(int feld) {
    auto& g = k_.grafik;
    if (feld == FeldGrenzwert) {
        grenzwertVerlassen();
        return;
    }
    // The value offered after a warning is taken as it stands, so that the fields,
    // the results, the chart and a stored query always show one band.
    const double XiVorher = g.Xi, YiVorher = g.Yi;
    if (feld == FeldXi) {
        abgelehnt(FeldXi, abfrage::bandanfangPruefen(wert(FeldXi), wert(FeldXid)));
        g.Xi = wert(FeldXi);
    } else {
        if (const auto h = abfrage::bandendePruefen(wert(FeldXi), wert(FeldXid))) {
            warnen(QString::fromStdString(h->text), QString::fromStdString(h->titel));
            setzeFeld(FeldXid, Zahl(h->ersatz));
        }
        g.Yi = wert(FeldXid);
    }
    einzelwerteErgebnisse();
    zeigeExtrapolation(abfrage::extrapoliert(k_.zustand, g.Xi) ||
                       abfrage::extrapoliert(k_.zustand, g.Yi));
    if ((g.Xi != XiVorher || g.Yi != YiVorher) && k_.neuZeichnen) k_.neuZeichnen();
}

// The top of the density axis must be a positive number.
void Abfragepanel::grenzwertVerlassen() {
    auto& g = k_.grafik;
    const double v = wert(FeldGrenzwert);
    if (abgelehnt(FeldGrenzwert, abfrage::grenzwertPruefen(
                                     v, g.GrenzwertFest ? g.PhiGrenze : DichteOben(k_.zustand))))
        return;
    g.PhiGrenze = v;
    grenzwertGetippt_ = true;
}

void Abfragepanel::einzelwerteErgebnisse() {
    const auto& z = k_.zustand;
    const auto& g = k_.grafik;
    const Bandwerte b = bandwerte(z, g.Xi, g.Yi);
    setzeLabel(LblKdx, Zahl(b.Kdx));
    setzeLabel(LblPhiI, Zahl(PhiWert(z, g.Xi).value_or(0)));
    setzeLabel(LblPhiId, Zahl(PhiWert(z, g.Yi).value_or(0)));
    setzeLabel(LblKdxG1, Zahl(b.KdxG1));
    setzeLabel(LblKdxG2, Zahl(b.KdxG2));
}

} // namespace tk
