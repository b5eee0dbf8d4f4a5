#include "Fehler.h"
#include "Meldungstext.h"
#include "Rechnen.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

struct Zeile {
    int code;
    const char* text;
    const char* titel;
    Knoepfe knoepfe;
};

std::ostream& operator<<(std::ostream& o, const Zeile& z) {
    return o << "Code " << z.code;
}
class Fehlertabelle : public ::testing::TestWithParam<Zeile> {};

TEST_P(Fehlertabelle, ZeigtDieMeldungDerTabelle) {
    const Zeile& z = GetParam();
    auto m = meldungFuer(Fehler(z.code, "Quelle", "Beschreibung"));
    ASSERT_TRUE(m.has_value());
    EXPECT_EQ(m->text, z.text);
    EXPECT_EQ(m->titel, z.titel);
    EXPECT_EQ(m->knoepfe, z.knoepfe);
    EXPECT_EQ(m->symbol, Symbol::Ausrufezeichen);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, Fehlertabelle,
    ::testing::Values(
        Zeile{71, "Legen Sie eine Diskette in das Laufwerk ein, und schliessen Sie den Schacht",
              "Fehler : Das Laufwerk ist nicht bereit !!", Knoepfe::WiederholenAbbrechen},
        Zeile{52, " Dateiname oder -nummer falsch", "Fehler !!", Knoepfe::OK},
        Zeile{53, " Datei nicht gefunden ", "Fehler !!", Knoepfe::OK},
        Zeile{55, " Datei bereits geöffnet ", "Fehler !!", Knoepfe::OK},
        Zeile{57, " Interner Laufwerkfehler ", "Fehler !!", Knoepfe::OK},
        Zeile{68, "Laufwerk oder Pfad nicht gefunden: ", "Fehler !!", Knoepfe::OK},
        Zeile{76, "Das Zielverzeichnis existiert nicht !", "Fehler !", Knoepfe::OK},
        Zeile{61, "Es ist kein freier Speicherplatz auf dem Ziellaufwerk vorhanden !", "",
              Knoepfe::WiederholenAbbrechen},
        Zeile{5, "Negative Basis mit Zahl < 1 potenziert !! Zahlenpaare kontrollieren!",
              "Fehler !!", Knoepfe::OK}));

TEST(Fehlermeldung, KeinFehlerUndAbbruchZeigenNichts) {
    EXPECT_FALSE(meldungFuer(Fehler(0, "", "")).has_value());
    EXPECT_FALSE(meldungFuer(Fehler(32755, "", "")).has_value());
}

TEST(Fehlermeldung, UnbekannterCodeWirdAllgemeinGemeldet) {
    auto m = meldungFuer(Fehler(11, "Trendkurve", "Division durch Null"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text,
              "Unerwarteter Fehler Nr.:  11 wurde ausgelöst durch Trendkurve\rDivision durch Null");
    EXPECT_EQ(m->titel, "Fehler");
    EXPECT_EQ(m->symbol, Symbol::Stop);
    EXPECT_EQ(m->knoepfe, Knoepfe::OK);
    auto negativ = meldungFuer(Fehler(-3, "Q", "B"));
    EXPECT_EQ(negativ->text, "Unerwarteter Fehler Nr.: -3 wurde ausgelöst durch Q\rB");
}

TEST(Fehlermeldung, NegativeWurzelHatEigeneMeldung) {
    auto m = meldungFuer(wurzelFehler("Regression"));
    ASSERT_TRUE(m);
    EXPECT_EQ(m->text, "Wurzel(-X) -> keine Lösung möglich  !!");
    EXPECT_EQ(m->titel, "Achtung !!");
    EXPECT_EQ(m->knoepfe, Knoepfe::OK);
}

struct Rechenfall {
    const char* name;
    double (*rechnung)();
    int code;
};

class GepruefteArithmetik : public ::testing::TestWithParam<Rechenfall> {};

TEST_P(GepruefteArithmetik, WirftDenRichtigenCode) {
    try {
        GetParam().rechnung();
        FAIL() << "kein Fehler bei " << GetParam().name;
    } catch (const Fehler& f) {
        EXPECT_EQ(f.code, GetParam().code);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, GepruefteArithmetik,
    ::testing::Values(Rechenfall{"ln0", [] { return rechnen::ln(0); }, 5},
                      Rechenfall{"lnNeg", [] { return rechnen::ln(-1); }, 5},
                      Rechenfall{"teile0", [] { return rechnen::teile(1, 0); }, 11},
                      Rechenfall{"expGross", [] { return rechnen::exp(1000); }, 6},
                      Rechenfall{"negBasis", [] { return rechnen::potenz(-8, 1.0 / 3); }, 5},
                      Rechenfall{"nullHochNeg", [] { return rechnen::potenz(0, -1); }, 11},
                      Rechenfall{"potenzGross", [] { return rechnen::potenz(10, 400); }, 6},
                      Rechenfall{"LvonNull", [] { return rechnen::L(0); }, 5},
                      Rechenfall{"LLvonEins", [] { return rechnen::LL(1); }, 5}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GepruefteArithmetik, GueltigeWerteUndVorzeichen) {
    EXPECT_DOUBLE_EQ(rechnen::potenz(-2, 3), -8);
    EXPECT_NEAR(rechnen::L(-std::exp(2.0)), -2, 1e-12);
    // ln|ln 0.5| carries the sign of ln 0.5 (negative) and of t (positive)
    EXPECT_NEAR(rechnen::LL(0.5), -std::log(std::fabs(std::log(0.5))), 1e-12);
    EXPECT_NEAR(rechnen::LL(-std::exp(std::exp(1.0))), -1, 1e-12);
}

} // namespace
} // namespace tk
