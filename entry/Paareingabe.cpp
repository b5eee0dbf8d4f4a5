#include "entry/Paareingabe.h"

#include "calc/Regression.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

constexpr int MaxPaare = 21;

// A count as the window keeps it: rounded to an integer, kept within what fits.
int ganzeAnzahl(double k) {
    if (!(k > -32768)) return -32768;
    if (k > 32767) return 32767;
    return static_cast<int>(std::nearbyint(k));
}

Meldungstext korrekturErstNachEnde() {
    return {"Eingabe-Korrektur erst nach Eingabe-Ende !", "Achtung", Knoepfe::OK,
            Symbol::Ausrufezeichen};
}

// The count checks of "Anzahl OK", also applied to a confirmed count being changed.
std::optional<Meldungstext> anzahlAbgelehnt(int n) {
    if (betragNullFehlt(n)) return meldungBetragNull();
    if (minPaareFehlt(n)) return meldungMinPaare();
    return std::nullopt;
}

} // namespace

void Paareingabe::leeren() {
    z_.initialisierenEingabe();
    z_.redimPaare(0, false);
    eingegeben_ = 0;
    korrekturIndex_ = 0;
    korrektur_ = false;
    xOffen_ = false;
    getippt_ = {};
    frage_ = Frage::Keine;
}

void Paareingabe::geladen() {
    z_.AnzahlOK = true;
    z_.WerteZuweisung();
    eingegeben_ = z_.AnzPaare;
    korrektur_ = false;
    xOffen_ = false;
    getippt_ = {};
}

Folge Paareingabe::paareSetzen(const std::vector<std::pair<double, double>>& paare) {
    const int n = static_cast<int>(paare.size());
    z_.redimPaare(n, false);
    z_.AnzPaare = n;
    for (int p = 1; p <= n; ++p) {
        z_.EingabeX(p) = paare[static_cast<std::size_t>(p - 1)].first;
        z_.EingabeY(p) = paare[static_cast<std::size_t>(p - 1)].second;
        Zusatz(z_, p);
    }
    geladen();
    return {.anzahlfeld = Folge::Anzahlfeld::Zahl,
            .ergebnisse = Folge::Ergebnisse::Veraltet,
            .speichernZeigen = true,
            .paarfelderZeigen = true,
            .anzeige = Folge::Anzeige::Naechstes,
            .fokus = Ziel::AlleOK};
}

Folge Paareingabe::anzahlVerlassen(std::optional<double> wert) {
    if (!wert) return {}; // an unchanged count changes nothing
    getippt_[Anzahl] = false;
    Folge f;
    if (*wert > MaxPaare) {
        f.meldung = meldungMaxAnzahl();
        f.anzahlfeld = Folge::Anzahlfeld::Leer;
        f.fokus = Ziel::Anzahl;
        return f;
    }
    const int n = ganzeAnzahl(*wert);
    if (!z_.AnzahlOK || n == z_.AnzPaare) {
        z_.AnzPaare = n;
        return f;
    }
    // A confirmed count changes only to a count "Anzahl OK" would accept, and when asked.
    f.meldung = anzahlAbgelehnt(n);
    if (f.meldung) {
        f.anzahlfeld = Folge::Anzahlfeld::Zahl;
        return f;
    }
    frage_ = Frage::Vergroessern;
    gefragt_ = n;
    f.frage = Meldungstext{"Wollen Sie die Anzahl wirklich vergrössern : Ja oder Nein ?", "Achtung",
                           Knoepfe::JaNein, Symbol::Frage};
    return f;
}

Folge Paareingabe::anzahlAendern(int n) {
    z_.redimPaare(n);
    z_.AnzPaare = n;
    // New pairs are entered one by one, starting after the last complete one.
    eingegeben_ = std::min(eingegeben_, n);
    korrektur_ = false;
    xOffen_ = false;
    z_.WerteZuweisung();
    felderGezeigt();
    Folge f;
    f.ergebnisse = Folge::Ergebnisse::Veraltet;
    f.speichernZeigen = true;
    f.anzeige = Folge::Anzeige::Naechstes;
    f.fokus = eingegeben_ < n ? Ziel::X : Ziel::AlleOK;
    return f;
}

