// Every bundled example gives the documented JSON shape.

#include "Aufruf.h"
#include "JsonLeser.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <set>

namespace {

using tk::test::JsonWert;
using Art = JsonWert::Art;
using Schluessel = std::vector<std::string>;

std::vector<std::string> beispielDateien() {
    std::vector<std::string> namen;
    for (const auto& e : std::filesystem::directory_iterator(TK_BEISPIELE)) {
        const auto endung = e.path().extension();
        if (endung == ".rgr" || endung == ".pro") namen.push_back(e.path().filename());
    }
    std::sort(namen.begin(), namen.end());
    return namen;
}

void zahlOderNull(const JsonWert& w, const std::string& wo) {
    EXPECT_TRUE(w.art == Art::Zahl || w.art == Art::Null) << wo;
}

void fehlerFeld(const JsonWert& e, const std::string& wo) {
    if (e.istNull()) return;
    ASSERT_EQ(e.schluessel(), (Schluessel{"code", "message"})) << wo;
    EXPECT_EQ(e["code"].art, Art::Zahl) << wo;
    EXPECT_FALSE(e["message"].text.empty()) << wo;
}

void pruefeRegression(const JsonWert& j) {
    ASSERT_EQ(j.schluessel(), (Schluessel{"mode", "n", "title", "models", "decisive", "query"}));
    const auto& modelle = j["models"].liste;
    ASSERT_EQ(modelle.size(), 9u);
    const std::vector<int> codes = {1, 2, 5, 7, 8, 9, 10, 11, 12};
    for (std::size_t k = 0; k < 9; ++k) {
        const auto& m = modelle[k];
        const std::string wo = "model " + std::to_string(codes[k]);
        ASSERT_EQ(m.schluessel(),
                  (Schluessel{"code", "formula", "r", "A", "B", "admissible", "ok", "error"}))
            << wo;
        EXPECT_EQ(m["code"].zahl, codes[k]);
        EXPECT_FALSE(m["formula"].text.empty()) << wo;
        EXPECT_EQ(m["admissible"].art, Art::Bool) << wo;
        ASSERT_EQ(m["ok"].art, Art::Bool) << wo;
        for (const char* f : {"r", "A", "B"}) {
            // values exactly for the fits that succeeded
            EXPECT_EQ(m[f].art, m["ok"].wahr ? Art::Zahl : Art::Null) << wo << " " << f;
        }
        EXPECT_EQ(m["error"].istNull(), m["ok"].wahr) << wo;
        fehlerFeld(m["error"], wo);
    }
    const auto& d = j["decisive"];
    if (d.istNull()) return;
    ASSERT_EQ(d.schluessel(), (Schluessel{"code", "A", "B", "r"}));
    // the decisive model is the admissible one with the largest |r|
    double best = -1;
    for (const auto& m : modelle)
        if (m["ok"].wahr && m["admissible"].wahr) best = std::max(best, std::fabs(m["r"].zahl));
    EXPECT_DOUBLE_EQ(std::fabs(d["r"].zahl), best);
}

void pruefeFall(const JsonWert& c, const std::string& fall) {
    ASSERT_EQ(c.schluessel(), (Schluessel{"types", "decisive"})) << fall;
    const auto& typen = c["types"].liste;
    ASSERT_EQ(typen.size(), 3u) << fall;
    const std::vector<int> codes = {1, 3, 5};
    bool frueherAbgebrochen = false;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& t = typen[k];
        const std::string wo = fall + " type " + std::to_string(codes[k]);
        ASSERT_EQ(t.schluessel(),
                  (Schluessel{"type", "K", "r", "A", "B", "Xs", "iterations", "ok", "error"}))
            << wo;
        EXPECT_EQ(t["type"].zahl, codes[k]) << wo;
        ASSERT_EQ(t["iterations"].art, Art::Zahl) << wo;
        for (const char* f : {"K", "r", "A", "B", "Xs"})
            EXPECT_EQ(t[f].art, t["ok"].wahr ? Art::Zahl : Art::Null) << wo << " " << f;
        if (t["ok"].wahr) {
            EXPECT_GE(t["iterations"].zahl, 1) << wo;
        }
        // after a failed type nothing more runs
        if (frueherAbgebrochen) {
            EXPECT_FALSE(t["ok"].wahr) << wo;
            EXPECT_TRUE(t["error"].istNull()) << wo;
        }
        if (!t["ok"].wahr) frueherAbgebrochen = true;
        fehlerFeld(t["error"], wo);
    }
    const auto& d = c["decisive"];
    if (d.istNull()) {
        EXPECT_FALSE(typen[0]["ok"].wahr) << fall;
        return;
    }
    ASSERT_EQ(d.schluessel(),
              (Schluessel{"type", "KMax", "A", "B", "r", "Xs", "X1", "X99", "X50", "Ks", "Xwp1",
                          "Xwp2", "KMaxLower", "KMaxUpper", "phiXs", "T"}))
        << fall;
    for (const auto& [k, v] : d.objekt) zahlOderNull(v, fall + " decisive " + k);
    // the decisive type is one that completed, with the same figures
    const auto& gewaehlt = typen[static_cast<std::size_t>(d["type"].zahl) / 2];
    EXPECT_TRUE(gewaehlt["ok"].wahr) << fall;
    EXPECT_DOUBLE_EQ(gewaehlt["K"].zahl, d["KMax"].zahl) << fall;
    EXPECT_DOUBLE_EQ(gewaehlt["r"].zahl, d["r"].zahl) << fall;
    if (!d["X1"].istNull() && !d["X99"].istNull()) {
        EXPECT_LT(d["X1"].zahl, d["X99"].zahl) << fall;
    }
}

