// Exit status, messages and queries of the command.

#include "tests/cli/Aufruf.h"
#include "calc/Fehler.h"
#include "calc/Format.h"
#include "calc/Meldungstext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace {

using tk::test::lies;
using tk::test::starte;
using tk::test::zahl;

// Each test process writes its own files, so that parallel runs never share one.
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
std::string gleicheX() {
    return datei("gleich.rgr", "T\r\n4\r\n1\r\n1.5 1\r\n1.5 2\r\n1.5 3\r\n1.5 4\r\n");
}

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
    EXPECT_TRUE(f.status < 2 || lauf.aus.empty() || lauf.aus.find("\"error\"") != std::string::npos)
        << lauf.aus;
}
INSTANTIATE_TEST_SUITE_P(
    Aufrufe, Status,
    testing::Values(StatusFall{"Version", {"--version"}, 0, ""},
                    StatusFall{"KeineDatei", {}, 2, "Keine Datei angegeben."},
                    StatusFall{"FalscheEndung", {datei("x.txt", "")}, 2, "Unbekannte Dateiart"},
                    StatusFall{"SteuerzeichenInDatei",
                               {datei("esc.rgr", "T\r\n4\r\n1\r\n\x1b[2J 2\r\n")},
                               2,
                               "\"\\x1B[2J\""},
                    StatusFall{"OptionenEnde", {"--json", "--", "--x"}, 2, "Dateiart von \"--x\""},
                    StatusFall{"JobsNull", {"-j", "0", gleicheX()}, 2, "von 1 bis 1024"},
                    StatusFall{"UnendlichMitBlank", {"--x", " Unendlich", logistisch()}, 0, ""},
                    StatusFall{
                        "KeinModell", {gleicheX()}, 1, "Modell 12: Unerwarteter Fehler Nr.:  11"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Tabelle, zeigtSteuerzeichenDesTitelsMaskiert) {
    const auto lauf = starte({datei("titel.rgr", "\x1b]0;x\x07T\r\n 4 \r\n 1 \r\n 2 8 \r\n"
                                                 " 3 11 \r\n 4 14 \r\n 5 17 \r\n")});
    EXPECT_NE(lauf.aus.find("Bezeichnung : \\x1B]0;x\\x07T\n"), std::string::npos) << lauf.aus;
    // a file name with a C1 control (CSI) and a stray byte, in the message that names it
    const auto fehlt = starte({"/fehlt/\xC2\x9B"
                               "2J\x9B\xC3\xBC.rgr"});
    EXPECT_NE(fehlt.fehler.find("/fehlt/\\xC2\\x9B2J\\x9Bü.rgr"), std::string::npos)
        << fehlt.fehler;
}

// The outputs keep the order of the inputs although they are computed in parallel; a bad
// input is reported on stderr and gets its own JSON line, and the others still run.
TEST(MehrereDateien, inDerGegebenenReihenfolge) {
    std::vector<std::string> arg = {"--json"};
    for (int i = 0; i < 8; ++i) arg.push_back(i % 3 ? gerade() : wurzel());
    arg.insert(arg.begin() + 5, "/nicht/da.rgr");
    const auto lauf = starte(arg);
    EXPECT_EQ(lauf.status, 2);
    EXPECT_EQ(lauf.fehler, "trendkurve-cli: /nicht/da.rgr: Die Datei \"/nicht/da.rgr\" ist nicht "
                           "verwendbar: Das Verzeichnis von \"/nicht/da.rgr\" existiert nicht.\n");
    std::istringstream zeilen(lauf.aus);
    for (const auto& d : arg) {
        if (d == "--json") continue;
        std::string zeile;
        ASSERT_TRUE(std::getline(zeilen, zeile));
        const auto j = lies(zeile);
        EXPECT_EQ(j["file"], d);
        if (d == "/nicht/da.rgr")
            EXPECT_EQ(j["error"]["code"], tk::fehlercode::PfadNichtGefunden);
        else
            EXPECT_EQ(j["decisive"]["code"], d == gerade() ? 1 : 9);
    }
    EXPECT_TRUE(zeilen.peek() == EOF);
}

// From standard input and from a file; 1 is read as 1.0000001, as in the input window; a
// leading '+' is a sign.
TEST(Csv, liestZweiSpalten) {
    const std::string text = "\xEF\xBB\xBFJahr;Wert\r\n1,0;5,0\r\n2;8;\r\n+3,00;+11\r\n4;1,4e1\r\n";
    for (const std::string& quelle : {std::string("-"), datei("reihe.csv", text)}) {
        const auto lauf = starte({"--json", "--csv", "--modus", "regression", quelle}, text);
        ASSERT_EQ(lauf.status, 0) << lauf.fehler;
        auto j = lies(lauf.aus);
        EXPECT_EQ(j["n"], 4);
        EXPECT_EQ(j["decisive"]["code"], 1);
        EXPECT_NEAR(zahl(j["decisive"]["B"]), 3, 1e-6);
    }
}

// More inputs than a command line holds come as a list, from a file or standard input.
TEST(Eingabe, dateienAusListe) {
    const std::string liste = gerade() + "\r\n\n" + wurzel() + "\n";
    for (const auto& quelle : {std::string("-"), datei("liste.txt", liste)}) {
        const auto lauf = starte({"--json", "--dateien-aus", quelle}, liste);
        ASSERT_EQ(lauf.status, 0) << lauf.fehler;
        std::istringstream zeilen(lauf.aus);
        for (int code : {1, 9}) {
            std::string zeile;
            ASSERT_TRUE(std::getline(zeilen, zeile));
            EXPECT_EQ(lies(zeile)["decisive"]["code"], code);
        }
        EXPECT_TRUE(zeilen.peek() == EOF);
    }
}

// Many series in one input, answered line by line in input order; a series that cannot be
// used gets its error line, the others are computed as from a file.
TEST(Eingabe, serienAlsJsonLines) {
    std::string ein;
    for (int i = 0; i < 150; ++i) // more than one block
        ein += i == 70 ? "kaputt\n\n"
                       : "{\"id\":" + std::to_string(i) + ",\"x\":[2,3,4,5],\"y\":[8,11,14,17]}\n";
    ein += R"({"id":"k","x":[1,2],"y":[1,2]})";
    const auto lauf = starte({"--serien", "-j", "2", "-"}, ein);
    EXPECT_EQ(lauf.status, 2);
    const auto datei = lies(starte({"--json", gerade()}).aus);
    std::istringstream zeilen(lauf.aus);
    std::string zeile;
    for (int i = 0; std::getline(zeilen, zeile); ++i) {
        const auto j = lies(zeile);
        if (i == 70 || i == 150) {
            EXPECT_EQ(j["error"]["text"], i == 70 ? "Zeile 71 ist kein JSON-Objekt einer Reihe."
                                                  : tk::meldungMinPaare().text);
            continue;
        }
        EXPECT_EQ(j["id"], i);
        EXPECT_EQ(j["decisive"], datei["decisive"]);
    }
}

// A pipe (as <(...) or /dev/stdin give) is read once like standard input.
TEST(Eingabe, ausEinerPipe) {
    const std::string fifo = testing::TempDir() + std::to_string(::getpid()) + "-rohr";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::jthread schreiber(
        [&] { std::ofstream(fifo) << "Gerade\r\n4\r\n1\r\n2 8\r\n3 11\r\n4 14\r\n5 17\r\n"; });
    const auto lauf = starte({"--json", "--modus", "regression", fifo});
    ::unlink(fifo.c_str());
    ASSERT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lies(lauf.aus)["decisive"]["code"], 1);
}

// Results that cannot be written (a full disk, /dev/full) end with status 3 and a message.
TEST(Ausgabe, schreibfehlerGibtStatus3) {
    struct Voll : std::streambuf {
        int_type overflow(int_type) override { return traits_type::eof(); }
    } voll;
    std::ostream aus(&voll);
    std::ostringstream fehler;
    std::istringstream ein;
    EXPECT_EQ(tk::cli::ausfuehren({"--json", gerade(), wurzel()}, aus, fehler, ein), 3);
    EXPECT_NE(fehler.str().find("Die Ausgabe ließ sich nicht schreiben"), std::string::npos);
}

// An endless standard input (/dev/zero) is refused at the size limit, not read forever.
TEST(Csv, endloseEingabe) {
    struct Endlos : std::streambuf {
        char puffer[4096];
        int_type underflow() override {
            std::fill(std::begin(puffer), std::end(puffer), '0');
            setg(puffer, puffer, std::end(puffer));
            return '0';
        }
    } quelle;
    std::istream ein(&quelle);
    std::ostringstream aus, fehler;
    EXPECT_EQ(tk::cli::ausfuehren({"--csv", "--modus", "regression", "-"}, aus, fehler, ein), 2);
    EXPECT_NE(fehler.str().find("größer als 16 MiB"), std::string::npos) << fehler.str();
}

// Query answers themselves are stored answers (BeispieleTest).

TEST(Abfrage, ohneErgebnisKeineAbfrage) {
    const auto lauf = starte({"--json", "--prozent", "50",
                              datei("neg.pro", "N\r\n4\r\n1\r\n1 -2\r\n2 3\r\n3 4\r\n4 9\r\n")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_TRUE(lies(lauf.aus)["query"].is_null());
    EXPECT_NE(lauf.fehler.find("Keine Abfrage"), std::string::npos);
    const auto regression = starte({"--x", "2", gleicheX()});
    EXPECT_EQ(regression.status, 1);
    EXPECT_NE(regression.aus.find("Kein entscheidendes Modell"), std::string::npos);
}

} // namespace
