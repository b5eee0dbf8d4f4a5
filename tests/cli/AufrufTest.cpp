// Exit status, messages and queries of the command.

#include "Aufruf.h"
#include "Format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <functional>
#include <sstream>
#include <unistd.h>

namespace {

using tk::test::lies;
using tk::test::starte;
using tk::test::zahl;

// Each test process writes its own files, so that tests running in parallel (or
// several builds on one machine) never share one.
std::string datei(const std::string& name, const std::string& inhalt) {
    const std::string pfad = testing::TempDir() + std::to_string(::getpid()) + "-" + name;
    std::ofstream(pfad, std::ios::binary | std::ios::trunc) << inhalt;
    return pfad;
}

// y = 2 + 3x exactly: model 1 is decisive with r = 1.
std::string gerade() {
    return datei("gerade.rgr",
                 "Gerade\r\n 4 \r\n 1 \r\n 2  8 \r\n 3  11 \r\n 4  14 \r\n 5  17 \r\n");
}

// y = 2*sqrt(x) exactly: model 9 (A * x^B) is decisive.
std::string wurzel() {
    return datei("wurzel.rgr",
                 "Wurzel\r\n 4 \r\n 1 \r\n 4  4 \r\n 9  6 \r\n 16  8 \r\n 25  10 \r\n");
}

// Cumulative logistic values 100/(1 + e^-(x-5)) at x = 1..8.
std::string logistisch() {
    std::string t = "Logistisch\r\n 8 \r\n 1 \r\n";
    for (int x = 1; x <= 8; ++x)
        t += " " + std::to_string(x) + " " + tk::allgemein(100 / (1 + std::exp(-(x - 5.0)))) +
             " \r\n";
    return datei("logistisch.pro", t);
}

// ---- exit status and where the message goes

struct StatusFall {
    const char* name;
    std::vector<std::string> argumente;
    int status;
    std::string meldung; // part of stderr
};

class Status : public testing::TestWithParam<StatusFall> {};

TEST_P(Status, undMeldung) {
    const auto& f = GetParam();
    const auto lauf = starte(f.argumente);
    EXPECT_EQ(lauf.status, f.status) << lauf.fehler;
    EXPECT_NE(lauf.fehler.find(f.meldung), std::string::npos) << lauf.fehler;
    EXPECT_EQ(lauf.fehler.find('\x1b'), std::string::npos); // no terminal escapes from a file
    if (f.status == 2) {
        EXPECT_TRUE(lauf.aus.empty()) << lauf.aus;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Aufrufe, Status,
    testing::Values(
        StatusFall{"Ergebnis", {gerade()}, 0, ""},
        StatusFall{"ErgebnisJson", {"--json", gerade()}, 0, ""},
        StatusFall{"Hilfe", {"--help"}, 0, ""},
        StatusFall{"KeineDatei", {}, 2, "Keine Datei angegeben."},
        StatusFall{"Version", {"--version"}, 0, ""},
        StatusFall{"FalscherModus", {"--modus", "linear", gerade()}, 2, "--modus erwartet"},
        StatusFall{"StandardeingabeOhneModus", {"-"}, 2, "--modus regression"},
        StatusFall{"UnbekannteOption", {"--z", "1", gerade()}, 2, "Unbekannte Option: --z"},
        StatusFall{"WertFehlt", {gerade(), "--x"}, 2, "fehlt ihr Wert"},
        StatusFall{"WertKeineZahl", {"--x", "1,5", gerade()}, 2, "Ungültige Zahl für --x: \"1,5\""},
        StatusFall{"Doppelt", {"--x", "1", "--x=2", gerade()}, 2, "mehrfach"},
        StatusFall{"FehlendeDatei", {"/nicht/da/x.rgr"}, 2, "nicht verwendbar"},
        StatusFall{"FalscheEndung", {datei("x.txt", "")}, 2, "Unbekannte Dateiart"},
        StatusFall{"KaputteDatei",
                   {datei("kaputt.rgr", "T\r\n3\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n")},
                   2,
                   "Es müssen mindestens 4 Wertepaare eingegeben werden"},
        StatusFall{"SteuerzeichenInDatei",
                   {datei("esc.rgr", "T\r\n4\r\n1\r\n\x1b[2J 2\r\n")},
                   2,
                   "\"\\x1B[2J\""},
        StatusFall{"ZuVielePaare",
                   {datei("viel.pro", "T\r\n22\r\n1\r\n")},
                   2,
                   "Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"},
        StatusFall{"YBeiPrognose", {"--y", "3", logistisch()}, 2, "--y gilt nur"},
        StatusFall{"ProzentBeiRegression", {"--prozent", "3", gerade()}, 2, "--prozent gilt nur"},
        StatusFall{"UnendlichBeiRegression", {"--x", "unendlich", gerade()}, 2, "unendlich"},
        StatusFall{"ProzentZuKlein",
                   {"--prozent", "0.5", logistisch()},
                   2,
                   "Der Summen%-Wert muss grösser >= 1% und <=100% sein!"},
        StatusFall{"ProzentZuGross",
                   {"--prozent", "100.1", logistisch()},
                   2,
                   "Der Summen%-Wert muss grösser >= 1% und <=100% sein!"},
        StatusFall{"KUnterEinProzent",
                   {"--k", "0.5", logistisch()},
                   2,
                   "Der Wert Ki muss grösser >= K bei X(1%) sein!"},
        StatusFall{"XUnterX1",
                   {"--x", "-100", logistisch()},
                   2,
                   "Der Wert Xi muss grösser >= X(1%) sein!"},
        // all X equal: no model can be fitted
        StatusFall{"KeinModell",
                   {datei("gleich.rgr", "T\r\n4\r\n1\r\n1.5 1\r\n1.5 2\r\n1.5 3\r\n1.5 4\r\n")},
                   1,
                   "kein Ergebnis"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tabelle, zeigtSteuerzeichenDesTitelsMaskiert) {
    const auto lauf = starte({datei("titel.rgr", "\x1b]0;x\x07T\r\n 4 \r\n 1 \r\n 2 8 \r\n"
                                                 " 3 11 \r\n 4 14 \r\n 5 17 \r\n")});
    EXPECT_NE(lauf.aus.find("Bezeichnung : \\x1B]0;x\\x07T\n"), std::string::npos) << lauf.aus;
}

// Every model fails on the zero denominator: the table names each on stderr, the
// JSON carries the errors itself.
TEST(Tabelle, meldetFehlerDerAnpassungAufStderrJsonNicht) {
    const std::string gleich =
        datei("gleich2.rgr", "T\r\n4\r\n1\r\n1.5 1\r\n1.5 2\r\n1.5 3\r\n1.5 4\r\n");
    const auto lauf = starte({gleich});
    for (const char* modell : {"Modell 1:", "Modell 7:", "Modell 12:"})
        EXPECT_NE(lauf.fehler.find(modell), std::string::npos) << lauf.fehler;
    EXPECT_NE(lauf.aus.find("Fehler 11"), std::string::npos) << lauf.aus;
    EXPECT_NE(lauf.aus.find("Kein entscheidendes Modell"), std::string::npos);

    const auto json = starte({"--json", gleich});
    auto j = lies(json.aus);
    EXPECT_TRUE(j["decisive"].is_null());
    EXPECT_EQ(zahl(j["models"][0]["error"]["code"]), 11);
    EXPECT_EQ(json.fehler.find("Modell 1:"), std::string::npos);
}

// ---- several inputs, standard input and CSV

// The outputs keep the order of the inputs although they are computed in parallel;
// a bad input is reported on stderr and the others still run.
TEST(MehrereDateien, inDerGegebenenReihenfolge) {
    std::vector<std::string> dateien;
    for (int i = 0; i < 12; ++i) dateien.push_back(i % 3 ? gerade() : wurzel());
    dateien.insert(dateien.begin() + 5, "/nicht/da.rgr");
    std::vector<std::string> arg = {"--json"};
    arg.insert(arg.end(), dateien.begin(), dateien.end());
    const auto lauf = starte(arg);
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler, "trendkurve-cli: /nicht/da.rgr: Die Datei \"/nicht/da.rgr\" ist nicht "
                           "verwendbar: Das Verzeichnis von \"/nicht/da.rgr\" existiert nicht.\n");
    std::istringstream zeilen(lauf.aus);
    dateien.erase(dateien.begin() + 5);
    for (const auto& d : dateien) {
        std::string zeile;
        ASSERT_TRUE(std::getline(zeilen, zeile));
        auto j = lies(zeile);
        EXPECT_EQ(j["file"], d);
        EXPECT_EQ(j["decisive"]["code"], d == gerade() ? 1 : 9);
    }
    EXPECT_TRUE(zeilen.peek() == EOF);

    const auto tabelle = starte({gerade(), wurzel()});
    EXPECT_EQ(tabelle.status, 0);
    const auto erste = tabelle.aus.find("Datei       : " + gerade());
    EXPECT_LT(erste, tabelle.aus.find("\n\nTrendkurve - Regression\nDatei       : " + wurzel()));
}

struct CsvFall {
    const char* name;
    std::string text;
    const char* meldung; // nullptr: the pairs of y = 2 + 3x are read
};

class Csv : public testing::TestWithParam<CsvFall> {};

TEST_P(Csv, liestZweiSpalten) {
    const auto& f = GetParam();
    // once from standard input, once from a file named after nothing the mode knows
    for (const std::string& quelle : {std::string("-"), datei("reihe.csv", f.text)}) {
        const auto lauf = starte({"--json", "--csv", "--modus", "regression", quelle}, f.text);
        if (f.meldung) {
            EXPECT_EQ(lauf.status, 2);
            EXPECT_NE(lauf.fehler.find(f.meldung), std::string::npos) << lauf.fehler;
            continue;
        }
        ASSERT_EQ(lauf.status, 0) << lauf.fehler;
        auto j = lies(lauf.aus);
        EXPECT_EQ(j["n"], 4);
        const auto titel = j["title"].get<std::string>();
        EXPECT_TRUE(quelle == "-" ? titel == "Standardeingabe" : titel.ends_with("-reihe"))
            << titel;
        EXPECT_EQ(j["decisive"]["code"], 1);
        // 1 is read as 1.0000001, as in the input window
        EXPECT_NEAR(zahl(j["decisive"]["A"]), 2, 1e-6);
        EXPECT_NEAR(zahl(j["decisive"]["B"]), 3, 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texte, Csv,
    testing::Values(
        CsvFall{"Semikolon", "1;5\n2;8\n3;11\n4;14\n", nullptr},
        CsvFall{"DezimalkommaMitKopf",
                "\xEF\xBB\xBFJahr;Wert\r\n1,0;5,0\r\n2;8\r\n3,00;11\r\n4;1,4e1\r\n", nullptr},
        CsvFall{"Tabulator", "x\ty\n\n1\t5\n2\t8,0\n3\t11\n4\t14", nullptr},
        CsvFall{"KommaUndPunkt", "\"x\",\"y\"\n1,5\n2.0,8\n3,11.0\n+4,14\n", nullptr},
        CsvFall{"KeineZahl", "1;5\n2;acht\n3;11\n4;14\n", "Zeile 2: \"2;acht\" ist kein Wertepaar"},
        CsvFall{"DreiSpalten", "1;5\n2;8;0\n3;11\n4;14\n", "Zeile 2:"},
        CsvFall{"ZuWenige", "x;y\n1;5\n2;8\n3;11\n", "mindestens 4 Wertepaare"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Standardeingabe, liestDasDateiformat) {
    const auto lauf =
        starte({"--modus", "prognose", "-"}, "Reihe\r\n4\r\n1\r\n1 1\r\n2 2\r\n3 4\r\n4 5\r\n");
    EXPECT_NE(lauf.aus.find("Trendkurve - Prognose"), std::string::npos) << lauf.aus;
    EXPECT_NE(lauf.aus.find("Datei       : -"), std::string::npos);
}

// ---- regression queries, with the nudging away from 0 and +-1

struct RegressionsAbfrage {
    const char* name;
    std::function<std::string()> datei;
    std::vector<std::string> optionen;
    const char* feld;
    double X, Y;
};

class RegAbfrage : public testing::TestWithParam<RegressionsAbfrage> {};

TEST_P(RegAbfrage, rechnetWieDasAbfragefeld) {
    const auto& f = GetParam();
    std::vector<std::string> arg = {"--json"};
    arg.insert(arg.end(), f.optionen.begin(), f.optionen.end());
    arg.push_back(f.datei());
    const auto lauf = starte(arg);
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    auto q = lies(lauf.aus)["query"][f.feld];
    EXPECT_NEAR(zahl(q["X"]), f.X, 1e-9 * std::max(1.0, std::fabs(f.X)));
    EXPECT_NEAR(zahl(q["Y"]), f.Y, 1e-9 * std::max(1.0, std::fabs(f.Y)));
}

INSTANTIATE_TEST_SUITE_P(
    Abfragen, RegAbfrage,
    testing::Values(
        RegressionsAbfrage{"XGerade", gerade, {"--x", "10"}, "x", 10, 32},
        RegressionsAbfrage{"XEinsAngestossen", gerade, {"--x", "1"}, "x", 1.0000001, 5.0000003},
        RegressionsAbfrage{"XMinusEins", gerade, {"--x", "-1"}, "x", -1.0000001, -1.0000003},
        RegressionsAbfrage{"XNull", gerade, {"--x", "0"}, "x", 0.0000001, 2.0000003},
        RegressionsAbfrage{"YGerade", gerade, {"--y", "32"}, "y", 10, 32},
        RegressionsAbfrage{"YNull", gerade, {"--y", "0"}, "y", (0.0000001 - 2) / 3, 0.0000001},
        RegressionsAbfrage{"PotenzX", wurzel, {"--x", "36"}, "x", 36, 12},
        RegressionsAbfrage{"PotenzY", wurzel, {"--y", "12"}, "y", 36, 12},
        // a negative X with a fractional power has no value: shown as the nudged 0
        RegressionsAbfrage{"PotenzOhneWert", wurzel, {"--x", "-4"}, "x", -4, 0.0000001}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- prognosis queries on the Summenwerte case

TEST(PrognoseAbfrage, dreiFelderWieImAbfragefeld) {
    const auto lauf = starte({"--json", "--x", "5", "--prozent", "100", "--k", "50", logistisch()});
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    auto j = lies(lauf.aus);
    auto d = j["cases"]["summenwerte"]["decisive"];
    ASSERT_EQ(zahl(d["type"]), 5);
    const double kmax = zahl(d["KMax"]);
    EXPECT_NEAR(kmax, 100.001, 0.01);
    auto q = j["query"];
    ASSERT_EQ(tk::test::schluessel(q), (std::vector<std::string>{"x", "prozent", "k"}));
    for (auto [art, a] : q.items()) {
        ASSERT_EQ(tk::test::schluessel(a), (std::vector<std::string>{"input", "X", "prozent", "K",
                                                                     "KLower", "KUpper", "error"}))
            << art;
        EXPECT_TRUE(a["error"].is_null()) << art;
        EXPECT_NEAR(zahl(a["prozent"]), 100 * zahl(a["K"]) / kmax, 1e-9) << art;
        EXPECT_LE(zahl(a["KLower"]), zahl(a["K"])) << art;
        EXPECT_GE(zahl(a["KUpper"]), zahl(a["K"])) << art;
    }
    EXPECT_NEAR(zahl(q["x"]["K"]), kmax / 2, 0.05); // the curve's midpoint lies at Xs = 5
    // 100 % is the share 0.9999999: K is KMax, X far beyond the data
    EXPECT_DOUBLE_EQ(zahl(q["prozent"]["K"]), kmax);
    EXPECT_GT(zahl(q["prozent"]["X"]), 15);
    EXPECT_LT(zahl(q["prozent"]["KLower"]), kmax);
    // below the last observed value the limits are K itself
    EXPECT_DOUBLE_EQ(zahl(q["k"]["KLower"]), 50);
    EXPECT_DOUBLE_EQ(zahl(q["k"]["KUpper"]), 50);
    EXPECT_NEAR(zahl(q["k"]["X"]), 5, 0.01);
}

TEST(PrognoseAbfrage, unendlichIstDerHundertProzentPunkt) {
    auto j = lies(starte({"--json", "--x", " Unendlich", logistisch()}).aus);
    EXPECT_EQ(zahl(j["query"]["x"]["X"]), 1e10);
    EXPECT_NEAR(zahl(j["query"]["x"]["prozent"]), 100, 1e-9);
}

// The command line applies the query panel's rules: it accepts what it prints itself
// (X(1%), KMax as written) and refuses what the panel refuses.
TEST(PrognoseAbfrage, RegelnDesAbfragefelds) {
    auto j = lies(starte({"--json", logistisch()}).aus)["cases"]["summenwerte"]["decisive"];
    const std::string x1 = tk::Zahl(zahl(j["X1"])), kmax = tk::Zahl(zahl(j["KMax"]));
    auto a = lies(starte({"--json", "--x", x1, "--k", kmax, logistisch()}).aus)["query"];
    EXPECT_TRUE(a["x"]["error"].is_null()) << x1;
    EXPECT_NEAR(zahl(a["k"]["prozent"]), 100, 1e-9);
    const auto zuGross = starte({"--k", "1E6", logistisch()});
    EXPECT_EQ(zuGross.status, 2);
    EXPECT_NE(zuGross.fehler.find("Der Wert Ki muss kleiner als Kmax sein! (Wert im Abfragefeld: " +
                                  kmax),
              std::string::npos)
        << zuGross.fehler;
}

TEST(PrognoseAbfrage, ohneEntscheidendeKurveKeineAbfrage) {
    const auto lauf = starte({"--json", "--prozent", "50",
                              datei("neg.pro", "N\r\n4\r\n1\r\n1 -2\r\n2 3\r\n3 4\r\n4 9\r\n")});
    EXPECT_EQ(lauf.status, 1);
    auto j = lies(lauf.aus);
    EXPECT_EQ(zahl(j["shift"]), 2);
    EXPECT_TRUE(j["query"].is_null());
    EXPECT_NE(lauf.fehler.find("Keine Abfrage"), std::string::npos);
}

} // namespace
