// Value tables as users paste, import or pipe them: each row of tabellen.txt gives one
// outcome through the table reader, and the same through trendkurve-cli --csv.

#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "datafile/Wertetabelle.h"
#include "tests/cli/Aufruf.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct Zeile {
    std::string name, text, erwartet, spalten;
};

std::string trimmen(const std::string& t) {
    const auto a = t.find_first_not_of(' ');
    return a == std::string::npos ? "" : t.substr(a, t.find_last_not_of(' ') - a + 1);
}

// C escapes; "@22" is 22 pairs, "@17MiB" a table too large to read, "@lang" a long line,
// "@utf16le:" the rest as UTF-16 with byte-order mark.
std::string text(const std::string& roh) {
    if (roh == "@17MiB") return std::string(17u << 20, '1') + ";1\n";
    if (roh == "@lang") return "1 " + std::string(100000, '2') + "\n2 3\n3 4\n4 5\n";
    if (roh == "@22") {
        std::string t;
        for (int i = 1; i <= 22; ++i) t += std::to_string(i) + ";1\n";
        return t;
    }
    std::string t;
    for (std::size_t i = 0; i < roh.size(); ++i) {
        if (roh[i] != '\\') {
            t += roh[i];
            continue;
        }
        const char c = roh[++i];
        if (c == 'x') {
            t += static_cast<char>(std::stoi(roh.substr(i + 1, 2), nullptr, 16));
            i += 2;
        } else {
            t += c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
    }
    if (!t.starts_with("@utf16le:")) return t;
    std::string u = "\xFF\xFE";
    for (std::size_t i = 9; i < t.size(); ++i) {
        char32_t z = static_cast<unsigned char>(t[i]);
        if (z >= 0xC0) z = ((z & 0x1F) << 6) | (static_cast<unsigned char>(t[++i]) & 0x3F);
        u += static_cast<char>(z & 0xFF);
        u += static_cast<char>(z >> 8);
    }
    return u;
}

std::vector<Zeile> zeilen() {
    std::ifstream ein(TK_TABELLEN);
    std::vector<Zeile> z;
    for (std::string l; std::getline(ein, l);) {
        if (l.empty() || l[0] == '#') continue;
        std::vector<std::string> teil;
        std::istringstream s(l);
        for (std::string t; std::getline(s, t, '|');) teil.push_back(trimmen(t));
        teil.resize(4);
        z.push_back({teil[0], text(teil[1]), teil[2], teil[3]});
    }
    return z;
}

std::vector<std::pair<double, double>> paare(const std::string& erwartet) {
    std::vector<std::pair<double, double>> p;
    std::istringstream s(erwartet);
    for (std::string paar; s >> paar;) {
        const auto i = paar.find(';');
        p.emplace_back(std::stod(paar.substr(0, i)), std::stod(paar.substr(i + 1)));
    }
    return p;
}

class Tabelle : public testing::TestWithParam<Zeile> {};

TEST_P(Tabelle, LesenUndKommandozeile) {
    const Zeile& z = GetParam();
    std::optional<tk::Spaltenwahl> wahl;
    std::vector<std::string> arg{"--csv", "--json", "--modus", "regression", "-"};
    if (!z.spalten.empty()) {
        wahl = tk::Spaltenwahl{z.spalten[0] - '0', z.spalten[2] - '0'};
        arg.insert(arg.begin(), {"--spalten", z.spalten});
    }
    const tk::Wertetabelle t = tk::liesWertetabelle(z.text, wahl);
    const auto lauf = tk::test::starte(arg, z.text);
    if (z.erwartet.starts_with("!")) {
        const std::string meldung = z.erwartet.substr(2);
        EXPECT_NE(t.fehler.find(meldung), std::string::npos) << t.fehler;
        EXPECT_TRUE(t.paare.empty());
        EXPECT_EQ(lauf.status, 2);
        EXPECT_NE(lauf.fehler.find(meldung), std::string::npos) << lauf.fehler;
        return;
    }
    const auto soll = paare(z.erwartet);
    ASSERT_TRUE(t.ok()) << t.fehler;
    ASSERT_EQ(t.paare.size(), soll.size());
    for (std::size_t i = 0; i < soll.size(); ++i) {
        EXPECT_DOUBLE_EQ(t.paare[i].first, soll[i].first) << i;
        EXPECT_DOUBLE_EQ(t.paare[i].second, soll[i].second) << i;
    }
    // The command line computes what it computes for exactly these pairs.
    tk::Datensatz d;
    d.Bezeichnung = "Standardeingabe";
    d.AnzPaare = static_cast<int>(soll.size());
    d.X = {0};
    d.Y = {0};
    for (const auto& [x, y] : soll) {
        d.X.push_back(x);
        d.Y.push_back(y);
    }
    namespace b = tk::bericht;
    EXPECT_EQ(lauf.aus, b::alsJson(b::berichtErstellen("-", tk::DateiArt::Regression, d, {}), "-"));
    EXPECT_NE(lauf.status, 2) << lauf.fehler;
}

INSTANTIATE_TEST_SUITE_P(Zeilen, Tabelle, testing::ValuesIn(zeilen()), [](const auto& info) {
    std::string n = info.param.name;
    std::replace_if(
        n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
    return n;
});

} // namespace