void pruefePrognose(const JsonWert& j) {
    ASSERT_EQ(j.schluessel(), (Schluessel{"mode", "n", "title", "shift", "cases", "query"}));
    EXPECT_EQ(j["shift"].art, Art::Zahl);
    ASSERT_EQ(j["cases"].schluessel(), (Schluessel{"summenwerte", "einzelwerte"}));
    pruefeFall(j["cases"]["summenwerte"], "summenwerte");
    pruefeFall(j["cases"]["einzelwerte"], "einzelwerte");
}

class Beispiel : public testing::TestWithParam<std::string> {};

TEST_P(Beispiel, jsonHatDieVereinbarteForm) {
    const std::string datei = tk::test::beispiel(GetParam());
    const auto lauf = tk::test::starte({"--json", datei});
    ASSERT_LE(lauf.status, 1) << lauf.fehler;
    ASSERT_EQ(lauf.aus.find("NaN"), std::string::npos);
    ASSERT_EQ(lauf.aus.find("nan"), std::string::npos);
    ASSERT_EQ(lauf.aus.find("inf"), std::string::npos);
    const JsonWert j = tk::test::JsonLeser::lies(lauf.aus);
    ASSERT_EQ(j.art, Art::Objekt);
    EXPECT_FALSE(j["title"].text.empty());
    EXPECT_GE(j["n"].zahl, 4);
    EXPECT_LE(j["n"].zahl, 21);
    EXPECT_TRUE(j["query"].istNull());
    const bool prognose = GetParam().ends_with(".pro");
    EXPECT_EQ(j["mode"].text, prognose ? "prognosis" : "regression");
    if (prognose)
        pruefePrognose(j);
    else
        pruefeRegression(j);
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
    std::ifstream ein(tk::test::beispiel(GetParam()), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(ein), {}};
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
        const auto lauf = tk::test::starte({"--json", tk::test::beispiel(name)});
        const JsonWert j = tk::test::JsonLeser::lies(lauf.aus);
        if (j["mode"].text == "regression") {
            ++regression;
            if (!j["decisive"].istNull())
                modelle.insert(static_cast<int>(j["decisive"]["code"].zahl));
        } else {
            ++prognose;
            for (const char* fall : {"summenwerte", "einzelwerte"})
                if (const auto& d = j["cases"][fall]["decisive"]; !d.istNull())
                    typen.insert(static_cast<int>(d["type"].zahl));
        }
    }
    EXPECT_GE(regression, 3);
    EXPECT_GE(prognose, 3);
    EXPECT_GE(modelle.size(), 3u);
    EXPECT_EQ(typen, (std::set<int>{1, 3, 5}));
}

} // namespace
