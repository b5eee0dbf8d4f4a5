#include "cli/Serien.h"

#include "bericht/Bericht.h"
#include "bericht/CsvBericht.h"
#include "bericht/Json.h"
#include "bericht/Tabelle.h"
#include "calc/Fehler.h"
#include "calc/Meldungstext.h"
#include "cli/Reihe.h"
#include "cli/SerienCsv.h"
#include "datafile/Datei.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <thread>
#include <vector>

namespace tk::cli {

using bericht::Json;

namespace {

struct Antwort {
    std::string zeile;
    int status = 0;
};

// One series to compute: read already (a table) or still a JSON line.
struct Auftrag {
    long nr = 0;      // the line of a JSON series
    std::string json; // its text; empty for a series from a table
    Reihe reihe;
};

// The id as the first cell of a CSV row: a text as it is, anything else as JSON.
std::string idText(const Json& id) {
    return id.is_string() ? id.get<std::string>() : bericht::jsonText(id);
}

bool alsCsv(const Optionen& opt) {
    return opt.csvPunkt && !opt.json;
}

std::string fehlerZeile(const Optionen& opt, const Json& id, int code, const std::string& text) {
    if (alsCsv(opt)) return bericht::fehlerAlsCsv(idText(id), text, *opt.csvPunkt);
    return bericht::jsonText(Json{{"id", id}, {"error", {{"code", code}, {"text", text}}}}) + "\n";
}

std::vector<double> zahlen(const Json& feld, const char* name) {
    if (!feld.is_array())
        throw Fehler(fehlercode::DateiFormat, "Reihe", std::string("\"") + name + "\" fehlt.");
    std::vector<double> v;
    for (const Json& w : feld) {
        if (!w.is_number())
            throw Fehler(fehlercode::DateiFormat, "Reihe",
                         std::string("\"") + name + "\" enthält etwas anderes als Zahlen.");
        v.push_back(w.get<double>());
    }
    return v;
}

Reihe ausJson(const std::string& text, long nr) {
    Reihe r;
    r.id = nr;
    try {
        const Json j = Json::parse(text);
        if (!j.is_object()) throw Json::type_error::create(302, "kein Objekt", nullptr);
        if (j.contains("id")) r.id = j["id"];
        r.modus = j.value("mode", std::string("regression"));
        r.titel = j.value("title", std::string());
        r.x = zahlen(j.value("x", Json()), "x");
        r.y = zahlen(j.value("y", Json()), "y");
    } catch (const Json::exception&) {
        r.fehler = {fehlercode::DateiFormat,
                    "Zeile " + std::to_string(nr) + " ist kein JSON-Objekt einer Reihe."};
    } catch (const Fehler& f) {
        r.fehler = {f.code, f.beschreibung};
    }
    return r;
}

Antwort rechneReihe(const Reihe& r, const Optionen& opt) {
    const auto fehler = [&](int code, const std::string& text) {
        return Antwort{fehlerZeile(opt, r.id, code, text), 2};
    };
    if (r.fehler) return fehler(r.fehler->first, r.fehler->second);
    if (r.modus != "regression" && r.modus != "prognose" && r.modus != "prognosis")
        return fehler(fehlercode::UngueltigesArgument,
                      "\"mode\" ist regression oder prognose, nicht \"" + r.modus + "\".");
    if (r.x.size() != r.y.size())
        return fehler(fehlercode::DateiFormat, "Ungleich viele Werte in x und y.");
    if (r.x.size() < 4 || r.x.size() > 21)
        return fehler(fehlercode::DateiFormat,
                      (r.x.size() < 4 ? meldungMinPaare() : meldungMaxAnzahl()).text);
    try {
        const Datensatz d = datensatzAus(r.titel, r.x, r.y);
        const auto art = r.modus == "regression" ? DateiArt::Regression : DateiArt::Prognose;
        const bericht::Bericht b = bericht::berichtErstellen("", art, d, opt);
        if (alsCsv(opt))
            return {bericht::alsCsvZeilen(b, idText(r.id), *opt.csvPunkt), b.hatErgebnis() ? 0 : 1};
        return {bericht::alsJsonMitKopf(b, "id", r.id), b.hatErgebnis() ? 0 : 1};
    } catch (const Fehler& f) {
        return fehler(f.code, f.beschreibung);
    } catch (const std::runtime_error& e) { // a refused query value
        return fehler(fehlercode::UngueltigesArgument, e.what());
    }
}

// Computes one block on `arbeiter` threads.
std::vector<Antwort> block(const std::vector<Auftrag>& auftraege, const Optionen& opt,
                           std::size_t arbeiter) {
    std::vector<Antwort> antworten(auftraege.size());
    std::atomic<std::size_t> naechste{0};
    {
        std::vector<std::jthread> faeden;
        for (std::size_t k = 0; k < std::min(arbeiter, auftraege.size()); ++k)
            faeden.emplace_back([&] {
                for (std::size_t i; (i = naechste++) < auftraege.size();) {
                    const Auftrag& a = auftraege[i];
                    antworten[i] =
                        rechneReihe(a.json.empty() ? a.reihe : ausJson(a.json, a.nr), opt);
                }
            });
    }
    return antworten;
}

// The series of one input, block by block, whichever its form.
class Quelle {
public:
    Quelle(std::istream& ein, const Optionen& opt) : ein_(ein) {
        // The first line that is not blank tells JSON Lines from a table.
        for (std::string z; std::getline(ein_, z);) {
            ++nr_;
            const auto erstes = z.find_first_not_of(" \t\r");
            if (erstes == std::string::npos) continue;
            if (z.compare(erstes, 1, "{") == 0 || z.compare(erstes, 4, "\xEF\xBB\xBF{") == 0) {
                erste_ = z;
            } else {
                const bool prognose = opt.modus == DateiArt::Prognose;
                csv_ =
                    std::make_unique<CsvSerien>(ein_, z, nr_, prognose ? "prognose" : "regression");
            }
            break;
        }
    }

