// The reader: the forms list input allows, and files it refuses whole.

#include "datafile/Datei.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

tk::Datensatz lies(const std::string& text) {
    std::istringstream ein(text);
    return tk::lesen(ein);
}

const std::string vierPaare = " 1  2 \r\n 3  4 \r\n 5  6 \r\n 7  8 \r\n";

std::string mitTitel(const std::string& zeile) {
    return zeile + "\r\n4\r\n1\r\n" + vierPaare;
}

std::string einundzwanzig() {
    std::string s = "T\r\n21.0\r\n0\r\n";
    for (int i = 1; i <= 21; ++i) s += std::to_string(i) + " " + std::to_string(i * i) + "\r\n";
    return s;
}

struct Annahme {
    std::string text;
    std::string titel; // UTF-8, commas restored
    int anzahl = 4, kennzahl = 1;
    double x1 = 1, y1 = 2, xn = 7, yn = 8;
};

class LesenAnnahme : public testing::TestWithParam<Annahme> {};

TEST_P(LesenAnnahme, liestTitelAnzahlKennzahlUndPaare) {
    const auto& f = GetParam();
    const tk::Datensatz d = lies(f.text);
    EXPECT_EQ(d.Bezeichnung, f.titel);
    ASSERT_EQ(d.AnzPaare, f.anzahl);
    EXPECT_EQ(d.Kennzahl, f.kennzahl);
    ASSERT_EQ(d.X.size(), d.Y.size());
    ASSERT_EQ(d.X.size(), static_cast<std::size_t>(f.anzahl) + 1);
    EXPECT_DOUBLE_EQ(d.X[1], f.x1);
    EXPECT_DOUBLE_EQ(d.Y[1], f.y1);
    EXPECT_DOUBLE_EQ(d.X.back(), f.xn);
    EXPECT_DOUBLE_EQ(d.Y.back(), f.yn);
}

INSTANTIATE_TEST_SUITE_P(
    Formen, LesenAnnahme,
    testing::Values(Annahme{mitTitel("Umsatz@ Kosten"), "Umsatz, Kosten"},
                    Annahme{"T\n4\n1\n1 2\n3 4\n5 6\n7 8\n", "T"},
                    Annahme{"T\r\n4,1\r\n1,2, 3 ,4\r\n5   6\r\n7,8", "T"},
                    Annahme{"T\r\n4\r\n1\r\n1.5E+02 -3e-1\r\n+4 .5\r\n5. 6\r\n1E-07 -2.5E6\r\n",
                            "T", 4, 1, 150, -0.3, 1e-7, -2.5e6},
                    Annahme{mitTitel("   Titel mit Blanks   "), "Titel mit Blanks"},
                    Annahme{mitTitel("\"  Mit, Komma  \""), "  Mit, Komma  "},
                    Annahme{mitTitel("\"a, b\", "), "a, b"},
                    Annahme{"Titel, 4\r\n1\r\n" + vierPaare, "Titel"}, Annahme{mitTitel(""), ""},
                    Annahme{mitTitel("\xC4pfel \xFC\x62\x65r Stra\xDF\x65 \x80\xA0\x84x\x93"),
                            "Äpfel über Straße €\u00A0„x“"},
                    Annahme{mitTitel("a\x81z@@"), "a?z,,"},
                    // UTF-8 from a script; what Windows-1252 cannot hold becomes '?'
                    Annahme{mitTitel("Gr\xC3\xB6\xC3\x9F"
                                     "e \xC5\x82"),
                            "Größe ?"},
                    Annahme{mitTitel(std::string(60, '\xE4')),
                            [] {
                                std::string s;
                                for (int i = 0; i < 52; ++i) s += "ä";
                                return s;
                            }()},
                    Annahme{einundzwanzig(), "T", 21, 0, 1, 1, 21, 441},
                    Annahme{"T\r\n4\r\n-2.6\r\n" + vierPaare, "T", 4, -3}));

struct Ablehnung {
    std::string text;
    std::string beschreibungEnthaelt;
};

class LesenAblehnung : public testing::TestWithParam<Ablehnung> {};

TEST_P(LesenAblehnung, wirftFormatfehlerMitDeutscherBeschreibung) {
    const auto& f = GetParam();
    try {
        lies(f.text);
        FAIL() << "file was accepted";
    } catch (const tk::Fehler& e) {
        EXPECT_EQ(e.code, tk::fehlercode::DateiFormat);
        EXPECT_NE(e.beschreibung.find(f.beschreibungEnthaelt), std::string::npos) << e.beschreibung;
        EXPECT_LT(e.beschreibung.size(), 120u); // quotes a short excerpt at most
    }
}

std::string paar1(const std::string& zeile) {
    return "T\r\n4\r\n1\r\n" + zeile + "\r\n3 4\r\n5 6\r\n7 8\r\n";
}

INSTANTIATE_TEST_SUITE_P(
    Fehlerfaelle, LesenAblehnung,
    testing::Values(Ablehnung{"", "leer"}, Ablehnung{"Titel\r\n", "endet vorzeitig"},
                    Ablehnung{"T\r\n3\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n", "mindestens 4 Wertepaare"},
                    Ablehnung{"T\r\n22\r\n1\r\n", "Max. Anzahl = 21"},
                    Ablehnung{"T\r\n4.5\r\n1\r\n" + vierPaare, "ganze Zahl"},
                    Ablehnung{"T\r\nvier\r\n1\r\n" + vierPaare, "\"vier\""},
                    Ablehnung{"T\r\n4\r\n-40000\r\n" + vierPaare, "Kennzahl ist zu gross"},
                    Ablehnung{"T\r\n5\r\n1\r\n" + vierPaare, "X-Wert von Paar 5"},
                    Ablehnung{"T\r\n4\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n7\r\n", "Y-Wert von Paar 4"},
                    Ablehnung{paar1("1,,2"), "leeres Feld"},
                    Ablehnung{paar1("1E999 2"), "X-Wert von Paar 1"},
                    Ablehnung{"T\r\n4\r\n" + std::string(1000000, '7'), "zu lang"},
                    Ablehnung{paar1("nan 2"), "\"nan\""}));

} // namespace
