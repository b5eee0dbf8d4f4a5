// Many series as one long table (id, x, y), answered one line per series in input order.

#include "tests/cli/Aufruf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <unistd.h>

namespace {

using tk::test::lies;
using tk::test::starte;
using tk::test::zahl;

// Expected per answer line: the id and either the decisive model's code or a part of
// the error text.
struct Erwartet {
    std::string id;
    int code = 0;
    std::string fehler;
};
struct SerienFall {
    const char* name;
    std::string tabelle;
    std::vector<Erwartet> zeilen;
    int status = 0;
};

class Langformat : public testing::TestWithParam<SerienFall> {};

TEST_P(Langformat, eineZeileJeReihe) {
    const auto& f = GetParam();
    const auto lauf = starte({"--serien", "-j", "2", "-"}, f.tabelle);
    EXPECT_EQ(lauf.status, f.status) << lauf.fehler;
    std::istringstream zeilen(lauf.aus);
    std::string zeile;
    for (const Erwartet& e : f.zeilen) {
        ASSERT_TRUE(std::getline(zeilen, zeile)) << lauf.aus;
        const auto j = lies(zeile);
        EXPECT_EQ(j.value("id", j.value("file", std::string())), e.id) << zeile;
        if (e.fehler.empty())
            EXPECT_EQ(j["decisive"]["code"], e.code) << zeile;
        else
            EXPECT_NE(j["error"]["text"].get<std::string>().find(e.fehler), std::string::npos)
                << zeile;
    }
    EXPECT_FALSE(std::getline(zeilen, zeile)) << zeile;
}

// y = 2 + 3x (model 1) and y = 2*sqrt(x) (model 9), rows "id;x;y" with a decimal comma.
std::string gerade(const std::string& id) {
    return id + ";2;8\n" + id + ";3;11\n" + id + ";4;14\n" + id + ";5;17\n";
}
std::string wurzel(const std::string& id, const std::string& vier = "4") {
    return id + ";" + vier + ";4\n" + id + ";9;6\n" + id + ";16;8\n" + id + ";25;10\n";
}

INSTANTIATE_TEST_SUITE_P(
    Tabellen, Langformat,
    testing::Values(
        SerienFall{"SpaltenInBeliebigerFolge",
                   "\xEF\xBB\xBFY;Kommentar;X;ID\r\n8;a;2;g\r\n11;;3;g\r\n14;;4;g\r\n17;;5;g\r\n"
                   "4;;4,0;w\r\n6;;9;w\r\n8;;16;w\r\n10;;25;w\r\n",
                   {{"g", 1, ""}, {"w", 9, ""}}},
        // the same id after another one is a new series: nothing has to be remembered
        SerienFall{"GleicheIdSpaeterNeueReihe",
                   "id;x;y\n" + gerade("a") + wurzel("b") + gerade("a"),
                   {{"a", 1, ""}, {"b", 9, ""}, {"a", 1, ""}}},
        // "1.000" reads two ways until a later cell of the block decides for the comma
        SerienFall{"DezimalzeichenVonSpaeterEntschieden",
                   "id;x;y\nm;1.000;3\nm;2.000;4\nm;3.000;5\nm;4.000;6\n" + wurzel("w", "4,0"),
                   {{"m", 1, ""}, {"w", 9, ""}}},
        SerienFall{"DezimalzeichenGemischt",
                   "id;x;y\n" + wurzel("w", "4,0") + wurzel("v", "4.5"),
                   {{"w", 9, ""}, {"v", 0, "Zeile 6: \"4.5\" widerspricht dem Dezimalzeichen"}},
                   2},
        SerienFall{"NurMehrdeutig",
                   "id;x;y\nm;1.000;3\nm;2.000;4\nm;3.000;5\nm;4.000;6\n",
                   {{"m", 0, "Zeile 2: \"1.000\" kann mit Dezimalpunkt oder mit Dezimalkomma"}},
                   2},
        SerienFall{"TabulatorUndSpalteK",
                   "ID\tX\tK\nt\t1\t2,5\nt\t2\t3,5\nt\t3\t4,5\nt\t4\t5,5\n",
                   {{"t", 1, ""}}},
        SerienFall{"KommaTrennerHeisstDezimalpunkt",
                   "x,y,id\n1.000,3,m\n2,4,m\n3,5,m\n4,6,m\n",
                   {{"m", 1, ""}}},
        SerienFall{"KommaTrennerZitiertesDezimalkomma",
                   "x,y,id\n1,\"2,5\",m\n2,\"3,5\",m\n3,\"4,5\",m\n4,\"5,5\",m\n",
                   {{"m", 1, ""}}},
        SerienFall{"UnbrauchbareZeilenVerderbenNurIhreReihe",
                   "id;x;y;mode\n" + gerade("a") + "b;1;x\nb;2;3\n" + "c;1\n" + gerade("d") +
                       "e;1;1;schaetzung\n",
                   {{"a", 1, ""},
                    {"b", 0, "Zeile 6: \"x\" ist keine Zahl."},
                    {"c", 0, "Zeile 8: Zu wenige Spalten"},
                    {"d", 1, ""},
                    {"e", 0, "nicht \"schaetzung\""}},
                   2},
        SerienFall{"ZuVielePaare",
                   "id;x;y\n" +
                       [] {
                           std::string t;
                           for (int i = 1; i <= 40; ++i) t += "z;" + std::to_string(i) + ";1\n";
                           return t;
                       }(),
                   {{"z", 0, "21"}},
                   2},
        SerienFall{
            "KopfOhneY", "id;x;wert\n1;2;3\n", {{"-", 0, "Zeile 1: Die Kopfzeile nennt"}}, 2}),
    [](const auto& info) { return std::string(info.param.name); });

// More series than one block, each answered as the same pairs in a data file would be;
// a prognosis series by its mode column.
TEST(Langformat, vieleBloeckeWieEinzeln) {
    std::string t = "id;x;y;mode\n";
    for (int i = 0; i < 300; ++i) t += gerade(std::to_string(i));
    t += "p;1;10;prognose\np;2;25;prognose\np;3;45;prognose\np;4;60;prognose\np;5;70;prognose\n";
    const auto lauf = starte({"--serien", "-j", "2", "-"}, t);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    const auto einzeln =
        lies(starte({"--serien", "-"}, R"({"id":"0","x":[2,3,4,5],"y":[8,11,14,17]})").aus);
    std::istringstream zeilen(lauf.aus);
    std::string zeile;
    for (int i = 0; i < 300; ++i) {
        ASSERT_TRUE(std::getline(zeilen, zeile));
        auto j = lies(zeile);
        EXPECT_EQ(j["id"], std::to_string(i));
        j["id"] = "0";
        EXPECT_EQ(j, einzeln);
    }
    ASSERT_TRUE(std::getline(zeilen, zeile));
    const auto p = lies(zeile);
    EXPECT_EQ(p["mode"], "prognosis");
    EXPECT_GT(zahl(p["cases"]["summenwerte"]["types"][0]["K"]), 70);
}

// The inputs of many series may come as a list of files too.
TEST(Langformat, dateienAusListe) {
    const std::string pfad = testing::TempDir() + std::to_string(::getpid()) + "-reihen.csv";
    std::ofstream(pfad) << "id;x;y\n" << gerade("g") << wurzel("w");
    const auto lauf = starte({"--serien", "--dateien-aus", "-"}, pfad + "\n" + pfad + "\n");
    ::unlink(pfad.c_str());
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(std::count(lauf.aus.begin(), lauf.aus.end(), '\n'), 4) << lauf.aus;
}

// As CSV for a spreadsheet: one header, the id first and formula-safe, an error row.
TEST(Langformat, alsCsvZeilen) {
    const auto lauf =
        starte({"--serien", "--ausgabe", "csv", "-"}, "id;x;y\n" + gerade("=1") + "b;1;x\n");
    EXPECT_EQ(lauf.status, 2);
    std::istringstream zeilen(lauf.aus);
    std::string kopf, eins, b;
    std::getline(zeilen, kopf);
    std::getline(zeilen, eins);
    std::getline(zeilen, b);
    EXPECT_EQ(kopf, "id;modus;fall;code;A;B;KMax;r;R2_daten;hinweis");
    EXPECT_TRUE(eins.starts_with("'=1;regression;;1;2;3;;1;1;")) << eins;
    EXPECT_EQ(b, R"(b;;;;;;;;;"Zeile 6: ""x"" ist keine Zahl.")");
}

} // namespace
