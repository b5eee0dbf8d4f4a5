// Number texts, checked arithmetic and axis ticks.
#include "calc/Format.h"
#include "calc/Achsenteilung.h"
#include "calc/Ergebnistabelle.h"
#include "calc/Rechnen.h"

#include <clocale>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>

namespace tk {
namespace {

struct Text {
    std::string (*format)(double);
    double wert;
    const char* erwartet;
};
class Zahltext : public ::testing::TestWithParam<Text> {};
TEST_P(Zahltext, WieAngezeigt) {
    EXPECT_EQ(GetParam().format(GetParam().wert), GetParam().erwartet) << GetParam().wert;
}
std::string druck12(double v) {
    return DruckFormat(12, v);
}
INSTANTIATE_TEST_SUITE_P(
    Formate, Zahltext,
    ::testing::Values(
        Text{druck12, 7, "  7"}, Text{druck12, 1234, "1234"}, Text{druck12, -0.3, "  0"},
        Text{druck12, -3, " -3"}, Text{druck12, 2.6, "  3"}, Text{druck12, 0.49, "  0"},
        Text{formatWert, 12.5, "12.5000000"}, Text{formatWert, 0, "0.0000000E+00"},
        Text{formatWert, 1000000, "1.0000000E+06"}, Text{formatWert, 999999.5, "999999.5000000"},
        Text{formatWert, 0.00000005, "5.0000000E-08"}, Text{formatWert, -0.5, "-0.5000000"},
        Text{Zahl, 100000, "1.000000E+05"}, Text{Zahl, 0.000001, "1.000000E-06"},
        Text{Zahl, 99999.5, "99999.500000"}, Text{Zahl, -1.25, "-1.250000"},
        Text{listenForm, 5, " 5 "}, Text{listenForm, -2.5, "-2.5 "},
        Text{listenForm, 0.0000001, " 1E-07 "}, Text{listenForm, 0, " 0 "},
        Text{listenForm, 123456789012345.0, " 123456789012345 "},
        // legends in the data's units: six significant digits, nothing shown as 0 but 0
        Text{legendenZahl, 0.00003, "3.00000E-05"}, Text{legendenZahl, -0.000006, "-6.00000E-06"},
        Text{legendenZahl, 11503123.14554999, "1.15031E+07"}, Text{legendenZahl, 0, "0"},
        Text{legendenZahl, 0.0012345678, "0.00123457"}, Text{legendenZahl, -123.4567, "-123.457"},
        Text{legendenZahl, 999999.7, "1.00000E+06"}, Text{legendenZahl, 0.998123456, "0.998123"}));

TEST(Format, FesteStellenOhneNegativeNull) {
    EXPECT_EQ(formatFest(-0.5, 10), "-0.5000000000");
    EXPECT_EQ(formatFest(-0.00001, 3), "0.000");
    EXPECT_EQ(formatFest(0.99999999999, 10), "1.0000000000");
}

// The leading number of a field's text, as the fields read it.
TEST(Format, FuehrendeZahlEinesTextes) {
    const std::vector<std::pair<const char*, double>> faelle = {
        {"12.5abc", 12.5}, {"abc", 0}, {"-.5", -0.5}, {"3-2", 3}, {"1e", 1}, {"1E999", 0}};
    for (const auto& [text, wert] : faelle) EXPECT_DOUBLE_EQ(zahlWert(text), wert) << text;
}

// A German number locale must not put commas into texts or files, and whatever the
// program writes into a data file must read back.
TEST(Format, LesbarUnabhaengigVomGebietsschema) {
    for (double v : {1.7976931348623157e308, -1.7976931348623157e308, 4.9e-324, 123.456})
        EXPECT_DOUBLE_EQ(std::strtod(allgemein(v).c_str(), nullptr), v) << allgemein(v);
    const std::string alt = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "kein deutsches Gebietsschema installiert";
    EXPECT_EQ(formatFest(1.5, 2), "1.50");
    EXPECT_EQ(listenForm(2.5), " 2.5 ");
    EXPECT_DOUBLE_EQ(zahlWert("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, alt.c_str());
}

// ---- checked arithmetic

struct Rechenfall {
    const char* name;
    double (*rechnung)();
    int code;
};
class GepruefteArithmetik : public ::testing::TestWithParam<Rechenfall> {};
TEST_P(GepruefteArithmetik, WirftDenRichtigenCode) {
    try {
        GetParam().rechnung();
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.code, GetParam().code);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, GepruefteArithmetik,
    ::testing::Values(Rechenfall{"ln0", [] { return rechnen::ln(0); }, 5},
                      Rechenfall{"teile0", [] { return rechnen::teile(1, 0); }, 11},
                      Rechenfall{"expGross", [] { return rechnen::exp(1000); }, 6},
                      Rechenfall{"negBasis", [] { return rechnen::potenz(-8, 1.0 / 3); }, 5},
                      Rechenfall{"LvonNull", [] { return rechnen::L(0); }, 5},
                      Rechenfall{"LLvonEins", [] { return rechnen::LL(1); }, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GepruefteArithmetik, VorzeichenDerLogarithmen) {
    EXPECT_DOUBLE_EQ(rechnen::potenz(-2, 3), -8);
    EXPECT_NEAR(rechnen::L(-std::exp(2.0)), -2, 1e-12);
    // ln|ln 0.5| carries the sign of ln 0.5 (negative) and of t (positive)
    EXPECT_NEAR(rechnen::LL(0.5), -std::log(std::fabs(std::log(0.5))), 1e-12);
    EXPECT_NEAR(rechnen::LL(-std::exp(std::exp(1.0))), -1, 1e-12);
}

// ---- axis ticks and sampled curves

// Round steps, the range enclosed, a handful of ticks, 0 on the axis when the range
// crosses it, and texts that tell the ticks apart and read back as their values.
class Teilung : public ::testing::TestWithParam<std::pair<double, double>> {};
TEST_P(Teilung, RundeSchritteUmfassenDenBereich) {
    const auto [min, max] = GetParam();
    const Achsenteilung t = achsenteilung(min, max);
    const double mantisse = t.schritt / std::pow(10.0, std::floor(std::log10(t.schritt) + 1e-9));
    EXPECT_TRUE(std::fabs(mantisse - 1) < 1e-9 || std::fabs(mantisse - 2) < 1e-9 ||
                std::fabs(mantisse - 5) < 1e-9)
        << t.schritt;
    EXPECT_LE(t.von, std::min(min, max));
    EXPECT_GE(t.bis, std::max(min, max));
    EXPECT_GE(t.marken.size(), 3u);
    EXPECT_LE(t.marken.size(), 12u);
    EXPECT_NEAR(t.marken.back(), t.bis, t.schritt * 1e-9);
    if (t.von < 0 && t.bis > 0) {
        EXPECT_EQ(std::count(t.marken.begin(), t.marken.end(), 0.0), 1);
    }
    std::set<std::string> texte;
    for (double m : t.marken) {
        const std::string text = markenText(m, t);
        texte.insert(text);
        // the power of ten goes into the axis title once
        EXPECT_EQ(text.find('E'), std::string::npos) << text;
        EXPECT_NEAR(std::stod(text) * std::pow(10.0, gemeinsamerExponent(t)), m, t.schritt * 1e-6)
            << text;
    }
    EXPECT_EQ(texte.size(), t.marken.size());
}
INSTANTIATE_TEST_SUITE_P(Bereiche, Teilung,
                         ::testing::Values(std::pair{1e-6, 3e-6}, std::pair{12345.0, 12346.0},
                                           std::pair{-7.3, -2.1}, std::pair{-3.0, 8.0},
                                           std::pair{0.0, 0.0}, std::pair{8.0, -1.0},
                                           std::pair{1e7, 4e7}));

} // namespace
} // namespace tk

// A cell a spreadsheet would run as a formula gets a leading apostrophe, in the CSV file
// and on the clipboard alike; the program's own numbers stay numbers.
TEST(Ergebnistabelle, KeineFormelnInDerAusgabe) {
    struct Fall {
        const char *zelle, *csv, *tsv;
    };
    const Fall faelle[] = {{"=2+3", "'=2+3", "'=2+3"},
                           {"+SUMME(A1)", "'+SUMME(A1)", "'+SUMME(A1)"},
                           {"@A1", "'@A1", "'@A1"},
                           {"-Test", "'-Test", "'-Test"},
                           {"\tA", "'\tA", "' A"},
                           {"=A1;B1", "\"'=A1;B1\"", "'=A1;B1"},
                           {"-1,5", "-1,5", "-1,5"},
                           {"+4", "+4", "+4"},
                           {"-1,25E-07", "-1,25E-07", "-1,25E-07"},
                           {"Umsatz", "Umsatz", "Umsatz"}};
    for (const auto& f : faelle) {
        EXPECT_EQ(tk::alsCsv({{f.zelle}}), std::string(f.csv) + "\r\n") << f.zelle;
        EXPECT_EQ(tk::alsTsv({{f.zelle}}), std::string(f.tsv) + "\r\n") << f.zelle;
    }
}
