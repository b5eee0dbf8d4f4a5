// The library's facade as a user of it sees it: refusals carry the program's code and German
// text, and the results do not depend on other calls running at the same time.
#include <trendkurve/trendkurve.h>

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <functional>
#include <thread>

namespace {

using namespace trendkurve;

struct Ablehnung {
    const char* name;
    std::function<void()> aufruf;
    int code;
    const char* text; // the start of the message
};

class BibliothekAblehnung : public ::testing::TestWithParam<Ablehnung> {};

const std::vector<double> x4 = {1, 2, 3, 4}, k4 = {10, 30, 60, 80};

TEST_P(BibliothekAblehnung, CodeUndText) {
    try {
        GetParam().aufruf();
        FAIL() << "not refused";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.code(), GetParam().code);
        EXPECT_EQ(f.text().rfind(GetParam().text, 0), 0u) << f.text();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, BibliothekAblehnung,
    ::testing::Values(
        Ablehnung{"dreiPaare",
                  [] {
                      regression({1, 2, 3}, {1, 2, 3});
                  },
                  62, "Es müssen mindestens 4 Wertepaare eingegeben werden"},
        Ablehnung{"22Paare",
                  [] { prognose(std::vector<double>(22, 1), std::vector<double>(22, 1)); }, 62,
                  "Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"},
        Ablehnung{"ungleichLang",
                  [] {
                      regression(x4, {1, 2, 3});
                  },
                  62, "Ungleich viele Werte: 4 X-Werte und 3 Y-Werte."},
        Ablehnung{"keineZahl",
                  [] {
                      prognose(x4, {10, 30, NAN, 80});
                  },
                  62, "Der K-Wert von Paar 3 ist keine gültige endliche Zahl."},
        Ablehnung{"prozentUeber100", [] { prognose(x4, k4).fuerProzent(101); }, 5,
                  "Der Summen%-Wert muss grösser >= 1% und <=100% sein!"},
        Ablehnung{"fehlendeDatei", [] { lesen("/nicht/vorhanden.rgr"); }, 76, ""},
        Ablehnung{"unbekannteArt", [] { lesen("daten.txt"); }, 52, "Unbekannte Dateiart"}),
    [](const auto& info) { return info.param.name; });

TEST(Bibliothek, SchreibenUndLesenGebenDenDatensatzZurueck) {
    const auto pfad = std::filesystem::temp_directory_path() / "tk-bibliothek-test.pro";
    const Datensatz d{"Absatz, Nord", Modus::Prognose, {1, 2, 3, 4.5}, {1.25, 3, 7, 12}};
    schreiben(pfad.string(), d);
    const Datensatz e = lesen(pfad.string());
    std::filesystem::remove(pfad);
    EXPECT_EQ(e.titel, d.titel);
    EXPECT_EQ(e.modus, Modus::Prognose);
    EXPECT_EQ(e.x, d.x);
    EXPECT_EQ(e.y, d.y);
}

// No shared state: the same fits on four threads give what one thread gives.
TEST(Bibliothek, GleichzeitigeAufrufeRechnenWieEiner) {
    const std::vector<double> x = {1, 2, 3, 4, 5, 6}, y = {2.1, 3.9, 6.2, 7.8, 10.1, 12.2};
    const Regression allein = regression(x, y);
    std::vector<double> ys(4);
    std::vector<std::thread> faeden;
    for (std::size_t i = 0; i < ys.size(); ++i)
        faeden.emplace_back([&, i] { ys[i] = regression(x, y).yFuerX(7).y; });
    for (auto& f : faeden) f.join();
    for (double v : ys) EXPECT_NEAR(v, allein.yFuerX(7).y, 1e-12);
}

} // namespace
