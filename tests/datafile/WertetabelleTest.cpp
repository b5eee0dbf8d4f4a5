#include "Wertetabelle.h"
#include "Ergebnistabelle.h"
#include "Regression.h"
#include "Wertepaare.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct Tabellenfall {
    const char* name;
    std::string text;
    std::vector<std::pair<double, double>> paare; // empty: refused
    const char* fehlerteil = "";
};

class Tabelle : public ::testing::TestWithParam<Tabellenfall> {};

TEST_P(Tabelle, WirdGanzOderGarNichtGelesen) {
    const auto& f = GetParam();
    const Wertetabelle t = liesWertetabelle(f.text);
    EXPECT_EQ(t.paare, f.paare);
    EXPECT_EQ(t.ok(), !f.paare.empty());
    EXPECT_NE(t.fehler.find(f.fehlerteil), std::string::npos) << t.fehler;
}

std::string zeilen(int n) {
    std::string s;
    for (int i = 1; i <= n; ++i) s += std::to_string(i) + ";1\n";
    return s;
}

const std::vector<std::pair<double, double>> vier = {{1, 2.5}, {2, 3}, {3, -4e-3}, {4, 1000}};

INSTANTIATE_TEST_SUITE_P(
    Faelle, Tabelle,
    ::testing::Values(Tabellenfall{"Tab", "1\t2.5\n2\t3\n3\t-4e-3\n4\t1000\n", vier},
                      Tabellenfall{"SemikolonKomma",
                                   "Jahr;Umsatz\r\n1;2,5\r\n2;3\r\n3;-0,004\r\n4;1000;\r\n", vier},
                      Tabellenfall{"Blanks", "  1   2.5\n2 3\n\n3 -0.004\n4 +1E3\n", vier},
                      Tabellenfall{"KommaTrenner", "\xEF\xBB\xBF\"x\",\"y\"\n1,2.5\n2,3\n3,-0.004\n4,1000\n", vier},
                      Tabellenfall{"Text", "1;2\n2;3\n3;abc\n4;5\n", {}, "Zeile 3: \"3;abc\""},
                      Tabellenfall{
                          "ZweiteKopfzeile", "X;Y\nA;B\n1;2\n2;3\n3;4\n4;5\n", {}, "Zeile 2"},
                      Tabellenfall{"DreiSpalten", "1;2;3\n2;3;4\n3;4;5\n4;5;6\n", {}, "Zeile 1"},
                      Tabellenfall{"Tausenderpunkt", "1;1.234,5\n2;3\n3;4\n4;5\n", {}, "Zeile 1"},
                      Tabellenfall{"Ueberlauf", "1;1E999\n2;3\n3;4\n4;5\n", {}, "Zeile 1"},
                      Tabellenfall{"Unendlich", "1;inf\n2;3\n3;4\n4;5\n", {}, "Zeile 1"},
                      Tabellenfall{"ZuWenige", "1;2\n2;3\n3;4\n", {}, "mindestens 4"},
                      Tabellenfall{"ZuViele", zeilen(22), {}, "Max. Anzahl = 21"}),
    [](const auto& info) { return info.param.name; });

} // namespace
} // namespace tk

namespace tk {
namespace {

// What the results copy writes, a spreadsheet (or the program itself) reads back.
TEST(Ergebnistabelle, KopieUndExportLesenSichZurueck) {
    const std::vector<std::pair<double, double>> paare = {
        {1.5, 2.5}, {2.25, -3.125}, {3, 1234567.5}, {4, 0.000125}, {5, 6}};
    Programmzustand z = test::zustandMit(paare);
    z.Bezeichnung = "Kosten; \"netto\"\tje Stück";
    MassgR(z);
    const auto t = ergebnistabelle(z, "", {{"X", "Y"}, {{2.5, std::nullopt}}});
    const std::string tsv = alsTsv(t);
    const std::size_t von = tsv.find("X\tY\r\n") + 5;
    const Wertetabelle zurueck = liesWertetabelle(tsv.substr(von, tsv.find("\r\n\r\n", von) - von));
    EXPECT_EQ(zurueck.paare, paare);
    EXPECT_NE(tsv.find("Modell\t" + std::to_string(z.ModellNr) + "\tY = "), std::string::npos);
    EXPECT_NE(tsv.find("\r\n2,5\t\r\n"), std::string::npos) << "query row with an empty cell";
    EXPECT_EQ(alsCsv(t).rfind("Titel;\"Kosten; \"\"netto\"\"\tje Stück\"\r\n", 0), 0u);
    EXPECT_EQ(tsv.rfind("Titel\tKosten; \"netto\" je Stück\r\n", 0), 0u);
    double r = 0;
    ASSERT_TRUE(zahlAusFeld(t[5][1], r));
    EXPECT_NEAR(r, z.KorrR, 1e-14);
}

} // namespace
} // namespace tk
