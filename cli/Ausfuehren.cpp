#include "Ausfuehren.h"

#include "Bericht.h"
#include "Json.h"
#include "Tabelle.h"

#include <ostream>

namespace tk::cli {

int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler) {
    constexpr const char* name = "trendkurve-cli: ";
    try {
        const Optionen opt = optionenLesen(argumente);
        if (opt.hilfe) {
            aus << Gebrauch;
            return 0;
        }
        const DateiArt art = artVon(opt.pfad);
        if (art == DateiArt::Unbekannt)
            throw Aufruffehler("Unbekannte Dateiart von \"" + opt.pfad +
                               "\": erwartet wird .rgr (Regression) oder .pro (Prognose).");
        Datensatz daten;
        try {
            daten = laden(opt.pfad);
        } catch (const Fehler& f) {
            fehler << name << "Die Datei \"" << sichtbar(opt.pfad)
                   << "\" ist nicht verwendbar: " << sichtbar(f.beschreibung) << "\n";
            return 2;
        }
        const Bericht b = berichtErstellen(opt.pfad, art, daten, opt);
        if (opt.json) {
            aus << alsJson(b);
        } else {
            aus << alsTabelle(b);
            fehler << fehlerZeilen(b);
        }
        if (!b.abfrageUnmoeglich.empty()) fehler << name << b.abfrageUnmoeglich << "\n";
        if (!b.hatErgebnis()) {
            fehler << name << "Es liess sich kein Ergebnis berechnen.\n";
            return 1;
        }
        return b.abfrageUnmoeglich.empty() ? 0 : 1;
    } catch (const Aufruffehler& e) {
        fehler << name << sichtbar(e.what()) << "\n" << Gebrauch;
        return 2;
    } catch (const Abfragefehler& e) {
        fehler << name << sichtbar(e.what()) << "\n";
        return 2;
    } catch (const Fehler& f) {
        fehler << name << sichtbar(meldungstext(f)) << "\n";
        return 2;
    }
}

} // namespace tk::cli