    bool lesen(std::vector<Auftrag>& block, std::size_t max) {
        block.clear();
        if (csv_) {
            std::vector<Reihe> reihen;
            csv_->lesen(reihen, max);
            for (Reihe& r : reihen) block.push_back({0, "", std::move(r)});
            return !block.empty();
        }
        if (erste_) block.push_back({nr_, *std::exchange(erste_, std::nullopt), {}});
        for (std::string z; block.size() < max && std::getline(ein_, z);) {
            ++nr_;
            if (z.find_first_not_of(" \t\r") != std::string::npos) block.push_back({nr_, z, {}});
        }
        return !block.empty();
    }

private:
    std::istream& ein_;
    long nr_ = 0;
    std::optional<std::string> erste_;
    std::unique_ptr<CsvSerien> csv_;
};

} // namespace

int serienRechnen(const Optionen& opt, std::size_t arbeiter, std::istream& standard,
                  std::ostream& aus, std::ostream& fehler) {
    const std::size_t blockGroesse = 64 * arbeiter;
    int status = 0;
    if (alsCsv(opt)) aus << bericht::csvKopf(*opt.csvPunkt, "id");
    for (const std::string& pfad : opt.pfade) {
        std::ifstream datei;
        if (pfad != "-") datei.open(pfad, std::ios::binary);
        std::istream& ein = pfad == "-" ? standard : datei;
        std::vector<Auftrag> auftraege;
        try {
            if (!ein) throw dateiFehler(errno, "Reihen lesen", pfad);
            if (std::filesystem::is_directory(pfad))
                throw dateiFehler(EISDIR, "Reihen lesen", pfad);
            Quelle quelle(ein, opt);
            if (ein.bad()) throw dateiFehler(errno ? errno : EIO, "Reihen lesen", pfad);
            while (quelle.lesen(auftraege, blockGroesse)) {
                // the block's lines in one write, not one system call per series
                const std::vector<Antwort> antworten = block(auftraege, opt, arbeiter);
                std::size_t laenge = 0;
                for (const Antwort& a : antworten) laenge += a.zeile.size();
                std::string text;
                text.reserve(laenge);
                for (const Antwort& a : antworten) {
                    text += a.zeile;
                    status = std::max(status, a.status);
                }
                aus.write(text.data(), static_cast<std::streamsize>(text.size()));
                if (!aus.flush()) {
                    fehler << "trendkurve-cli: Die Ausgabe ließ sich nicht schreiben: "
                           << std::strerror(errno ? errno : EIO) << "\n";
                    return 3;
                }
            }
        } catch (const Fehler& f) {
            // The whole input is unusable: one line for it, as for a data file.
            fehler << "trendkurve-cli: " << bericht::sichtbar(pfad) << ": " << f.beschreibung
                   << "\n";
            aus << (alsCsv(opt) ? bericht::fehlerAlsCsv(pfad, f.beschreibung, *opt.csvPunkt)
                                : bericht::fehlerAlsJson(pfad, f.code, f.beschreibung))
                << std::flush;
            status = 2;
        }
    }
    return status;
}

} // namespace tk::cli
