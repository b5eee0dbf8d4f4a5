#include "Datei.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

tk::Datensatz lies(const std::string& text) {
    std::istringstream ein(text);
    return tk::lesen(ein);
}

// ---- files the reader accepts, written in the forms list input allows

struct Annahme {
    const char* name;
    std::string text;
    std::string titel;
    int anzahl;
    int kennzahl;
    double x1, y1, xn, yn;
};

class LesenAnnahme : public testing::TestWithParam<Annahme> {};

TEST_P(LesenAnnahme, liestTitelAnzahlKennzahlUndPaare) {
    const auto& f = GetParam();
    const tk::Datensatz d = lies(f.text);
    EXPECT_EQ(d.Bezeichnung, f.titel);
    ASSERT_EQ(d.AnzPaare, f.anzahl);
    EXPECT_EQ(d.Kennzahl, f.kennzahl);
    ASSERT_EQ(d.X.size(), static_cast<std::size_t>(f.anzahl) + 1);
    ASSERT_EQ(d.Y.size(), static_cast<std::size_t>(f.anzahl) + 1);
    EXPECT_DOUBLE_EQ(d.X[1], f.x1);
    EXPECT_DOUBLE_EQ(d.Y[1], f.y1);
    EXPECT_DOUBLE_EQ(d.X[static_cast<std::size_t>(f.anzahl)], f.xn);
    EXPECT_DOUBLE_EQ(d.Y[static_cast<std::size_t>(f.anzahl)], f.yn);
}

const std::string vierPaare = " 1  2 \r\n 3  4 \r\n 5  6 \r\n 7  8 \r\n";

