#pragma once
// The German message for an error record or a failed check, as plain data, so that
// the windows and the command-line companion say the same words.

#include "calc/Fehler.h"

#include <optional>
#include <string>

namespace tk {

enum class Knoepfe { OK, JaNein, JaNeinAbbrechen, WiederholenAbbrechen };
enum class Symbol { Keins, Ausrufezeichen, Frage, Stop };

struct Meldungstext {
    std::string text;
    std::string titel;
    Knoepfe knoepfe = Knoepfe::OK;
    Symbol symbol = Symbol::Keins;
    bool operator==(const Meldungstext&) const = default;
};

// Message for an error record; nullopt for code 0 and the dialog-cancel code 32755.
std::optional<Meldungstext> meldungFuer(const Fehler& f);
// The text the message box shows for f, or its description where it shows none.
std::string meldungstext(const Fehler& f);

// Messages of the single-value checks.
Meldungstext meldungBetragNull(); // "Betrag muss grösser Null sein !!"
Meldungstext meldungMinPaare();   // "Es müssen mindestens 4 Wertepaare eingegeben werden"
Meldungstext meldungDruckerA4();  // "Richten Sie den Drucker auf Papierformat A4 ein !!"
Meldungstext meldungMaxAnzahl();  // "Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"

// The checks themselves: true when the value fails.
inline bool betragNullFehlt(double wert) {
    return wert <= 0;
}
inline bool minPaareFehlt(double wert) {
    return wert < 4;
}
inline bool druckerA4Fehlt(double abweichung) {
    return abweichung < -50 || abweichung > 50;
}

} // namespace tk
