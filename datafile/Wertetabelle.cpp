#include "datafile/Wertetabelle.h"

#include "calc/Meldungstext.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>

namespace tk {

namespace {

constexpr std::size_t MaxPaare = 21;

std::string_view ohneRand(std::string_view t) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!t.empty() && blank(t.front())) t.remove_prefix(1);
    while (!t.empty() && blank(t.back())) t.remove_suffix(1);
    return t;
}

// Spreadsheets may quote a cell: "1,5".
std::string_view ohneAnfuehrung(std::string_view t) {
    if (t.size() >= 2 && t.front() == '"' && t.back() == '"')
        return ohneRand(t.substr(1, t.size() - 2));
    return t;
}

std::vector<std::string_view> teile(std::string_view zeile, char trenner) {
    std::vector<std::string_view> felder;
    std::size_t anfang = 0;
    for (std::size_t i = 0; i <= zeile.size(); ++i) {
        if (i == zeile.size() || zeile[i] == trenner) {
            felder.push_back(ohneAnfuehrung(ohneRand(zeile.substr(anfang, i - anfang))));
            anfang = i + 1;
        }
    }
    // A trailing separator (as spreadsheets write) adds no column.
    while (felder.size() > 2 && felder.back().empty()) felder.pop_back();
    return felder;
}

std::vector<std::string_view> woerter(std::string_view zeile) {
    std::vector<std::string_view> felder;
    std::size_t i = 0;
    while (i < zeile.size()) {
        while (i < zeile.size() && (zeile[i] == ' ' || zeile[i] == '\t')) ++i;
        const std::size_t anfang = i;
        while (i < zeile.size() && zeile[i] != ' ' && zeile[i] != '\t') ++i;
        if (i > anfang) felder.push_back(zeile.substr(anfang, i - anfang));
    }
    return felder;
}

// The columns of one line: tab, then semicolon, then blanks, then a single comma.
std::vector<std::string_view> spalten(std::string_view zeile) {
    if (zeile.find('\t') != std::string_view::npos) return teile(zeile, '\t');
    if (zeile.find(';') != std::string_view::npos) return teile(zeile, ';');
    auto w = woerter(zeile);
    if (w.size() > 1) return w;
    if (std::count(zeile.begin(), zeile.end(), ',') == 1) return teile(zeile, ',');
    return w;
}

// A header names the columns: no field of it is a number.
bool istKopfzeile(const std::vector<std::string_view>& felder) {
    double w = 0;
    return std::none_of(felder.begin(), felder.end(),
                        [&](std::string_view f) { return zahlAusFeld(f, w); });
}

std::string zitat(std::string_view t) {
    std::string s(t.substr(0, 30));
    for (char& c : s)
        if (static_cast<unsigned char>(c) < 0x20) c = ' ';
    return "\"" + s + (t.size() > 30 ? "..." : "") + "\"";
}

} // namespace

bool zahlAusFeld(std::string_view feld, double& wert) {
    std::string t(ohneRand(feld));
    if (!t.empty() && t.front() == '+') t.erase(0, 1);
    if (std::count(t.begin(), t.end(), ',') + std::count(t.begin(), t.end(), '.') > 1) return false;
    std::replace(t.begin(), t.end(), ',', '.');
    double w = 0;
    const auto [ende, fehler] = std::from_chars(t.data(), t.data() + t.size(), w);
    if (fehler != std::errc{} || ende != t.data() + t.size() || !std::isfinite(w)) return false;
    // from_chars also reads "inf" and "nan": a number needs a digit.
    if (t.find_first_of("0123456789") == std::string::npos) return false;
    wert = w;
    return true;
}

Wertetabelle liesWertetabelle(std::string_view text) {
    Wertetabelle tab;
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3); // byte-order mark
    int nr = 0;
    bool erste = true;
    while (!text.empty()) {
        const std::size_t ende = text.find('\n');
        const std::string_view roh = text.substr(0, ende);
        text = ende == std::string_view::npos ? std::string_view{} : text.substr(ende + 1);
        ++nr;
        const std::string_view zeile = ohneRand(roh);
        if (zeile.empty()) continue;
        const auto felder = spalten(zeile);
        double x = 0, y = 0;
        if (felder.size() == 2 && zahlAusFeld(felder[0], x) && zahlAusFeld(felder[1], y)) {
            tab.paare.emplace_back(x, y);
        } else if (!(erste && istKopfzeile(felder))) {
            tab.paare.clear();
            tab.fehler = "Zeile " + std::to_string(nr) + ": " + zitat(zeile) +
                         " ist kein Wertepaar aus zwei Zahlen.";
            return tab;
        }
        erste = false;
        if (tab.paare.size() > MaxPaare) break;
    }
    if (tab.paare.size() < 4 || tab.paare.size() > MaxPaare) {
        tab.fehler = (tab.paare.size() < 4 ? meldungMinPaare() : meldungMaxAnzahl()).text;
        tab.paare.clear();
    }
    return tab;
}

} // namespace tk