Folge Paareingabe::anzahlBestaetigen(bool feldLeer) {
    Folge f;
    f.meldung = anzahlAbgelehnt(z_.AnzPaare);
    if (f.meldung) {
        f.fokus = Ziel::Anzahl;
        return f;
    }
    z_.redimPaare(z_.AnzPaare);
    f.paarfelderZeigen = true;
    f.speichernZeigen = z_.AnzahlOK; // pressed again on a confirmed count
    z_.AnzahlOK = true;
    if (!feldLeer) f.fokus = Ziel::X;
    return f;
}

Folge Paareingabe::paarfeldVerlassen(Zahlfeld feld, std::optional<double> wert, bool leer,
                                     bool paarVerlassen) {
    getippt_[feld] = false;
    if (korrektur_ || vollstaendig()) return korrigieren(feld, wert, paarVerlassen);
    return feld == WertX ? xEingabe(wert, leer) : yEingabe(wert);
}

Folge Paareingabe::korrigieren(Zahlfeld feld, std::optional<double> wert, bool paarVerlassen) {
    Folge f;
    const int p = korrektur_ ? korrekturIndex_ : 1; // the pair the labels name
    if (wert && p >= 1 && p <= z_.EingabeX.groesse()) {
        (feld == WertX ? z_.EingabeX(p) : z_.EingabeY(p)) = *wert;
        Zusatz(z_, p);
        z_.WerteZuweisung();
        f.ergebnisse = Folge::Ergebnisse::Veraltet;
        f.anzeige = Folge::Anzeige::Liste;
    }
    // Moving between X and Y keeps the pair open.
    if (paarVerlassen) {
        korrektur_ = false;
        felderGezeigt();
        f.anzeige = Folge::Anzeige::Naechstes;
    }
    return f;
}

Folge Paareingabe::xEingabe(std::optional<double> wert, bool leer) {
    const int p = eingegeben_ + 1;
    Folge f;
    if (wert && p <= z_.EingabeX.groesse()) {
        z_.EingabeX(p) = *wert;
        xOffen_ = true;
    } else if (leer) {
        xOffen_ = false;
        f.fokus = Ziel::X;
    }
    return f;
}

Folge Paareingabe::yEingabe(std::optional<double> wert) {
    const int p = eingegeben_ + 1;
    Folge f;
    if (!wert || !xOffen_ || p > z_.EingabeY.groesse()) {
        // The pair is complete only with both values; its X is asked for again.
        if (wert) getippt_[WertY] = true;
        f.fokus = Ziel::X;
        return f;
    }
    z_.EingabeY(p) = *wert;
    Zusatz(z_, p);
    eingegeben_ = p;
    xOffen_ = false;
    z_.WerteZuweisung();
    felderGezeigt();
    f.ergebnisse = Folge::Ergebnisse::Veraltet;
    f.anzeige = Folge::Anzeige::Naechstes;
    if (!vollstaendig()) {
        f.fokus = Ziel::X;
    } else {
        z_.AnzahlOK = true;
        f.speichernZeigen = true;
        f.fokus = Ziel::AlleOK;
    }
    return f;
}

Folge Paareingabe::korrekturWaehlen(int zeile) {
    if (!z_.AnzahlOK) return {};
    if (!vollstaendig()) return {.meldung = korrekturErstNachEnde()};
    const int k = zeile + 1;
    if (k < 1 || k > z_.EingabeX.groesse()) return {};
    korrektur_ = true;
    korrekturIndex_ = k;
    Zusatz(z_, k);
    felderGezeigt();
    return {.anzeige = Folge::Anzeige::Korrektur, .fokus = Ziel::X};
}

Folge Paareingabe::loeschenWaehlen(int zeile) {
    if (!z_.AnzahlOK) return {};
    if (!vollstaendig()) return {.meldung = korrekturErstNachEnde()};
    // A click just before opened the pair for correction; deleting ends that.
    korrektur_ = false;
    if (z_.AnzPaare <= 4) {
        felderGezeigt();
        return {.meldung = meldungMinPaare(), .anzeige = Folge::Anzeige::Naechstes};
    }
    frage_ = Frage::Loeschen;
    gefragt_ = zeile + 1;
    return {.frage = Meldungstext{"Wollen Sie diese Zeile wirklich löschen ??", "Achtung !!",
                                  Knoepfe::JaNein, Symbol::Frage}};
}

