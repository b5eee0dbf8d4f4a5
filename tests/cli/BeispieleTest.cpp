// Every bundled example gives its stored answer.

#include "Aufruf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>

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
//   ../build/cli/trendkurve-cli --json $f > ../tests/cli/antworten/$f.json; done
TEST_P(Beispiel, jsonWieGespeichert) {
    const std::string datei = tk::test::beispiel(GetParam());
    const auto lauf = tk::test::starte({"--json", datei});
    ASSERT_LE(lauf.status, 1) << lauf.fehler;
    Json j = lies(lauf.aus);
    EXPECT_EQ(j["file"], datei);
    j["file"] = GetParam();
    EXPECT_EQ(j, lies(inhalt(std::string(TK_ANTWORTEN) + "/" + GetParam() + ".json")));
}

TEST_P(Beispiel, tabelleNenntDieEntscheidung) {
    const auto lauf = tk::test::starte({tk::test::beispiel(GetParam())});
    if (lauf.status == 0) {
        EXPECT_NE(lauf.aus.find("Entscheidend"), std::string::npos) << lauf.aus;
    } else {
        EXPECT_NE(lauf.fehler.find("kein Ergebnis"), std::string::npos) << lauf.fehler;
    }
}

TEST_P(Beispiel, istEineCrLfDatei) {
    const std::string text = inhalt(tk::test::beispiel(GetParam()));
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') {
            ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Dateien, Beispiel, testing::ValuesIn(beispielDateien()),
                         [](const auto& info) {
                             std::string n = info.param;
                             std::replace_if(
                                 n.begin(), n.end(), [](char c) { return !std::isalnum(c); }, '_');
                             return n;
                         });

// The bundled set shows different decisive models and curve types.
TEST(Beispiele, zeigenVerschiedeneEntscheidungen) {
    std::set<int> modelle, typen;
    int regression = 0, prognose = 0;
    for (const auto& name : beispielDateien()) {
        Json j = lies(tk::test::starte({"--json", tk::test::beispiel(name)}).aus);
        if (j["mode"] == "regression") {
            ++regression;
            if (!j["decisive"].is_null()) modelle.insert(j["decisive"]["code"].get<int>());
        } else {
            ++prognose;
            for (const char* fall : {"summenwerte", "einzelwerte"})
                if (const auto& d = j["cases"][fall]["decisive"]; !d.is_null())
                    typen.insert(d["type"].get<int>());
        }
    }
    EXPECT_GE(regression, 3);
    EXPECT_GE(prognose, 3);
    EXPECT_GE(modelle.size(), 3u);
    EXPECT_EQ(typen, (std::set<int>{1, 3, 5}));
}

} // namespace
