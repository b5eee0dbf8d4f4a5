#include "cli/Optionen.h"

#include <cstdio>

namespace tk::cli {

const char* const Gebrauch =
    "Aufruf: trendkurve-cli [--json] [--csv] [--modus M] [--x WERT] [--y WERT] [--prozent P]\n"
    "                       [--k WERT] DATEI ...\n"
    "  DATEI          Datendatei: .rgr (Regression) oder .pro (Prognose); - für die\n"
    "                 Standardeingabe. Mehrere Dateien werden parallel gerechnet.\n"
    "  --json         Ergebnis als JSON (eine Zeile je Datei) statt als Tabelle\n"
    "  --ausgabe A    tabelle, json, csv (; und Dezimalkomma) oder csv-punkt (, und .):\n"
    "                 bei CSV eine Zeile je Ergebnis, mit Kopfzeile\n"
    "  --csv          Zwei Spalten X und Y, getrennt durch ; Tab oder Komma, Dezimal-\n"
    "                 zeichen . oder , (nicht bei Komma als Trenner), Kopfzeile erlaubt\n"
    "  --modus M      regression oder prognose: die Art für CSV und Standardeingabe\n"
    "  -j N           N Dateien zugleich rechnen (Vorgabe: die nutzbaren Prozessoren)\n"
    "  --             Ende der Optionen: alles Weitere sind Dateien\n"
    "  --serien       die Eingaben enthalten viele Reihen: JSON Lines mit je einer Reihe\n"
    "                 {\"id\", \"mode\", \"x\", \"y\"} oder eine Tabelle mit Kopfzeile id;x;y\n"
    "                 (mode wahlweise), eine Zeile je Paar; je Reihe eine JSON-Zeile\n"
    "  --dateien-aus LISTE  die Dateien stehen zeilenweise in LISTE (- für die\n"
    "                 Standardeingabe)\n"
    "  --spalten X,Y  bei --csv: die Nummern der Spalten mit X und Y (Tabelle mit mehr\n"
    "                 als zwei Spalten)\n"
    "  --x WERT       Regression: Y zum Wert X; Prognose (Fall Summenwerte): K zum Wert X\n"
    "                 (\"unendlich\" steht für den 100%-Punkt)\n"
    "  --y WERT       Regression: X zum Wert Y\n"
    "  --prozent P    Prognose: X und K zum Anteil P % von KMax (1 bis 100)\n"
    "  --k WERT       Prognose: X und Anteil zum Wert K\n"
    "  --version      Version anzeigen\n"
    "Die Abfrageoptionen dürfen mehrfach stehen: jeder Wert gibt eine Antwort.\n"
    "Exit-Status: 0 jede Datei gab ein Ergebnis, 1 nicht jede, 2 eine unbrauchbare Datei\n"
    "oder Angabe, 3 die Ausgabe ließ sich nicht schreiben.\n";

namespace {

// The query panel's 100 % point, written as a word (surrounding blanks ignored).
bool istUnendlich(std::string t) {
    t.erase(0, t.find_first_not_of(' '));
    t.erase(t.find_last_not_of(' ') + 1);
    for (auto& c : t)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return t == "UNENDLICH";
}

double zahlFuer(const std::string& option, const std::string& text) {
    const auto wert = zahlAusText(text);
    if (!wert) throw Aufruffehler("Ungültige Zahl für " + option + ": \"" + text + "\"");
    return *wert;
}

// "1,3": two column numbers.
std::pair<int, int> spaltenFuer(const std::string& text) {
    int x = 0, y = 0;
    char trenner = 0, rest = 0;
    if (std::sscanf(text.c_str(), "%3d%c%3d%c", &x, &trenner, &y, &rest) != 3 || trenner != ',' ||
        x < 1 || y < 1)
        throw Aufruffehler("--spalten erwartet zwei Spaltennummern wie 1,3, nicht \"" + text +
                           "\".");
    return {x, y};
}

} // namespace

Optionen optionenLesen(const std::vector<std::string>& argumente) {
    Optionen opt;
    for (std::size_t i = 0; i < argumente.size(); ++i) {
        std::string arg = argumente[i];
        std::optional<std::string> wert;
        if (arg.rfind("--", 0) == 0) {
            if (const auto gleich = arg.find('='); gleich != std::string::npos) {
                wert = arg.substr(gleich + 1);
                arg.erase(gleich);
            }
        }
        const auto brauchtWert = [&]() -> std::string {
            if (wert) return *wert;
            if (i + 1 >= argumente.size())
                throw Aufruffehler("Der Option " + arg + " fehlt ihr Wert.");
            return argumente[++i];
        };
        const auto einmal = [&](bool schonDa) {
            if (schonDa) throw Aufruffehler("Die Option " + arg + " ist mehrfach angegeben.");
        };
        if (arg == "--json") {
            opt.json = true;
        } else if (arg == "--help" || arg == "-h") {
            opt.hilfe = true;
        } else if (arg == "--version") {
            opt.version = true;
        } else if (arg == "--csv") {
            opt.csv = true;
        } else if (arg == "--modus") {
            einmal(opt.modus.has_value());
            const std::string m = brauchtWert();
            if (m != "regression" && m != "prognose")
                throw Aufruffehler("--modus erwartet regression oder prognose, nicht \"" + m +
                                   "\".");
            opt.modus = m == "prognose" ? DateiArt::Prognose : DateiArt::Regression;
        } else if (arg == "--") {
            opt.pfade.insert(opt.pfade.end(), argumente.begin() + static_cast<long>(i) + 1,
                             argumente.end());
            break;
        } else if (arg == "-j" || arg == "--jobs") {
            einmal(opt.jobs.has_value());
            const std::string t = brauchtWert();
            const auto n = zahlAusText(t);
            if (!n || *n < 1 || *n > 1024 || *n != static_cast<unsigned>(*n))
                throw Aufruffehler(arg + " erwartet eine Anzahl von 1 bis 1024, nicht \"" + t +
                                   "\".");
            opt.jobs = static_cast<unsigned>(*n);
        } else if (arg == "--serien") {
            opt.serien = true;
        } else if (arg == "--ausgabe") {
            einmal(opt.csvPunkt.has_value());
            const std::string a = brauchtWert();
            if (a != "csv" && a != "csv-punkt" && a != "json" && a != "tabelle")
                throw Aufruffehler(
                    "--ausgabe erwartet tabelle, json, csv oder csv-punkt, nicht \"" + a + "\".");
            if (a == "json") opt.json = true;
            if (a.starts_with("csv")) opt.csvPunkt = a == "csv-punkt";
        } else if (arg == "--dateien-aus") {
            einmal(opt.dateienAus.has_value());
            opt.dateienAus = brauchtWert();
        } else if (arg == "--spalten") {
            einmal(opt.spalten.has_value());
            opt.spalten = spaltenFuer(brauchtWert());
        } else if (arg == "--x") {
            const std::string t = brauchtWert();
            if (!istUnendlich(t)) zahlFuer(arg, t);
            opt.x.push_back(t);
        } else if (arg == "--y") {
            opt.y.push_back(zahlFuer(arg, brauchtWert()));
        } else if (arg == "--prozent") {
            opt.prozent.push_back(zahlFuer(arg, brauchtWert()));
        } else if (arg == "--k") {
            opt.k.push_back(zahlFuer(arg, brauchtWert()));
        } else if (arg.size() > 1 && arg[0] == '-' && !zahlAusText(arg)) {
            throw Aufruffehler("Unbekannte Option: " + arg);
        } else {
            opt.pfade.push_back(arg);
        }
    }
    if (!opt.hilfe && !opt.version && opt.pfade.empty() && !opt.dateienAus)
        throw Aufruffehler("Keine Datei angegeben.");
    return opt;
}

} // namespace tk::cli
