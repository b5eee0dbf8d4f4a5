#include "Csv.h"

#include "Fehler.h"
#include "Meldungstext.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <sstream>

namespace tk::cli {

namespace {

[[noreturn]] void ablehnen(const std::string& beschreibung) {
    throw Fehler(fehlercode::DateiFormat, "Datei lesen", beschreibung);
}

std::string getrimmt(std::string t) {
    const auto rand = [](char c) { return c == ' ' || c == '\t' || c == '"' || c == '\r'; };
    while (!t.empty() && rand(t.back())) t.pop_back();
    std::size_t i = 0;
    while (i < t.size() && rand(t[i])) ++i;
    return t.substr(i);
}

std::optional<double> zahl(std::string feld, bool kommaDezimal) {
    feld = getrimmt(feld);
    if (kommaDezimal)
        for (char& c : feld)
            if (c == ',') c = '.';
    const char* anfang = feld.data() + (!feld.empty() && feld[0] == '+' ? 1 : 0);
    const char* ende = feld.data() + feld.size();
    double wert = 0;
    const auto [stelle, ec] = std::from_chars(anfang, ende, wert);
    if (anfang == ende || ec != std::errc() || stelle != ende || !std::isfinite(wert))
        return std::nullopt;
    return wert;
}

// The two numbers of a line, nullopt when it holds anything else.
std::optional<std::pair<double, double>> paar(const std::string& zeile) {
    const char trenner = zeile.find(';') != std::string::npos    ? ';'
                         : zeile.find('\t') != std::string::npos ? '\t'
                                                                 : ',';
    const auto teil = zeile.find(trenner);
    if (teil == std::string::npos || zeile.find(trenner, teil + 1) != std::string::npos)
        return std::nullopt;
    const auto x = zahl(zeile.substr(0, teil), trenner != ',');
    const auto y = zahl(zeile.substr(teil + 1), trenner != ',');
    if (!x || !y) return std::nullopt;
    return std::pair(*x, *y);
}

} // namespace

Datensatz csvLesen(const std::string& text, const std::string& titel) {
    Datensatz d;
    d.Bezeichnung = titel;
    d.X = {0};
    d.Y = {0};
    std::istringstream ein(text.starts_with("\xEF\xBB\xBF") ? text.substr(3) : text);
    int nummer = 0;
    bool ersteZeile = true;
    for (std::string zeile; std::getline(ein, zeile);) {
        ++nummer;
        if (getrimmt(zeile).empty()) continue;
        const auto p = paar(zeile);
        const bool kopf = ersteZeile;
        ersteZeile = false;
        if (!p && kopf) continue;
        if (!p)
            ablehnen("Zeile " + std::to_string(nummer) + " enthält nicht zwei Zahlen: \"" +
                     getrimmt(zeile) + "\"");
        d.X.push_back(p->first);
        d.Y.push_back(p->second);
    }
    d.AnzPaare = static_cast<int>(d.X.size()) - 1;
    if (d.AnzPaare < 4) ablehnen(meldungMinPaare().text);
    if (d.AnzPaare > 21) ablehnen(meldungMaxAnzahl().text);
    return d;
}

} // namespace tk::cli
