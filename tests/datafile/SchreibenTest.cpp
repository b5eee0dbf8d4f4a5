// Writing a data set, reading it back, and taking it into the program state.

#include "datafile/Datei.h"
#include "tests/support/Wertepaare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using Paare = std::vector<std::pair<double, double>>;

tk::Programmzustand zustand(const std::string& titel, const Paare& paare) {
    auto z = tk::test::zustandMit(paare);
    z.Bezeichnung = titel;
    z.Kennzahl = 1;
    return z;
}

std::string geschrieben(const tk::Programmzustand& z) {
    std::ostringstream aus;
    tk::schreiben(aus, z);
    return aus.str();
}

const Paare vier = {{2, 5}, {3, 6}, {4, 7}, {5, 8}};

TEST(Schreiben, zeilenMitCrLfInListenformUndTitelInWindows1252) {
    EXPECT_EQ(geschrieben(zustand("Umsatz, Kosten", {{2, 8}, {3, 11}, {-4.5, 14}, {1e-7, -2e6}})),
              "Umsatz@ Kosten\r\n 4 \r\n 1 \r\n 2  8 \r\n 3  11 \r\n-4.5  14 \r\n"
              " 1E-07 -2000000 \r\n");
    for (const auto& [titel, zeile] :
         {std::pair<std::string, std::string>{"Äpfel € „x“ 日本", "\xC4pfel \x80 \x84x\x93 ??"},
          {"eins\nzwei\rdrei", "eins zwei drei"}}) {
        const std::string text = geschrieben(zustand(titel, vier));
        EXPECT_EQ(text.substr(0, text.find("\r\n")), zeile);
    }
    auto z = zustand("T", vier);
    z.AnzPaare = 6;
    EXPECT_THROW(geschrieben(z), tk::Fehler);
}

struct Rundreise {
    std::string titel;
    std::string titelZurueck;
    Paare paare = vier;
};

class SchreibenLesen : public testing::TestWithParam<Rundreise> {};

TEST_P(SchreibenLesen, gibtDenselbenDatensatz) {
    const auto& f = GetParam();
    const auto z = zustand(f.titel, f.paare);
    std::istringstream ein(geschrieben(z));
    const tk::Datensatz d = tk::lesen(ein);
    EXPECT_EQ(d.Bezeichnung, f.titelZurueck);
    ASSERT_EQ(d.AnzPaare, z.AnzPaare);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        const auto k = static_cast<std::size_t>(i);
        // 15 significant digits survive the list-output form
        EXPECT_NEAR(d.X[k], z.EingabeX(i), std::fabs(z.EingabeX(i)) * 1e-14) << "X " << i;
        EXPECT_NEAR(d.Y[k], z.EingabeY(i), std::fabs(z.EingabeY(i)) * 1e-14) << "Y " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Datensaetze, SchreibenLesen,
    testing::Values(Rundreise{"Absatz, Nord, 2024", "Absatz, Nord, 2024"},
                    Rundreise{"mail@example", "mail,example"},
                    Rundreise{"Größe über Maß", "Größe über Maß"}, Rundreise{"Ω-Test", "?-Test"},
                    Rundreise{"\"Zitat\"", "\"Zitat\""},
                    Rundreise{"  eingerückt ", "  eingerückt "}, Rundreise{"Rand ", "Rand "},
                    Rundreise{"T",
                              "T",
                              {{1.7976931348623157e308, -1.7976931348623157e308},
                               {-1e-300, 123456789012345678.0},
                               {2.2250738585072014e-308, 1e15},
                               {1.0 / 3.0, -1e-20},
                               {-2.718281828459045, 6.02214076e23}}},
                    Rundreise{"", "", Paare(21, {1.5, -7.25})}));

TEST(Uebernehmen, setztDatensatzZusatzUndArbeitskopien) {
    auto z = tk::test::zustandMit(Paare(7, {99, 99}));
    tk::Datensatz d;
    d.Bezeichnung = "Neu, geladen";
    d.AnzPaare = 4;
    d.Kennzahl = 3;
    d.X = {0, 0, 1, -1, 2.5};
    d.Y = {0, 5, 0, 1, -1};
    tk::uebernehmen(z, d);
    EXPECT_EQ(z.Bezeichnung, "Neu, geladen");
    EXPECT_EQ(z.Kennzahl, 3);
    EXPECT_TRUE(z.AnzahlOK);
    ASSERT_EQ(z.XWert.groesse(), 4);
    const Paare erwartet = {
        {1e-7, 5}, {1.0000001, 1e-7}, {-1.0000001, 1.0000001}, {2.5, -1.0000001}};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_NEAR(z.XWert(i), erwartet[static_cast<std::size_t>(i - 1)].first, 1e-15) << i;
        EXPECT_NEAR(z.YWert(i), erwartet[static_cast<std::size_t>(i - 1)].second, 1e-15) << i;
    }
    d.X = d.Y = {0, 1, 2}; // fewer pairs than it claims
    EXPECT_THROW(tk::uebernehmen(z, d), tk::Fehler);
    EXPECT_EQ(z.Bezeichnung, "Neu, geladen");
}

} // namespace
