// Every bundled example gives its stored answer.

#include "Aufruf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

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
    EXPECT_EQ(j, lies(inhalt(antwort + ".json")));
    auto tabelle = tk::test::starte({datei});
    tabelle.aus.replace(tabelle.aus.find(datei), datei.size(), GetParam());
    EXPECT_EQ(tabelle.aus, inhalt(antwort + ".txt"));
}

INSTANTIATE_TEST_SUITE_P(Dateien, Beispiel, testing::ValuesIn(beispielDateien()),
                         [](const auto& info) {
                             std::string n = info.param;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return n;
                         });

} // namespace
