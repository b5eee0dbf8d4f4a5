#include "queries/Abfragespeicher.h"

namespace tk {

Abfrageart abfrageartVon(const Programmzustand& zustand) {
    if (!zustand.ModusPrognostik) return Abfrageart::Regression;
    return zustand.GrafikFall == 1 ? Abfrageart::Summenwerte : Abfrageart::Einzelwerte;
}

int abfrageMaximum(Abfrageart art) {
    switch (art) {
    case Abfrageart::Regression:
        return 21;
    case Abfrageart::Summenwerte:
        return 10;
    case Abfrageart::Einzelwerte:
        return 7;
    }
    return 0;
}

int platzFuerAbfrage(GrafikZustand& grafik, Abfrageart art, Dialoge& dialoge) {
    const int maximum = abfrageMaximum(art);
    if (grafik.AnzAbfragen < maximum) return ++grafik.AnzAbfragen;

    const QString text = QStringLiteral("Beachte :  Mehr als ") + QString::number(maximum) +
                         QStringLiteral(" Abfragen nicht möglich !!!");
    const QString titel = QStringLiteral("Achtung : Mit >Ja< wird die zuletzt mit OK bestätigte ") +
                          QStringLiteral("Abfrage gültig und die Erste gelöscht!");
    if (dialoge.meldung(text, titel, Knoepfe::JaNein, Symbol::Frage) != Antwort::Ja) return 0;

    for (int k = 2; k <= grafik.AnzAbfragen; ++k) {
        grafik.AbfrageX[k - 1] = grafik.AbfrageX[k];
        grafik.AbfrageY[k - 1] = grafik.AbfrageY[k];
        if (art == Abfrageart::Summenwerte) grafik.AbfrageS[k - 1] = grafik.AbfrageS[k];
    }
    grafik.AnzAbfragen = maximum;
    return maximum;
}

} // namespace tk
