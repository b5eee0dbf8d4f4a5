#include "calc/Ergebnistabelle.h"

#include "calc/Auswertung.h"
#include "calc/Format.h"

#include <algorithm>
#include <cctype>
#include <functional>
#include <string_view>

namespace tk {

namespace {

std::string zelle(const std::optional<double>& v) {
    return v ? tabellenzahl(*v) : std::string();
}

void kennwertZeilen(std::vector<Tabellenzeile>& t, const Programmzustand& z) {
    const Kennzahlen k = kennzahlen(z);
    const std::pair<const char*, std::optional<double>> zeilen[] = {
        {"X(1%)", k.X1},
        {"X50%", k.X50},
        {"X(99%)", k.X99},
        {"Xs", z.WertXs},
        {"Ks", k.Ks},
        {"Xwp1", k.Xwp1},
        {"Xwp2", k.Xwp2},
        {"KMax unten", k.KMaxUnten},
        {"KMax oben", k.KMaxOben},
    };
    for (const auto& [name, v] : zeilen) t.push_back({name, zelle(v)});
}

// A number as this table writes it: sign, digits, decimal comma, exponent.
bool istTabellenzahl(const std::string& f) {
    std::size_t i = f[0] == '-' || f[0] == '+' ? 1 : 0;
    if (i == f.size() || !std::isdigit(static_cast<unsigned char>(f[i]))) return false;
    for (; i < f.size(); ++i) {
        const char c = f[i];
        if (std::isdigit(static_cast<unsigned char>(c)) || c == ',' || c == '.') continue;
        if (c == 'E' && i + 1 < f.size() && (f[i + 1] == '-' || f[i + 1] == '+')) {
            ++i;
            continue;
        }
        return false;
    }
    return true;
}

// A text a spreadsheet would take for a formula (a title "=2+3") is written with a
// leading apostrophe, as spreadsheets themselves recommend; numbers stay numbers.
std::string ohneFormel(const std::string& f) {
    if (f.empty() || std::string_view("=+-@\t\r").find(f[0]) == std::string_view::npos ||
        istTabellenzahl(f))
        return f;
    return "'" + f;
}

std::string csvFeld(const std::string& roh, char trenner) {
    const std::string f = ohneFormel(roh);
    if (f.find_first_of(std::string{trenner, '"', '\r', '\n'}) == std::string::npos) return f;
    std::string q = "\"";
    for (char c : f) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string verbunden(const std::vector<Tabellenzeile>& t, const char* trenner,
                      const std::function<std::string(const std::string&)>& feld) {
    std::string s;
    for (const auto& zeile : t) {
        for (std::size_t i = 0; i < zeile.size(); ++i) s += (i ? trenner : "") + feld(zeile[i]);
        s += "\r\n";
    }
    return s;
}

// A tab or line break inside a field would split the table: make it a blank.
std::string tsvFeld(const std::string& f) {
    std::string s = ohneFormel(f);
    std::replace_if(
        s.begin(), s.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return s;
}

} // namespace

std::string tabellenzahl(double v) {
    std::string t = allgemein(v);
    std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::vector<Tabellenzeile> ergebnistabelle(const Programmzustand& z, const std::string& fall,
                                           const Abfragetabelle& abfragen) {
    std::vector<Tabellenzeile> t;
    t.push_back({"Titel", z.Bezeichnung});
    if (z.ModusPrognostik) {
        t.push_back({"Modus", "Trend-Prognostik", "Fall " + fall});
        t.push_back({"Kurventyp", std::to_string(z.KurvenTyp)});
        t.push_back({"KMax", tabellenzahl(z.KMax)});
    } else {
        t.push_back({"Modus", "Trend-Regression"});
        t.push_back({"Modell", std::to_string(z.ModellNr), "Y = " + FYQ(z.ModellNr)});
    }
    t.push_back({"A", tabellenzahl(z.KonstA)});
    t.push_back({"B", tabellenzahl(z.KoeffB)});
    t.push_back({"r", tabellenzahl(z.KorrR)});
    t.push_back({"R² (Daten)", zelle(z.R2Daten)});
    if (z.ModusPrognostik) kennwertZeilen(t, z);
    t.push_back({});
    t.push_back({"Wertepaare"});
    t.push_back({"X", z.ModusPrognostik ? "K" : "Y"});
    for (int i = 1; i <= z.AnzPaare && i <= z.EingabeX.groesse(); ++i)
        t.push_back({tabellenzahl(z.EingabeX(i)), tabellenzahl(z.EingabeY(i))});
    if (!abfragen.zeilen.empty()) {
        t.push_back({});
        t.push_back({"Abfragen"});
        t.push_back(abfragen.kopf);
        for (std::size_t i = 0; i < abfragen.zeilen.size(); ++i) {
            Tabellenzeile r;
            for (const auto& v : abfragen.zeilen[i]) r.push_back(zelle(v));
            if (i < abfragen.extrapolation.size() && abfragen.extrapolation[i])
                r.push_back("Extrapolation");
            t.push_back(r);
        }
    }
    return t;
}

std::string alsTsv(const std::vector<Tabellenzeile>& t) {
    return verbunden(t, "\t", tsvFeld);
}

std::string alsCsv(const std::vector<Tabellenzeile>& t, char trenner) {
    const char text[] = {trenner, '\0'};
    return verbunden(t, text, [trenner](const std::string& f) { return csvFeld(f, trenner); });
}

} // namespace tk
