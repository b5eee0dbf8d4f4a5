#include "cli/SerienCsv.h"

#include "calc/Fehler.h"
#include "calc/Zahlregel.h"
#include "datafile/Wertetabelle.h"
#include "datafile/Zeichensatz.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace tk::cli {

namespace {

// More pairs than a series may have are counted, not kept: one beyond the limit is
// enough for the message, and a runaway series cannot fill memory.
constexpr std::size_t MaxGemerkt = 22;

std::string klein(std::string t) {
    for (char& c : t) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return t;
}

char trennerVon(const std::string& kopf) {
    bool zitiert = false;
    bool tab = false;
    for (char c : kopf) {
        if (c == '"') zitiert = !zitiert;
        if (!zitiert && c == ';') return ';';
        if (!zitiert && c == '\t') tab = true;
    }
    return tab ? '\t' : ',';
}

std::string zeilenText(long nr) {
    return "Zeile " + std::to_string(nr) + ": ";
}

std::string zitat(const std::string& t) {
    return "\"" + t + "\"";
}

} // namespace

CsvSerien::CsvSerien(std::istream& ein, const std::string& kopf, long kopfZeile, std::string modus)
    : ein_(ein), nr_(kopfZeile), trenner_(trennerVon(kopf)), modus_(std::move(modus)) {
    std::string ohneBom = kopf.starts_with("\xEF\xBB\xBF") ? kopf.substr(3) : kopf;
    const std::vector<std::string> namen = zellenTeilen(ohneBom, trenner_);
    std::optional<std::size_t> id, x, y;
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const std::string n = klein(namen[i]);
        if (n == "id") id = i;
        if (n == "x") x = i;
        if (n == "y" || (n == "k" && !y)) y = i;
        if (n == "mode" || n == "modus") spalteModus_ = i;
    }
    if (!id || !x || !y)
        throw Fehler(fehlercode::DateiFormat, "Reihen lesen",
                     zeilenText(kopfZeile) + "Die Kopfzeile nennt nicht die Spalten id, x und y.");
    spalteId_ = *id;
    spalteX_ = *x;
    spalteY_ = *y;
}

std::optional<CsvSerien::Zeile> CsvSerien::naechsteZeile() {
    for (std::string text; std::getline(ein_, text);) {
        ++nr_;
        if (!text.empty() && text.back() == '\r') text.pop_back();
        if (text.find_first_not_of(" \t;,\"") == std::string::npos) continue;
        return Zeile{nr_, zellenTeilen(text, trenner_)};
    }
    return std::nullopt;
}

void CsvSerien::hinzufuegen(Roh& roh, const Zeile& z) const {
    if (roh.reihe.fehler) return;
    // the mode may be left out where the default is meant
    const std::size_t gebraucht = std::max({spalteId_, spalteX_, spalteY_}) + 1;
    if (z.zellen.size() < gebraucht) {
        roh.reihe.fehler = {fehlercode::DateiFormat,
                            zeilenText(z.nr) + "Zu wenige Spalten für id, x und y."};
        return;
    }
    if (roh.x.size() < MaxGemerkt) {
        roh.zeilen.push_back(z.nr);
        roh.x.push_back(z.zellen[spalteX_]);
        roh.y.push_back(z.zellen[spalteY_]);
    }
}

bool CsvSerien::lesen(std::vector<Reihe>& block, std::size_t max) {
    const auto idVon = [&](const Zeile& z) {
        return spalteId_ < z.zellen.size() ? z.zellen[spalteId_] : std::string();
    };
    std::vector<Roh> roh;
    while (roh.size() < max) {
        std::optional<Zeile> z =
            vorgriff_ ? std::exchange(vorgriff_, std::nullopt) : naechsteZeile();
        if (!z) break;
        Roh r;
        const std::string id = idVon(*z);
        r.reihe.id = istUtf8(id) ? id : alsUtf8(id);
        r.reihe.modus = spalteModus_ && *spalteModus_ < z->zellen.size()
                            ? klein(z->zellen[*spalteModus_])
                            : modus_;
        hinzufuegen(r, *z);
        while ((vorgriff_ = naechsteZeile()) && idVon(*vorgriff_) == id) hinzufuegen(r, *vorgriff_);
        roh.push_back(std::move(r));
    }
    zahlenLesen(roh);
    for (Roh& r : roh) block.push_back(std::move(r.reihe));
    return !roh.empty();
}

// The decimal separator is decided by the first cell that reads only one way, looking
// ahead over the whole block; until then a cell that reads two ways spoils its series.
void CsvSerien::zahlenLesen(std::vector<Roh>& roh) {
    using enum Dezimalzeichen;
    for (const Roh& r : roh) {
        if (dezimalKomma_ || r.reihe.fehler) continue;
        for (const auto* spalte : {&r.x, &r.y})
            for (const std::string& zelle : *spalte) {
                const bool punkt = zahlLesen(zelle, Punkt).has_value();
                const bool komma = zahlLesen(zelle, Komma).has_value();
                if (punkt != komma && !dezimalKomma_) dezimalKomma_ = komma;
            }
    }
    // With ',' between the cells a decimal comma needs quotes: without such a cell it is
    // the point.
    if (trenner_ == ',' && !dezimalKomma_) dezimalKomma_ = false;
    for (Roh& r : roh) {
        for (std::size_t i = 0; i < r.x.size() && !r.reihe.fehler; ++i)
            for (const std::string* zelle : {&r.x[i], &r.y[i]}) {
                // once the separator is known a cell is read that way only; until then
                // it must read the same both ways
                std::optional<double> wert;
                if (dezimalKomma_) {
                    wert = zahlLesen(*zelle, *dezimalKomma_ ? Komma : Punkt);
                } else {
                    const auto punkt = zahlLesen(*zelle, Punkt);
                    if (punkt == zahlLesen(*zelle, Komma)) wert = punkt;
                }
                if (wert) {
                    (zelle == &r.x[i] ? r.reihe.x : r.reihe.y).push_back(*wert);
                    continue;
                }
                // both ways again, only to say what is wrong with the cell
                const bool punkt = zahlLesen(*zelle, Punkt).has_value();
                const bool komma = zahlLesen(*zelle, Komma).has_value();
                const char* warum = !punkt && !komma ? " ist keine Zahl."
                                    : !dezimalKomma_
                                        ? " kann mit Dezimalpunkt oder mit Dezimalkomma gelesen "
                                          "werden. Bitte das Dezimalzeichen eindeutig schreiben."
                                        : " widerspricht dem Dezimalzeichen der übrigen Zahlen "
                                          "(Punkt und Komma gemischt).";
                r.reihe.fehler = {fehlercode::DateiFormat,
                                  zeilenText(r.zeilen[i]) + zitat(*zelle) + warum};
                break;
            }
    }
}

} // namespace tk::cli
