// Every bundled example gives its stored answer.

#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "datafile/Datei.h"
#include "tests/cli/Aufruf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

using tk::test::Json;
using tk::test::lies;

std::vector<std::string> beispielDateien() {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(TK_BEISPIELE)) {
        const auto endung = e.path().extension();
        if (endung == ".rgr" || endung == ".pro") namen.push_back(e.path().filename());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string inhalt(const std::string& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    return {std::istreambuf_iterator<char>(ein), {}};
}

class Beispiel : public testing::TestWithParam<std::string> {};

// The answers were written from inside examples/, so they name the file alone.
// Refresh after an intended change of the results:
//   cd examples && for f in *.rgr *.pro; do
//   ../build/cli/trendkurve-cli --json $f > ../tests/cli/antworten/$f.json
//   ../build/cli/trendkurve-cli $f > ../tests/cli/antworten/$f.txt; done
TEST_P(Beispiel, jsonUndTabelleWieGespeichert) {
    const std::string datei = tk::test::beispiel(GetParam());
    const std::string antwort = std::string(TK_ANTWORTEN) + "/" + GetParam();
    const auto json = tk::test::starte({"--json", datei});
    ASSERT_LE(json.status, 1) << json.fehler;
    Json j = lies(json.aus);
    EXPECT_EQ(j["file"], datei);
    j["file"] = GetParam();
    const Json soll = lies(inhalt(antwort + ".json"));
    EXPECT_TRUE(tk::test::gleich(j, soll)) << j.dump() << "\n" << soll.dump();
    auto tabelle = tk::test::starte({datei});
    tabelle.aus.replace(tabelle.aus.find(datei), datei.size(), GetParam());
    EXPECT_TRUE(tk::test::gleich(tabelle.aus, inhalt(antwort + ".txt"))) << tabelle.aus;
}

// The answer as text and as a value (for Python and the CSV rows) come from one structure:
// the value written out is the text byte for byte, lists of query answers and error
// entries included.
TEST_P(Beispiel, TextUndWertStimmenUeberein) {
    namespace b = tk::bericht;
    const std::string datei = tk::test::beispiel(GetParam());
    std::ifstream ein(datei, std::ios::binary);
    const tk::Datensatz d = tk::lesen(ein);
    const tk::DateiArt art = tk::artVon(datei);
    b::Abfragewunsch abfrage;
    if (art == tk::DateiArt::Prognose) {
        abfrage.x = {"unendlich"};
        abfrage.prozent = {50, 90};
    } else {
        abfrage.x = {"2", "3,5"};
        abfrage.y = {10};
    }
    for (const b::Abfragewunsch& w : {b::Abfragewunsch{}, abfrage}) {
        const b::Bericht bericht = b::berichtErstellen(datei, art, d, w);
        EXPECT_EQ(b::jsonText(b::alsJsonWert(bericht, GetParam())) + "\n",
                  b::alsJson(bericht, GetParam()));
    }
}

INSTANTIATE_TEST_SUITE_P(Dateien, Beispiel, testing::ValuesIn(beispielDateien()),
                         [](const auto& info) {
                             std::string n = info.param;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return n;
                         });

// Calls on the examples: options refused, and what the query fields accept, nudge and
// answer, with status and messages, as table and JSON. Each line of abfragen.txt is one
// call; the answers were written from inside examples/ (refresh like the examples' answers).
TEST(Abfragen, WieGespeichert) {
    std::ifstream zeilen(std::string(TK_ANTWORTEN) + "/../abfragen.txt");
    std::string alles;
    for (std::string zeile; std::getline(zeilen, zeile);) {
        std::istringstream woerter(zeile);
        std::vector<std::string> arg{std::istream_iterator<std::string>(woerter), {}};
        const std::string datei = arg.front();
        arg.front() = tk::test::beispiel(datei);
        for (bool json : {false, true}) {
            if (json) arg.insert(arg.begin(), "--json");
            auto lauf = tk::test::starte(arg);
            for (std::string* t : {&lauf.aus, &lauf.fehler})
                for (std::size_t i; (i = t->find(arg[json ? 1 : 0])) != std::string::npos;)
                    t->replace(i, arg[json ? 1 : 0].size(), datei);
            alles += "$ " + std::string(json ? "--json " : "") + zeile + "\n" +
                     std::to_string(lauf.status) + "\n" + lauf.aus + lauf.fehler;
        }
    }
    const std::string gespeichert = std::string(TK_ANTWORTEN) + "/abfragen.txt";
    if (std::getenv("TK_ANTWORTEN_NEU")) std::ofstream(gespeichert, std::ios::binary) << alles;
    EXPECT_TRUE(tk::test::gleich(alles, inhalt(gespeichert))) << alles;
}

} // namespace
