#include "cli/Ausfuehren.h"

#include "bericht/Bericht.h"
#include "bericht/CsvBericht.h"
#include "bericht/Json.h"
#include "bericht/Tabelle.h"
#include "calc/Meldungstext.h"
#include "cli/Csv.h"
#include "cli/Optionen.h"
#include "cli/Serien.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <istream>
#include <iterator>
#include <mutex>
#include <ostream>
#include <sched.h>
#include <sstream>
#include <thread>

namespace tk::cli {

using namespace bericht;

namespace {

constexpr const char* name = "trendkurve-cli: ";

struct Ausgabe {
    int status = 0;
    std::string aus, fehler;
};

// Reading stops just past the limit: an endless input (/dev/zero) cannot fill memory.
std::string alles(std::istream& ein) {
    std::string text;
    char stueck[1 << 16];
    while (text.size() <= MaxTabellenBytes) {
        ein.read(stueck, sizeof stueck);
        text.append(stueck, static_cast<std::size_t>(ein.gcount()));
        if (!ein) break;
    }
    return text;
}

std::string dateiInhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    std::string text = alles(ein);
    if (!ein.good() && !ein.eof())
        throw Fehler(fehlercode::EinAusgabefehler, "Datei lesen",
                     "Die Datei ist nicht lesbar: " + std::string(std::strerror(errno)));
    return text;
}

Datensatz datenLesen(const std::string& pfad, const Optionen& opt,
                     const std::string& standardText) {
    // A pipe, /dev/stdin or <(...) is read once, like standard input.
    namespace fs = std::filesystem;
    const bool strom = pfad != "-" && (fs::is_fifo(pfad) || fs::is_character_file(pfad));
    if (strom) {
        const std::string text = dateiInhalt(pfad);
        if (opt.csv) return csvLesen(text, fs::path(pfad).stem().string(), opt.spalten);
        std::istringstream ein(text);
        return lesen(ein);
    }
    const bool standard = pfad == "-";
    if (opt.csv) {
        if (!standard && !std::filesystem::is_regular_file(pfad)) return laden(pfad); // its message
        const std::string text = standard ? standardText : dateiInhalt(pfad);
        return csvLesen(text,
                        standard ? "Standardeingabe" : std::filesystem::path(pfad).stem().string(),
                        opt.spalten);
    }
    if (!standard) return laden(pfad);
    std::istringstream ein(standardText);
    return lesen(ein);
}

// Lines of one input's messages name it when there are several inputs.
std::string mitDateiname(const std::string& zeilen, const std::string& pfad) {
    std::string t;
    std::istringstream ein(zeilen);
    for (std::string z; std::getline(ein, z);)
        t +=
            (z.starts_with(name) ? name + sichtbar(pfad) + ": " + z.substr(std::strlen(name)) : z) +
            "\n";
    return t;
}

// In JSON and CSV every input gives its line, also one that could not be used.
std::string fehlerZeile(const Optionen& opt, const std::string& pfad, int code,
                        const std::string& text) {
    if (opt.json) return fehlerAlsJson(pfad, code, text);
    if (opt.csvPunkt) return fehlerAlsCsv(pfad, text, *opt.csvPunkt);
    return "";
}

Ausgabe rechnen(const std::string& pfad, const Optionen& opt, const std::string& standardText) {
    Ausgabe a;
    std::ostringstream fehler;
    try {
        DateiArt art = artVon(pfad);
        if (art == DateiArt::Unbekannt || opt.csv) art = opt.modus.value_or(art);
        if (art == DateiArt::Unbekannt)
            throw Aufruffehler("Unbekannte Dateiart von \"" + sichtbar(pfad) +
                               "\": erwartet wird .rgr (Regression) oder .pro (Prognose), "
                               "sonst --modus regression oder --modus prognose.");
        Datensatz daten;
        try {
            daten = datenLesen(pfad, opt, standardText);
        } catch (const Fehler& f) {
            fehler << name << "Die Datei \"" << sichtbar(pfad)
                   << "\" ist nicht verwendbar: " << sichtbar(f.beschreibung) << "\n";
            return {2, fehlerZeile(opt, pfad, f.code, f.beschreibung), fehler.str()};
        }
        const Bericht b = berichtErstellen(pfad, art, daten, opt);
        if (opt.json) {
            a.aus = alsJson(b, pfad);
        } else if (opt.csvPunkt) {
            a.aus = alsCsvZeilen(b, pfad, *opt.csvPunkt);
            fehler << fehlerZeilen(b);
        } else {
            a.aus = alsTabelle(b);
            fehler << fehlerZeilen(b);
        }
        if (!b.abfrageUnmoeglich.empty()) fehler << name << b.abfrageUnmoeglich << "\n";
        if (!b.hatErgebnis()) fehler << name << "Es liess sich kein Ergebnis berechnen.\n";
        a.status = b.hatErgebnis() && b.abfrageUnmoeglich.empty() ? 0 : 1;
    } catch (const Fehler& f) {
        fehler << name << sichtbar(meldungstext(f)) << "\n";
        a = {2, fehlerZeile(opt, pfad, f.code, meldungstext(f)), ""};
    } catch (const std::runtime_error& e) { // Aufruffehler, Abfragefehler
        fehler << name << sichtbar(e.what()) << "\n";
        a = {2, fehlerZeile(opt, pfad, fehlercode::UngueltigesArgument, e.what()), ""};
    }
    a.fehler = fehler.str();
    return a;
}

// The CPUs this process may run on (taskset, container limits), at least one.
std::size_t nutzbareProzessoren() {
    cpu_set_t satz;
    if (::sched_getaffinity(0, sizeof satz, &satz) == 0) return std::max(1, CPU_COUNT(&satz));
    return std::max(1u, std::thread::hardware_concurrency());
}

// Computes every input on all cores and hands the outputs on in input order.
int alleRechnen(const Optionen& opt, const std::string& standardText, std::ostream& aus,
                std::ostream& fehler) {
    const std::size_t n = opt.pfade.size();
    std::vector<Ausgabe> ausgaben(n);
    std::vector<bool> fertig(n, false);
    std::mutex sperre;
    std::condition_variable neu;
    std::atomic<std::size_t> naechste{0};
    const auto arbeiten = [&] {
        for (std::size_t i; (i = naechste++) < n;) {
            Ausgabe a = rechnen(opt.pfade[i], opt, standardText);
            const std::lock_guard l(sperre);
            ausgaben[i] = std::move(a);
            fertig[i] = true;
            neu.notify_all();
        }
    };
    std::vector<std::jthread> arbeiter;
    const std::size_t kerne = opt.jobs.value_or(nutzbareProzessoren());
    for (std::size_t k = 0; k < std::min(n, kerne); ++k) arbeiter.emplace_back(arbeiten);
    int status = 0;
    if (opt.csvPunkt && !opt.json) aus << csvKopf(*opt.csvPunkt);
    for (std::size_t i = 0; i < n; ++i) {
        std::unique_lock l(sperre);
        neu.wait(l, [&] { return fertig[i]; });
        Ausgabe a = std::move(ausgaben[i]);
        l.unlock();
        if (!opt.json && !opt.csvPunkt && i > 0) aus << "\n";
        aus << a.aus << std::flush;
        fehler << (n > 1 ? mitDateiname(a.fehler, opt.pfade[i]) : a.fehler);
        if (!aus) {
            // A full disk or a closed pipe: the results are lost, and the caller must know.
            naechste = n;
            fehler << name << "Die Ausgabe ließ sich nicht schreiben: "
                   << std::strerror(errno ? errno : EIO) << "\n";
            return 3;
        }
        status = std::max(status, a.status);
    }
    return status;
}

// The inputs listed one per line (blank lines skipped, a CR before the line end dropped).
void dateienAnhaengen(Optionen& opt, std::istream& eingabe) {
    std::ifstream datei;
    const bool standard = *opt.dateienAus == "-";
    if (!standard) datei.open(*opt.dateienAus);
    if (!standard && !datei)
        throw Aufruffehler("Die Liste \"" + *opt.dateienAus + "\" ist nicht lesbar.");
    std::istream& liste = standard ? eingabe : datei;
    for (std::string zeile; std::getline(liste, zeile);) {
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        if (!zeile.empty()) opt.pfade.push_back(zeile);
    }
    if (standard && std::ranges::find(opt.pfade, "-") != opt.pfade.end())
        throw Aufruffehler("Die Standardeingabe trägt schon die Liste der Dateien.");
    if (opt.pfade.empty()) throw Aufruffehler("Keine Datei angegeben.");
}

} // namespace

int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
               std::istream& eingabe) {
    try {
        const Optionen opt = optionenLesen(argumente);
        if (opt.hilfe) {
            aus << Gebrauch;
            return 0;
        }
        if (opt.version) {
            aus << "trendkurve-cli " << TK_VERSION << "\n";
            return 0;
        }
        Optionen mitListe = opt;
        if (opt.dateienAus) dateienAnhaengen(mitListe, eingabe);
        if (opt.serien)
            return serienRechnen(mitListe, opt.jobs.value_or(nutzbareProzessoren()), eingabe, aus,
                                 fehler);
        const bool standard = std::ranges::find(mitListe.pfade, "-") != mitListe.pfade.end();
        return alleRechnen(mitListe, standard ? alles(eingabe) : std::string(), aus, fehler);
    } catch (const Aufruffehler& e) {
        fehler << name << sichtbar(e.what()) << "\n" << Gebrauch;
        return 2;
    }
}

} // namespace tk::cli
