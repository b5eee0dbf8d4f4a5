#include "calc/Meldungstext.h"

#include <cstdlib>

namespace tk {

namespace {
Meldungstext ausruf(std::string text, std::string titel, Knoepfe k = Knoepfe::OK) {
    return {std::move(text), std::move(titel), k, Symbol::Ausrufezeichen};
}
} // namespace

std::optional<Meldungstext> meldungFuer(const Fehler& f) {
    if (f.wurzelNegativ) return ausruf("Wurzel(-X) -> keine Lösung möglich  !!", "Achtung !!");
    switch (f.code) {
    case fehlercode::Keiner:
    case fehlercode::Abgebrochen:
        return std::nullopt;
    case fehlercode::LaufwerkNichtBereit:
        return ausruf("Legen Sie eine Diskette in das Laufwerk ein,"
                      " und schliessen Sie den Schacht",
                      "Fehler : Das Laufwerk ist nicht bereit !!", Knoepfe::WiederholenAbbrechen);
    case fehlercode::FalscherDateiname:
        // The fixed text alone does not say what is wrong with the name.
        return ausruf(" Dateiname oder -nummer falsch" +
                          (f.beschreibung.empty() ? "" : "\n\n" + f.beschreibung),
                      "Fehler !!");
    case fehlercode::DateiNichtGefunden:
        return ausruf(" Datei nicht gefunden ", "Fehler !!");
    case fehlercode::DateiBereitsGeoeffnet:
        return ausruf(" Datei bereits geöffnet ", "Fehler !!");
    case fehlercode::EinAusgabefehler:
        return ausruf(" Interner Laufwerkfehler ", "Fehler !!");
    case fehlercode::LaufwerkNichtVerfuegbar:
        return ausruf("Laufwerk oder Pfad nicht gefunden: ", "Fehler !!");
    case fehlercode::PfadNichtGefunden:
        return ausruf("Das Zielverzeichnis existiert nicht !", "Fehler !");
    case fehlercode::DatentraegerVoll:
        return ausruf("Es ist kein freier Speicherplatz auf dem Ziellaufwerk vorhanden !", "",
                      Knoepfe::WiederholenAbbrechen);
    case fehlercode::UngueltigesArgument:
        return ausruf("Negative Basis mit Zahl < 1 potenziert !! Zahlenpaare kontrollieren!",
                      "Fehler !!");
    case fehlercode::DateiFormat:
        // A data file that cannot be used: its description says what is wrong.
        return ausruf(f.beschreibung, "Fehler !!");
    default:
        break;
    }
    // The number is written with a sign position: a blank before a positive code.
    std::string text = "Unerwarteter Fehler Nr.: ";
    text += f.code < 0 ? '-' : ' ';
    text += std::to_string(std::abs(f.code));
    text += " wurde ausgelöst durch ";
    text += f.quelle;
    text += '\r';
    text += f.beschreibung;
    return Meldungstext{text, "Fehler", Knoepfe::OK, Symbol::Stop};
}

std::string meldungstext(const Fehler& f) {
    const auto m = meldungFuer(f);
    return m ? m->text : f.beschreibung;
}

Meldungstext meldungBetragNull() {
    return ausruf("Betrag muss grösser Null sein !!", "Betrag ändern");
}
Meldungstext meldungMinPaare() {
    return ausruf("Es müssen mindestens 4 Wertepaare eingegeben werden", "Betrag ändern");
}
Meldungstext meldungDruckerA4() {
    return ausruf("Richten Sie den Drucker auf Papierformat A4 ein !!", "Drucker-Problem");
}
Meldungstext meldungMaxAnzahl() {
    return {"Max. Anzahl = 21 : Bitte Eingabe korrigieren !!", "Achtung", Knoepfe::OK,
            Symbol::Keins};
}

} // namespace tk
