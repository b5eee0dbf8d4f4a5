#include "calc/Zustand.h"

namespace tk {

void Reihe1::redim(int n, bool behalten) {
    const std::size_t groesse = static_cast<std::size_t>(n < 0 ? 0 : n) + 1;
    if (!behalten)
        werte_.assign(groesse, 0.0);
    else
        werte_.resize(groesse, 0.0);
}

void Programmzustand::redimPaare(int n, bool behalten) {
    EingabeX.redim(n, behalten);
    EingabeY.redim(n, behalten);
    XWert.redim(n, behalten);
    YWert.redim(n, behalten);
}

void Programmzustand::WerteZuweisung() {
    XWert.redim(AnzPaare);
    YWert.redim(AnzPaare);
    for (int j = 1; j <= AnzPaare && j <= EingabeX.groesse(); ++j) {
        XWert(j) = EingabeX(j);
        YWert(j) = EingabeY(j);
    }
}

void Programmzustand::ergebnisLoeschen() {
    KorrR = KonstA = KoeffB = 0;
    KMax = WertXs = 0;
    KurvenTyp = 0;
    R2Daten.reset();
}

void Programmzustand::fitUebernehmen(const Programmzustand& lauf) {
    ModellNr = lauf.ModellNr;
    RMax = lauf.RMax;
    KorrR = lauf.KorrR;
    KonstA = lauf.KonstA;
    KoeffB = lauf.KoeffB;
    KMax = lauf.KMax;
    WertXs = lauf.WertXs;
    KurvenTyp = lauf.KurvenTyp;
    R2Daten = lauf.R2Daten;
}

void Programmzustand::initialisierenStart() {
    AnzahlOK = false;
    AnzPaare = 0;
    Kennzahl = 0;
    KorrR = KonstA = KoeffB = WertXs = 0;
    XMin = XMax = YMin = YMax = 0;
    RMax = 0;
    // A new start forgets the old data set entirely, so that nothing of it can be
    // saved under the other mode's file name.
    ModellNr = 0;
    KMax = 0;
    KurvenTyp = 0;
    R2Daten.reset();
    Bezeichnung.clear();
    DateiName.clear();
    redimPaare(0, false);
    GrafikFall = 1;
}

void Programmzustand::initialisierenEingabe() {
    AnzPaare = 0;
    XMin = XMax = YMin = YMax = 0;
    RMax = 0;
    ModellNr = 0;
    KorrR = KonstA = KoeffB = WertXs = 0;
    KMax = 0;
    R2Daten.reset();
    Kennzahl = 1;
}

} // namespace tk
