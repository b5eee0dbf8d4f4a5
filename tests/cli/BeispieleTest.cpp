// Every bundled example gives the documented JSON shape.

#include "Aufruf.h"
#include "JsonLeser.h"

#include "Datei.h"
#include "Rechenlauf.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>

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

// The shape of a value: object keys in order, and the kind of each value
// (z number, t text, b true/false, - null).
std::string form(const JsonWert& w) {
    std::string s;
    for (const auto& e : w.liste) s += form(e) + ",";
    for (const auto& [k, v] : w.objekt) s += k + ":" + form(v) + ",";
    if (w.art == Art::Liste) return "[" + s + "]";
    if (w.art == Art::Objekt) return "{" + s + "}";
    return std::string(1, "-bzt"[static_cast<int>(w.art)]);
}

const std::string Fehlerform = "{code:z,message:t,}";

void pruefeRegression(const JsonWert& j) {
    ASSERT_EQ(j.schluessel(), (Schluessel{"mode", "n", "title", "models", "decisive", "query"}));
    const auto& modelle = j["models"].liste;
    ASSERT_EQ(modelle.size(), 9u);
    const std::vector<int> codes = {1, 2, 5, 7, 8, 9, 10, 11, 12};
    double best = -1;
    for (std::size_t k = 0; k < 9; ++k) {
        const auto& m = modelle[k];
        // values exactly for the fits that succeeded, an error for the others
        const bool ok = m["ok"].wahr;
        // a model whose A overflowed keeps r and B
        const bool ohneA = !ok && m["r"].art == Art::Zahl;
        EXPECT_EQ(form(m), std::string("{code:z,formula:t,") +
                               (ok      ? "r:z,A:z,B:z,"
                                : ohneA ? "r:z,A:-,B:z,"
                                        : "r:-,A:-,B:-,") +
                               "admissible:b,ok:b,error:" + (ok ? "-" : Fehlerform) + ",}");
        EXPECT_EQ(m["code"].zahl, codes[k]);
        EXPECT_FALSE(m["formula"].text.empty());
        if (ok && m["admissible"].wahr) best = std::max(best, std::fabs(m["r"].zahl));
    }
    const auto& d = j["decisive"];
    if (d.istNull()) return;
    EXPECT_EQ(form(d), "{code:z,A:z,B:z,r:z,}");
    // the decisive model is the admissible one with the largest |r|
    EXPECT_DOUBLE_EQ(std::fabs(d["r"].zahl), best);
}

void pruefeFall(const JsonWert& c, const std::string& fall) {
    SCOPED_TRACE(fall);
    ASSERT_EQ(c.schluessel(), (Schluessel{"types", "decisive"}));
    const auto& typen = c["types"].liste;
    ASSERT_EQ(typen.size(), 3u);
    bool frueherAbgebrochen = false;
    for (std::size_t k = 0; k < 3; ++k) {
        const auto& t = typen[k];
        const bool ok = t["ok"].wahr;
        // after a failed type nothing more runs: no values, no error
        const std::string fehler =
            ok || frueherAbgebrochen || t["error"].istNull() ? "-" : Fehlerform;
        EXPECT_EQ(form(t), std::string("{type:z,") +
                               (ok ? "K:z,r:z,A:z,B:z,Xs:z," : "K:-,r:-,A:-,B:-,Xs:-,") +
                               "iterations:z,ok:b,error:" + fehler + ",}");
        EXPECT_EQ(t["type"].zahl, 2.0 * static_cast<double>(k) + 1);
        if (ok) {
            EXPECT_FALSE(frueherAbgebrochen);
            EXPECT_GE(t["iterations"].zahl, 1);
        }
        frueherAbgebrochen |= !ok;
    }
    const auto& d = c["decisive"];
    if (d.istNull()) {
        EXPECT_FALSE(typen[0]["ok"].wahr);
        return;
    }
    std::string f = form(d); // a value that could not be computed is null
    std::replace(f.begin(), f.end(), '-', 'z');
    EXPECT_EQ(f, "{type:z,KMax:z,A:z,B:z,r:z,Xs:z,X1:z,X99:z,X50:z,Ks:z,Xwp1:z,Xwp2:z,"
                 "KMaxLower:z,KMaxUpper:z,phiXs:z,T:z,}");
    // the decisive type is one that completed, with the same figures
    const auto& gewaehlt = typen[static_cast<std::size_t>(d["type"].zahl) / 2];
    EXPECT_TRUE(gewaehlt["ok"].wahr);
    EXPECT_DOUBLE_EQ(gewaehlt["K"].zahl, d["KMax"].zahl);
    EXPECT_DOUBLE_EQ(gewaehlt["r"].zahl, d["r"].zahl);
    if (!d["X1"].istNull() && !d["X99"].istNull()) {
        EXPECT_LT(d["X1"].zahl, d["X99"].zahl);
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

// The calculation run with both prognosis cases at once gives, bit for bit, what the
// fits give one after the other on the shared state, and leaves the state alike.
TEST_P(Beispiel, rechenlaufGleichtDemRechnenNacheinander) {
    tk::Programmzustand z;
    z.ModusPrognostik = GetParam().ends_with(".pro");
    z.initialisierenEingabe();
    tk::uebernehmen(z, tk::laden(tk::test::beispiel(GetParam())));
    tk::MaxMinWert(z, z.AnzPaare);
    const tk::Laufergebnis lauf = tk::rechenlauf(z, {}, true);
    std::vector<double> erwartet, erhalten, codes;
    const auto melden = [&](const tk::Fehler& f) { codes.push_back(f.code); };
    const auto zahlen = [](std::vector<double>& v, const tk::FallErgebnis& e) {
        for (const auto& t : e.typen)
            v.insert(v.end(), {double(t.iterationen), t.K, t.r, t.A, t.Xs});
    };
    if (z.ModusPrognostik) {
        zahlen(erwartet, RegressFaktorP(z, Untersuch1(z), {}, melden));
        zahlen(erwartet, RegressFaktorP(z, Untersuch2(z), {}, melden));
        zahlen(erhalten, lauf.summenwerte);
        zahlen(erhalten, lauf.einzelwerte);
    } else {
        MassgR(z, melden);
    }
    erwartet.insert(erwartet.end(), codes.begin(), codes.end());
    for (const auto& f : lauf.meldungen) erhalten.push_back(f.code);
    const auto ergebnis = [](std::vector<double>& v, const tk::Programmzustand& s) {
        v.insert(v.end(), {s.KorrR, s.KonstA, s.KoeffB, s.KMax, s.WertXs, double(s.KurvenTyp),
                           double(s.ModellNr)});
    };
    ergebnis(erwartet, z);
    ergebnis(erhalten, lauf.z);
    EXPECT_EQ(erhalten, erwartet);
    EXPECT_FALSE(lauf.abgebrochen);
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

} // namespace
