#include "datafile/Wertetabelle.h"

#include "calc/Meldungstext.h"
#include "calc/Zahlregel.h"
#include "datafile/Zeichensatz.h"

#include <algorithm>
#include <cctype>

namespace tk {

namespace {

constexpr std::size_t MaxPaare = 21;

std::string_view ohneRand(std::string_view t) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

// CR, LF and CRLF each end a line.
std::vector<std::string_view> zeilenVon(std::string_view text) {
    std::vector<std::string_view> zeilen;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') continue;
        zeilen.push_back(text.substr(anfang, i - anfang));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        anfang = i + 1;
    }
    if (anfang < text.size()) zeilen.push_back(text.substr(anfang));
    return zeilen;
}

} // namespace

std::vector<std::string> zellenTeilen(std::string_view zeile, char trenner) {
    std::vector<std::string> felder;
    felder.reserve(static_cast<std::size_t>(std::count(zeile.begin(), zeile.end(), trenner)) + 1);
    felder.emplace_back();
    bool zitiert = false;
    for (std::size_t i = 0; i < zeile.size(); ++i) {
        const char c = zeile[i];
        if (c == '"' && zitiert && i + 1 < zeile.size() && zeile[i + 1] == '"') {
            felder.back() += '"';
            ++i;
        } else if (c == '"') {
            zitiert = !zitiert;
        } else if (c == trenner && !zitiert) {
            felder.emplace_back();
        } else {
            felder.back() += c;
        }
    }
    for (auto& f : felder) {
        const std::string_view rein = ohneRand(f);
        if (rein.size() != f.size()) f = std::string(rein); // most cells have no blanks
    }
    while (felder.size() > 2 && felder.back().empty()) felder.pop_back();
    return felder;
}

namespace {

std::vector<std::string> woerter(std::string_view zeile) {
    std::vector<std::string> felder;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t')) ++i;
        const std::size_t anfang = i;
        while (i < zeile.size() && zeile[i] != ' ' && zeile[i] != '\t') ++i;
        if (i > anfang) felder.emplace_back(zeile.substr(anfang, i - anfang));
    }
    return felder;
}

bool hatAusserhalbZitat(std::string_view zeile, char c) {
    bool zitiert = false;
    for (char z : zeile) {
        if (z == '"') zitiert = !zitiert;
        if (z == c && !zitiert) return true;
    }
    return false;
}

// A header names its columns: no cell of it starts like a number.
bool istKopfzeile(const std::vector<std::string>& felder) {
    const auto zahlartig = [](const std::string& f) {
        return !f.empty() && (std::isdigit(static_cast<unsigned char>(f[0])) ||
                              std::string_view("+-.,").find(f[0]) != std::string_view::npos);
    };
    return std::none_of(felder.begin(), felder.end(), zahlartig) &&
           std::any_of(felder.begin(), felder.end(), [](const auto& f) { return !f.empty(); });
}

// The column separator of the whole table: tab, semicolon, a comma where the numbers
// cannot use it (a '.' decimal, quoted cells, a header naming the columns), else blanks.
char spaltentrenner(const std::vector<std::string_view>& alle) {
    std::vector<std::string_view> zeilen; // lines of separators only say nothing
    for (auto z : alle)
        if (z.find_first_not_of(" \t;,") != std::string_view::npos) zeilen.push_back(z);
    const auto irgendeine = [&](auto pruefe) {
        return std::any_of(zeilen.begin(), zeilen.end(), pruefe);
    };
    if (irgendeine([](auto z) { return z.find('\t') != std::string_view::npos; })) return '\t';
    if (irgendeine([](auto z) { return hatAusserhalbZitat(z, ';'); })) return ';';
    if (!irgendeine([](auto z) { return hatAusserhalbZitat(z, ','); })) return ' ';
    const bool leerzeichenInZelle = irgendeine([](auto z) {
        const auto felder = zellenTeilen(z, ',');
        return std::any_of(felder.begin(), felder.end(),
                           [](const auto& f) { return f.find(' ') != std::string::npos; });
    });
    if (leerzeichenInZelle) return ' ';
    const bool kommaTabelle =
        irgendeine([](auto z) { return z.find('"') != std::string_view::npos; }) ||
        irgendeine([](auto z) { return z.find('.') != std::string_view::npos; }) ||
        istKopfzeile(zellenTeilen(zeilen.front(), ','));
    return kommaTabelle ? ',' : ' ';
}

std::string zitat(std::string_view t) {
    std::string s(t.substr(0, 30));
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return "\"" + s + (t.size() > 30 ? "..." : "") + "\"";
}

std::string zeilenText(int nr, std::string_view zeile) {
    return "Zeile " + std::to_string(nr) + ": " + zitat(zeile);
}

struct Datenzeile {
    int nr;
    std::string_view roh;
    std::string x, y;
};

// "1 234,5": one number with blanks between groups of three; `dezimalen` tells whether
// it has a decimal part. (Written out: a regular expression recurses per character and
// overflows the stack on a long line.)
bool gruppiertMitLeerzeichen(std::string_view z, bool& dezimalen) {
    const auto ziffern = [&](std::size_t max) {
        std::size_t n = 0;
        while (n < z.size() && n < max && std::isdigit(static_cast<unsigned char>(z[n]))) ++n;
        return n;
    };
    if (!z.empty() && (z[0] == '+' || z[0] == '-')) z.remove_prefix(1);
    const std::size_t erste = ziffern(3);
    if (erste == 0 || z[0] == '0') return false;
    z.remove_prefix(erste);
    int gruppen = 0;
    while (z.size() >= 4 && z[0] == ' ') {
        z.remove_prefix(1);
        if (ziffern(3) != 3) return false;
        z.remove_prefix(3);
        ++gruppen;
    }
    dezimalen = z.size() >= 2 && (z[0] == '.' || z[0] == ',');
    if (dezimalen) {
        z.remove_prefix(1);
        z.remove_prefix(ziffern(z.size()));
    }
    return gruppen > 0 && z.empty() &&
           !(z.size() > 0 && std::isdigit(static_cast<unsigned char>(z[0])));
}

