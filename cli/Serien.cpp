#include "cli/Serien.h"

#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "calc/Fehler.h"
#include "calc/Meldungstext.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <thread>
#include <vector>

namespace tk::cli {

using bericht::Json;

namespace {

struct Antwort {
    std::string zeile;
    int status = 0;
};

std::string fehlerZeile(const Json& id, int code, const std::string& text) {
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

Antwort rechneZeile(const std::string& text, long nr, const Optionen& opt) {
    Json id = nr;
    try {
        const Json j = Json::parse(text);
        if (!j.is_object()) throw Json::type_error::create(302, "kein Objekt", nullptr);
        if (j.contains("id")) id = j["id"];
        const std::string modus = j.value("mode", std::string("regression"));
        if (modus != "regression" && modus != "prognose" && modus != "prognosis")
            return {fehlerZeile(id, fehlercode::UngueltigesArgument,
                                "\"mode\" ist regression oder prognose, nicht \"" + modus + "\"."),
                    2};
        const std::vector<double> x = zahlen(j.value("x", Json()), "x");
        const std::vector<double> y = zahlen(j.value("y", Json()), "y");
        if (x.size() != y.size())
            return {fehlerZeile(id, fehlercode::DateiFormat, "Ungleich viele Werte in x und y."),
                    2};
        if (x.size() < 4 || x.size() > 21)
            return {fehlerZeile(id, fehlercode::DateiFormat,
                                (x.size() < 4 ? meldungMinPaare() : meldungMaxAnzahl()).text),
                    2};
        const Datensatz d = datensatzAus(j.value("title", std::string()), x, y);
        const auto art = modus == "regression" ? DateiArt::Regression : DateiArt::Prognose;
        const bericht::Bericht b = bericht::berichtErstellen("", art, d, opt);
        Json bericht = bericht::alsJsonWert(b, "");
        bericht.erase("file");
        Json antwort = {{"id", id}};
        antwort.update(bericht);
        return {bericht::jsonText(antwort) + "\n", b.hatErgebnis() ? 0 : 1};
    } catch (const Json::exception&) {
        return {fehlerZeile(id, fehlercode::DateiFormat,
                            "Zeile " + std::to_string(nr) + " ist kein JSON-Objekt einer Reihe."),
                2};
    } catch (const Fehler& f) {
        return {fehlerZeile(id, f.code, f.beschreibung), 2};
    } catch (const std::runtime_error& e) { // a refused query value
        return {fehlerZeile(id, fehlercode::UngueltigesArgument, e.what()), 2};
    }
}

// Computes one block of lines on `arbeiter` threads.
std::vector<Antwort> block(const std::vector<std::pair<long, std::string>>& zeilen,
                           const Optionen& opt, std::size_t arbeiter) {
    std::vector<Antwort> antworten(zeilen.size());
    std::atomic<std::size_t> naechste{0};
    {
        std::vector<std::jthread> faeden;
        for (std::size_t k = 0; k < std::min(arbeiter, zeilen.size()); ++k)
            faeden.emplace_back([&] {
                for (std::size_t i; (i = naechste++) < zeilen.size();)
                    antworten[i] = rechneZeile(zeilen[i].second, zeilen[i].first, opt);
            });
    }
    return antworten;
}

} // namespace

int serienRechnen(const Optionen& opt, std::size_t arbeiter, std::istream& standard,
                  std::ostream& aus, std::ostream& fehler) {
    const std::size_t blockGroesse = 64 * arbeiter;
    int status = 0;
    for (const std::string& pfad : opt.pfade) {
        std::ifstream datei;
        if (pfad != "-") datei.open(pfad, std::ios::binary);
        std::istream& ein = pfad == "-" ? standard : datei;
        if (!ein) {
            fehler << "trendkurve-cli: Die Datei \"" << pfad << "\" ist nicht lesbar.\n";
            status = 2;
            continue;
        }
        long nr = 0;
        std::vector<std::pair<long, std::string>> zeilen; // line number, text
        for (bool ende = false; !ende;) {
            zeilen.clear();
            for (std::string z; zeilen.size() < blockGroesse;) {
                if (!std::getline(ein, z)) {
                    ende = true;
                    break;
                }
                ++nr;
                if (z.find_first_not_of(" \t\r") != std::string::npos) zeilen.emplace_back(nr, z);
            }
            for (const Antwort& a : block(zeilen, opt, arbeiter)) {
                aus << a.zeile;
                status = std::max(status, a.status);
            }
            if (!aus.flush()) {
                fehler << "trendkurve-cli: Die Ausgabe ließ sich nicht schreiben: "
                       << std::strerror(errno ? errno : EIO) << "\n";
                return 3;
            }
        }
    }
    return status;
}

} // namespace tk::cli
