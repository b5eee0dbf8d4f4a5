#pragma once
// The pair entry of the input window without its widgets: the count, the pair being
// entered, correction and deletion of a pair from the list, and what leaving a field
// does. Each rule returns what the window shows next (message, question, focus), so
// the rules run without a screen. The pairs themselves live in the program state.

#include "calc/Meldungstext.h"
#include "calc/Zustand.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk {

// The three number fields of the input window (its control array Text1).
enum Zahlfeld : std::size_t { Anzahl, WertX, WertY };

// Where the focus goes once a rule has run.
enum class Ziel { Bleibt, Titel, Anzahl, X, AlleOK };

// What a rule changed, for the window to show.
struct Folge {
    std::optional<Meldungstext> meldung = std::nullopt; // shown with OK before anything else
    // Asked with Ja / Nein; the answer goes to Paareingabe::beantworten.
    std::optional<Meldungstext> frage = std::nullopt;
    enum class Anzahlfeld { Bleibt, Leer, Zahl } anzahlfeld = Anzahlfeld::Bleibt;
    // Results of an earlier run: kept, out of date ("Eingabe speichern" stays),
    // or hidden together with "Eingabe speichern".
    enum class Ergebnisse { Bleiben, Veraltet, Verborgen } ergebnisse = Ergebnisse::Bleiben;
    bool speichernZeigen = false;  // "Eingabe speichern" appears
    bool paarfelderZeigen = false; // the pair fields and the list appear
    // Bleibt; Liste rebuilt; Naechstes: list, labels and fields for the next pair (or
    // pair 1 once entry is complete); Korrektur: labels and fields of the chosen pair.
    enum class Anzeige { Bleibt, Liste, Naechstes, Korrektur } anzeige = Anzeige::Bleibt;
    Ziel fokus = Ziel::Bleibt;
    bool operator==(const Folge&) const = default;
};

class Paareingabe {
public:
    // What undo restores: the data set as far as it is entered.
    struct Stand {
        std::string titel;
        int anzahl = 0;
        bool anzahlOK = false;
        int eingegeben = 0;
        std::vector<std::pair<double, double>> paare;
        bool operator==(const Stand&) const = default;
    };

    explicit Paareingabe(Programmzustand& z) : z_(z) {}

    int eingegeben() const { return eingegeben_; }
    bool korrekturModus() const { return korrektur_; }
    int korrekturIndex() const { return korrekturIndex_; }
    // Entry is complete: every pair of the count has both values.
    bool vollstaendig() const { return eingegeben_ >= z_.AnzPaare; }
    // The pair the X and Y labels name while no correction is open.
    int naechstesPaar() const { return vollstaendig() ? 1 : eingegeben_ + 1; }

    // The user typed into a field since its value was last stored or shown.
    bool getippt(Zahlfeld f) const { return getippt_[f]; }
    void tippen(Zahlfeld f) { getippt_[f] = true; }

    // An empty data set, as the window starts.
    void leeren();
    // A data set just loaded into the state: every pair entered.
    void geladen();
    // Pairs from a table replace the data set.
    Folge paareSetzen(const std::vector<std::pair<double, double>>& paare);
    void korrekturBeenden() { korrektur_ = false; }

    // Leaving the count field with the number typed (nullopt: not typed).
    Folge anzahlVerlassen(std::optional<double> wert);
    // "Anzahl OK"; `feldLeer`: the count field holds nothing.
    Folge anzahlBestaetigen(bool feldLeer);
    // Leaving X or Y with the number typed (nullopt: not typed or empty); `leer`: the
    // field is empty; `paarVerlassen`: the focus went elsewhere than X or Y.
    Folge paarfeldVerlassen(Zahlfeld f, std::optional<double> wert, bool leer, bool paarVerlassen);
    // A click on list line `zeile` (from 0): opens that pair for correction.
    Folge korrekturWaehlen(int zeile);
    // A double-click on list line `zeile`: asks before the pair is deleted.
    Folge loeschenWaehlen(int zeile);
    // The answer to the question the last rule asked.
    Folge beantworten(bool ja);

    // Why the data set cannot be saved yet; nullopt when it can.
    std::optional<Meldungstext> speichernVerweigert() const;

    Stand stand() const;
    // Restores a state; the fields are then filled as for the next pair.
    Folge standAnwenden(const Stand& s);

private:
    Folge anzahlAendern(int n);
    Folge xEingabe(std::optional<double> wert, bool leer);
    Folge yEingabe(std::optional<double> wert);
    Folge korrigieren(Zahlfeld f, std::optional<double> wert, bool paarVerlassen);
    Folge loeschen(bool ja);
    void felderGezeigt() { getippt_[WertX] = getippt_[WertY] = false; }

    enum class Frage { Keine, Vergroessern, Loeschen };

    Programmzustand& z_;
    int eingegeben_ = 0;
    bool korrektur_ = false;
    int korrekturIndex_ = 0;
    // The X value of the next pair is stored and its Y is still missing.
    bool xOffen_ = false;
    std::array<bool, 3> getippt_{};
    Frage frage_ = Frage::Keine;
    int gefragt_ = 0; // the count or the pair the open question is about
};

} // namespace tk