Folge Paareingabe::beantworten(bool ja) {
    switch (std::exchange(frage_, Frage::Keine)) {
    case Frage::Vergroessern:
        if (ja) return anzahlAendern(gefragt_);
        return {.anzahlfeld = Folge::Anzahlfeld::Zahl};
    case Frage::Loeschen:
        return loeschen(ja);
    case Frage::Keine:
        break;
    }
    return {};
}

Folge Paareingabe::loeschen(bool ja) {
    Folge f;
    if (ja) {
        const int c = z_.AnzPaare - 1;
        for (int j = gefragt_; j <= c; ++j) {
            z_.EingabeX(j) = z_.EingabeX(j + 1);
            z_.EingabeY(j) = z_.EingabeY(j + 1);
        }
        z_.redimPaare(c);
        z_.AnzPaare = c;
        eingegeben_ = c;
        korrekturIndex_ = c;
        xOffen_ = false;
        f.ergebnisse = Folge::Ergebnisse::Verborgen;
    }
    for (int j = 1; j <= z_.AnzPaare; ++j) Zusatz(z_, j);
    z_.WerteZuweisung();
    felderGezeigt();
    f.anzahlfeld = Folge::Anzahlfeld::Zahl;
    f.anzeige = Folge::Anzeige::Naechstes;
    return f;
}

std::optional<Meldungstext> Paareingabe::speichernVerweigert() const {
    if (z_.AnzahlOK && z_.AnzPaare > 0 && vollstaendig()) return std::nullopt;
    const int fehlen = z_.AnzPaare - eingegeben_;
    std::string text;
    if (!z_.AnzahlOK || z_.AnzPaare <= 0)
        text = "Es sind noch keine Wertepaare eingegeben.";
    else if (fehlen == 1)
        text = "Es fehlt noch 1 von " + std::to_string(z_.AnzPaare) + " Wertepaaren.";
    else
        text = "Es fehlen noch " + std::to_string(fehlen) + " von " + std::to_string(z_.AnzPaare) +
               " Wertepaaren.";
    return Meldungstext{text + "\nGespeichert wird erst der vollständige Datensatz.", "Speichern",
                        Knoepfe::OK, Symbol::Ausrufezeichen};
}

Paareingabe::Stand Paareingabe::stand() const {
    Stand s{z_.Bezeichnung, z_.AnzPaare, z_.AnzahlOK, eingegeben_, {}};
    const int n = std::min({eingegeben_, z_.AnzPaare, z_.EingabeX.groesse()});
    for (int p = 1; p <= n; ++p) s.paare.emplace_back(z_.EingabeX(p), z_.EingabeY(p));
    return s;
}

Folge Paareingabe::standAnwenden(const Stand& s) {
    z_.Bezeichnung = s.titel;
    z_.redimPaare(s.anzahl, false);
    z_.AnzPaare = s.anzahl;
    z_.AnzahlOK = s.anzahlOK;
    for (int p = 1; p <= static_cast<int>(s.paare.size()); ++p) {
        z_.EingabeX(p) = s.paare[static_cast<std::size_t>(p - 1)].first;
        z_.EingabeY(p) = s.paare[static_cast<std::size_t>(p - 1)].second;
        Zusatz(z_, p);
    }
    eingegeben_ = s.eingegeben;
    korrektur_ = false;
    xOffen_ = false;
    getippt_ = {};
    z_.WerteZuweisung();
    Folge f;
    f.anzahlfeld = s.anzahl > 0 ? Folge::Anzahlfeld::Zahl : Folge::Anzahlfeld::Leer;
    f.ergebnisse = Folge::Ergebnisse::Veraltet;
    f.anzeige = Folge::Anzeige::Naechstes;
    f.fokus = !s.anzahlOK ? Ziel::Anzahl : vollstaendig() ? Ziel::AlleOK : Ziel::X;
    return f;
}

} // namespace tk
