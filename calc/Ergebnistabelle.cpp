#include "Ergebnistabelle.h"

#include "Auswertung.h"
#include "Bewacht.h"
#include "Format.h"

#include <algorithm>

namespace tk {

namespace {

std::string zelle(const std::optional<double>& v) {
    return v ? tabellenzahl(*v) : std::string();
}

void kennwertZeilen(std::vector<Tabellenzeile>& t, const Programmzustand& z) {
    const auto wert = [&](auto f) { return bewacht::versuch([&] { return f(z); }); };
    const std::pair<const char*, std::optional<double>> zeilen[] = {
        {"X(1%)", wert([](const auto& s) { return WertXI(s, 0.01); })},
        {"X50%", wert([](const auto& s) { return WertXI(s, 0.5); })},
        {"X(99%)", wert([](const auto& s) { return WertXI(s, 0.99); })},
        {"Xs", z.WertXs},
        {"Ks", wert([](const auto& s) { return WertKi(s, s.WertXs); })},
        {"Xwp1", wert([](const auto& s) { return WendepunktX1(s); })},
        {"Xwp2", wert([](const auto& s) { return WendepunktX2(s); })},
        {"KMax unten", wert([](const auto& s) { return KGrenz1(s, s.KMax); })},
        {"KMax oben", wert([](const auto& s) { return KGrenz2(s, s.KMax); })},
    };
    for (const auto& [name, v] : zeilen) t.push_back({name, zelle(v)});
}

std::string csvFeld(const std::string& f) {
    if (f.find_first_of(";\"\r\n") == std::string::npos) return f;
    std::string q = "\"";
    for (char c : f) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
}

std::string verbunden(const std::vector<Tabellenzeile>& t, const char* trenner,
                      std::string (*feld)(const std::string&)) {
    std::string s;
    for (const auto& zeile : t) {
        for (std::size_t i = 0; i < zeile.size(); ++i) s += (i ? trenner : "") + feld(zeile[i]);
        s += "\r\n";
    }
    return s;
}

// A tab or line break inside a field would split the table: make it a blank.
std::string tsvFeld(const std::string& f) {
    std::string s = f;
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
        for (const auto& zeile : abfragen.zeilen) {
            Tabellenzeile r;
            for (const auto& v : zeile) r.push_back(zelle(v));
            t.push_back(r);
        }
    }
    return t;
}

std::string alsTsv(const std::vector<Tabellenzeile>& t) {
    return verbunden(t, "\t", tsvFeld);
}

std::string alsCsv(const std::vector<Tabellenzeile>& t) {
    return verbunden(t, ";", csvFeld);
}

} // namespace tk