// A single column of numbers with blanks between groups of three ("1 234,5") would
// read as pairs when blanks separate the columns.
bool tausenderLeerzeichen(const std::vector<Datenzeile>& daten) {
    bool mitDezimalen = false;
    for (const auto& d : daten) {
        bool dezimalen = false;
        if (!gruppiertMitLeerzeichen(ohneRand(d.roh), dezimalen)) return false;
        mitDezimalen = mitDezimalen || dezimalen;
    }
    return mitDezimalen && !daten.empty();
}

Wertetabelle abgelehnt(std::string text) {
    Wertetabelle t;
    t.fehler = std::move(text);
    return t;
}

// The decimal separator of the table, or the message why it has none.
std::optional<Dezimalzeichen> dezimalzeichen(const std::vector<Datenzeile>& daten,
                                             std::string& fehler) {
    std::vector<std::string_view> zellen;
    for (const auto& d : daten) {
        zellen.push_back(d.x);
        zellen.push_back(d.y);
    }
    const Dezimalentscheid e = dezimalzeichenFuer(zellen);
    if (e.zeichen) return e.zeichen;
    const Datenzeile& d = daten[e.zelle / 2];
    const std::string& zelle = e.zelle % 2 ? d.y : d.x;
    fehler = "Zeile " + std::to_string(d.nr) + ": " + zitat(zelle) +
             (e.mehrdeutig ? " kann mit Dezimalpunkt oder mit Dezimalkomma gelesen werden. "
                             "Bitte das Dezimalzeichen eindeutig schreiben."
                           : " widerspricht dem Dezimalzeichen der übrigen Zahlen "
                             "(Punkt und Komma gemischt).");
    return std::nullopt;
}

} // namespace

std::string meldungTabelleZuGross() {
    return "Die Eingabe ist größer als 16 MiB und wird nicht gelesen.";
}

bool zahlAusFeld(std::string_view feld, double& wert) {
    const auto w = zahlAusEingabe(feld);
    if (w) wert = *w;
    return w.has_value();
}

Wertetabelle liesWertetabelle(std::string_view eingabe, std::optional<Spaltenwahl> wahl) {
    if (eingabe.size() > MaxTabellenBytes) return abgelehnt(meldungTabelleZuGross());
    const std::string text = alsUtf8(eingabe);
    std::vector<std::string_view> zeilen = zeilenVon(text);
    const char trenner = spaltentrenner(zeilen);
    std::vector<Datenzeile> daten;
    bool erste = true;
    int spalten = 2;
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        const int nr = static_cast<int>(i + 1);
        const std::string_view zeile = ohneRand(zeilen[i]);
        if (zeile.find_first_not_of(" \t;,\"") == std::string_view::npos)
            continue; // blank, or separators only
        const auto felder = trenner == ' ' ? woerter(zeile) : zellenTeilen(zeile, trenner);
        if (std::exchange(erste, false) && istKopfzeile(felder)) continue;
        spalten = std::max(spalten, static_cast<int>(felder.size()));
        if (felder.size() == 1)
            return abgelehnt(zeilenText(nr, zeile) +
                             " ist nur eine Spalte; gebraucht werden zwei Zahlen (X und Y).");
        const auto [sx, sy] = wahl.value_or(Spaltenwahl{1, 2});
        if (sx < 1 || sy < 1 || std::max(sx, sy) > static_cast<int>(felder.size()))
            return abgelehnt(zeilenText(nr, zeile) + " hat keine Spalte " +
                             std::to_string(std::max(sx, sy)) + ".");
        daten.push_back({nr, zeile, felder[sx - 1], felder[sy - 1]});
    }
    if (erste) return abgelehnt("Die Eingabe ist leer.");
    if (spalten > 2 && !wahl) {
        Wertetabelle t = abgelehnt("Die Tabelle hat " + std::to_string(spalten) +
                                   " Spalten; anzugeben ist, welche X und Y enthalten.");
        t.spalten = spalten;
        return t;
    }
    if (trenner == ' ' && tausenderLeerzeichen(daten))
        return abgelehnt(zeilenText(daten.front().nr, daten.front().roh) +
                         " ist eine Zahl mit Tausender-Leerzeichen, also nur eine Spalte; "
                         "gebraucht werden zwei Zahlen (X und Y).");
    std::string fehler;
    const auto dezimal = dezimalzeichen(daten, fehler);
    if (!dezimal) return abgelehnt(fehler);
    Wertetabelle tab;
    for (const auto& d : daten) {
        const auto x = zahlLesen(d.x, *dezimal), y = zahlLesen(d.y, *dezimal);
        if (!x || !y)
            return abgelehnt(zeilenText(d.nr, d.roh) + " ist kein Wertepaar aus zwei Zahlen.");
        tab.paare.emplace_back(*x, *y);
    }
    if (tab.paare.size() < 4 || tab.paare.size() > MaxPaare)
        return abgelehnt((tab.paare.size() < 4 ? meldungMinPaare() : meldungMaxAnzahl()).text);
    return tab;
}

} // namespace tk