INSTANTIATE_TEST_SUITE_P(
    Formen, LesenAnnahme,
    testing::Values(
        Annahme{"WieGeschrieben", "Umsatz@ Kosten\r\n 4 \r\n 1 \r\n" + vierPaare, "Umsatz, Kosten",
                4, 1, 1, 2, 7, 8},
        Annahme{"NurLF", "T\n4\n1\n1 2\n3 4\n5 6\n7 8\n", "T", 4, 1, 1, 2, 7, 8},
        Annahme{"KommasUndBlanks", "T\r\n4,1\r\n1,2, 3 ,4\r\n5   6\r\n7,8", "T", 4, 1, 1, 2, 7, 8},
        Annahme{"AllesInEinerZeile", "T\r\n4 1 1 2 3 4 5 6 7 8", "T", 4, 1, 1, 2, 7, 8},
        Annahme{"LeereZeilenZwischenZahlen", "T\r\n4\r\n\r\n1\r\n\r\n1 2\r\n3 4\r\n5 6\r\n7 8\r\n",
                "T", 4, 1, 1, 2, 7, 8},
        Annahme{"Exponenten", "T\r\n4\r\n1\r\n1.5E+02 -3e-1\r\n+4 .5\r\n5. 6\r\n1E-07 -2.5E6\r\n",
                "T", 4, 1, 150, -0.3, 1e-7, -2.5e6},
        Annahme{"TitelOhneRandBlanks", "   Titel mit Blanks   \r\n4\r\n1\r\n" + vierPaare,
                "Titel mit Blanks", 4, 1, 1, 2, 7, 8},
        Annahme{"TitelInAnfuehrungszeichen", "\"  Mit, Komma  \"\r\n4\r\n1\r\n" + vierPaare,
                "  Mit, Komma  ", 4, 1, 1, 2, 7, 8},
        Annahme{"TitelEndetAmKomma", "Titel, 4\r\n1\r\n" + vierPaare, "Titel", 4, 1, 1, 2, 7, 8},
        Annahme{"LeererTitel", "\r\n4\r\n1\r\n" + vierPaare, "", 4, 1, 1, 2, 7, 8},
        Annahme{"GanzzahligeAnzahlMitPunkt",
                "T\r\n21.0\r\n0\r\n" +
                    [] {
                        std::string s;
                        for (int i = 1; i <= 21; ++i)
                            s += std::to_string(i) + " " + std::to_string(i * i) + "\r\n";
                        return s;
                    }(),
                "T", 21, 0, 1, 1, 21, 441},
        Annahme{"KennzahlGerundet", "T\r\n4\r\n2.6\r\n" + vierPaare, "T", 4, 3, 1, 2, 7, 8},
        Annahme{"NachDenPaarenFolgtNochEtwas", "T\r\n4\r\n1\r\n" + vierPaare + "Rest\r\n", "T", 4,
                1, 1, 2, 7, 8}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- files the reader refuses whole

struct Ablehnung {
    const char* name;
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
        EXPECT_FALSE(e.quelle.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Fehlerfaelle, LesenAblehnung,
    testing::Values(
        Ablehnung{"LeereDatei", "", "leer"}, Ablehnung{"NurTitel", "Titel\r\n", "endet vorzeitig"},
        Ablehnung{"DreiPaare", "T\r\n3\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n",
                  "Es müssen mindestens 4 Wertepaare eingegeben werden"},
        Ablehnung{"NullPaare", "T\r\n0\r\n1\r\n", "Es müssen mindestens 4 Wertepaare"},
        Ablehnung{"NegativeAnzahl", "T\r\n-5\r\n1\r\n", "Es müssen mindestens 4 Wertepaare"},
        Ablehnung{"ZweiundzwanzigPaare", "T\r\n22\r\n1\r\n",
                  "Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"},
        Ablehnung{"RiesigeAnzahl", "T\r\n1E300\r\n1\r\n", "Max. Anzahl = 21"},
        Ablehnung{"GebrocheneAnzahl", "T\r\n4.5\r\n1\r\n" + vierPaare, "ganze Zahl"},
        Ablehnung{"AnzahlKeineZahl", "T\r\nvier\r\n1\r\n" + vierPaare, "\"vier\""},
        Ablehnung{"KennzahlFehlt", "T\r\n4\r\n", "Kennzahl"},
        Ablehnung{"ZuWenigPaarzeilen", "T\r\n5\r\n1\r\n" + vierPaare, "X-Wert von Paar 5"},
        Ablehnung{"YWertFehltAmEnde", "T\r\n4\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n7\r\n",
                  "Y-Wert von Paar 4"},
        Ablehnung{"LeeresFeld", "T\r\n4\r\n1\r\n1,,2\r\n3 4\r\n5 6\r\n7 8\r\n", "leeres Feld"},
        Ablehnung{"ZahlMitAnhang", "T\r\n4\r\n1\r\n1 2x\r\n3 4\r\n5 6\r\n7 8\r\n",
                  "Y-Wert von Paar 1"},
        Ablehnung{"BuchstabeStattZahl", "T\r\n4\r\n1\r\n1 2\r\n3 4\r\n5 6\r\n7 a\r\n", "\"a\""},
        Ablehnung{"Ueberlauf", "T\r\n4\r\n1\r\n1E999 2\r\n3 4\r\n5 6\r\n7 8\r\n",
                  "X-Wert von Paar 1"},
        Ablehnung{"Unterlauf", "T\r\n4\r\n1\r\n1E-400 2\r\n3 4\r\n5 6\r\n7 8\r\n",
                  "X-Wert von Paar 1"},
        // Many digits and a negative exponent, still far beyond the largest double.
        Ablehnung{"UeberlaufTrotzNegativemExponenten",
                  "T\r\n4\r\n1\r\n1" + std::string(400, '0') + "e-1 2\r\n3 4\r\n5 6\r\n7 8\r\n",
                  "X-Wert von Paar 1"},
        Ablehnung{"MillionZiffern", "T\r\n4\r\n" + std::string(1000000, '7'), "zu lang"},
        Ablehnung{"NaN", "T\r\n4\r\n1\r\nnan 2\r\n3 4\r\n5 6\r\n7 8\r\n", "\"nan\""},
        Ablehnung{"Unendlich", "T\r\n4\r\n1\r\n1 -inf\r\n3 4\r\n5 6\r\n7 8\r\n", "\"-inf\""},
        Ablehnung{"ExponentOhneZiffern", "T\r\n4\r\n1\r\n1E 2\r\n3 4\r\n5 6\r\n7 8\r\n", "\"1E\""},
        Ablehnung{"NurVorzeichen", "T\r\n4\r\n1\r\n- 2\r\n3 4\r\n5 6\r\n7 8\r\n", "\"-\""}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- title: code page, at signs, length

struct TitelFall {
    const char* name;
    std::string zeile; // line 1 as bytes in the file
    std::string titel; // UTF-8 in memory
};

class LesenTitel : public testing::TestWithParam<TitelFall> {};

TEST_P(LesenTitel, wirdInUtf8MitKommasGeholt) {
    const auto& f = GetParam();
    EXPECT_EQ(lies(f.zeile + "\r\n4\r\n1\r\n" + vierPaare).Bezeichnung, f.titel);
}

INSTANTIATE_TEST_SUITE_P(
    Titel, LesenTitel,
    testing::Values(TitelFall{"Umlaute", "\xC4pfel \xFC\x62\x65r Stra\xDF\x65",
                              "Äpfel über Straße"},
                    TitelFall{"Euro", "Preis in \x80", "Preis in €"},
                    TitelFall{"Anfuehrungszeichen", "\x84zitiert\x93", "„zitiert“"},
                    TitelFall{"UnbelegtesByte", "a\x81z", "a?z"},
                    TitelFall{"AtWirdKomma", "a@b@@c", "a,b,,c"},
                    TitelFall{"InAnfuehrungszeichen", " \"a b\" ", "a b"},
                    TitelFall{"ZitatMitRest", "\"Zitat\" Rest", "\"Zitat\" Rest"},
                    TitelFall{"Abgeschnitten", std::string(60, 'x'), std::string(52, 'x')},
                    TitelFall{"AbgeschnittenNachZeichen", std::string(60, '\xE4'),
                              [] {
                                  std::string s;
                                  for (int i = 0; i < 52; ++i) s += "ä";
                                  return s;
                              }()},
                    TitelFall{"GenauZweiundfuenfzig", std::string(52, 'y'), std::string(52, 'y')}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
