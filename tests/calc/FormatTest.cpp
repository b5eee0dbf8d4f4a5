#include "Format.h"

#include <clocale>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

namespace tk {
namespace {

struct Text {
    double wert;
    const char* erwartet;
};

std::ostream& operator<<(std::ostream& o, const Text& t) {
    return o << t.wert;
}
class DruckFormat12 : public ::testing::TestWithParam<Text> {};
TEST_P(DruckFormat12, RechtsbuendigInDreiZeichen) {
    EXPECT_EQ(DruckFormat(12, GetParam().wert), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Werte, DruckFormat12,
                         ::testing::Values(Text{7, "  7"}, Text{21, " 21"}, Text{1234, "1234"},
                                           Text{-0.3, "  0"}, Text{-3, " -3"}, Text{2.6, "  3"},
                                           Text{0.49, "  0"}));

class Listenwert : public ::testing::TestWithParam<Text> {};
TEST_P(Listenwert, SiebenNachkommastellenOderExponent) {
    EXPECT_EQ(formatWert(GetParam().wert), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Werte, Listenwert,
                         ::testing::Values(Text{12.5, "12.5000000"}, Text{0.0001, "0.0001000"},
                                           Text{0, "0.0000000E+00"}, Text{1000000, "1.0000000E+06"},
                                           Text{999999.5, "999999.5000000"},
                                           Text{0.00000005, "5.0000000E-08"},
                                           Text{-2000000, "-2.0000000E+06"},
                                           Text{-0.5, "-0.5000000"}));

class LegendenZahl : public ::testing::TestWithParam<Text> {};
TEST_P(LegendenZahl, SechsNachkommastellenOderExponent) {
    EXPECT_EQ(Zahl(GetParam().wert), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Werte, LegendenZahl,
                         ::testing::Values(Text{100000, "1.000000E+05"},
                                           Text{0.000001, "1.000000E-06"},
                                           Text{99999.5, "99999.500000"}, Text{0, "0.000000E+00"},
                                           Text{-1.25, "-1.250000"}, Text{1e-7, "1.000000E-07"}));

class Dateiform : public ::testing::TestWithParam<Text> {};
TEST_P(Dateiform, VorzeichenstelleUndLeerzeichen) {
    EXPECT_EQ(listenForm(GetParam().wert), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Werte, Dateiform,
                         ::testing::Values(Text{5, " 5 "}, Text{-2.5, "-2.5 "},
                                           Text{0.0000001, " 1E-07 "}, Text{12.5, " 12.5 "},
                                           Text{1.0000001, " 1.0000001 "},
                                           Text{123456789012345.0, " 123456789012345 "}));

struct Lesefall {
    const char* text;
    double erwartet;
};
std::ostream& operator<<(std::ostream& o, const Lesefall& l) {
    return o << '"' << l.text << '"';
}
class FuehrendeZahl : public ::testing::TestWithParam<Lesefall> {};
TEST_P(FuehrendeZahl, LiestDenAnfang) {
    EXPECT_DOUBLE_EQ(zahlWert(GetParam().text), GetParam().erwartet);
}
INSTANTIATE_TEST_SUITE_P(Texte, FuehrendeZahl,
                         ::testing::Values(Lesefall{"12.5abc", 12.5}, Lesefall{"abc", 0},
                                           Lesefall{"1.5E-3", 0.0015}, Lesefall{"-3", -3},
                                           Lesefall{"1e", 1}, Lesefall{"  7", 7}, Lesefall{".", 0},
                                           Lesefall{"-.5", -0.5}, Lesefall{"3-2", 3},
                                           Lesefall{"    unendlich", 0}, Lesefall{"2.5e+2x", 250},
                                           Lesefall{"", 0}));

TEST(Format, FesteStellenOhneNegativeNull) {
    EXPECT_EQ(formatFest(-0.5, 10), "-0.5000000000");
    EXPECT_EQ(formatFest(-0.00001, 3), "0.000");
    EXPECT_EQ(formatFest(0.99999999999, 10), "1.0000000000");
    EXPECT_EQ(rechtsbuendig("abc", 2), "abc");
    EXPECT_EQ(rechtsbuendig("7", 3), "  7");
}

// A desktop with a German number locale must not put commas into texts or files.
TEST(Format, UnabhaengigVomGebietsschema) {
    const char* vorher = std::setlocale(LC_NUMERIC, nullptr);
    const std::string alt = vorher ? vorher : "C";
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "de_DE"))
        GTEST_SKIP() << "kein deutsches Gebietsschema installiert";
    EXPECT_EQ(formatFest(1.5, 2), "1.50");
    EXPECT_EQ(listenForm(2.5), " 2.5 ");
    EXPECT_EQ(formatExp(0.00000005, 7), "5.0000000E-08");
    EXPECT_DOUBLE_EQ(zahlWert("2.5"), 2.5);
    std::setlocale(LC_NUMERIC, alt.c_str());
}

} // namespace
} // namespace tk

namespace tk {
namespace {

// Whatever the program writes into a data file must read back.
TEST(Format, GroessteZahlBleibtLesbar) {
    for (double v : {1.7976931348623157e308, -1.7976931348623157e308, 4.9e-324, 123.456}) {
        const std::string t = allgemein(v);
        EXPECT_DOUBLE_EQ(std::strtod(t.c_str(), nullptr), v) << t;
    }
}

} // namespace
} // namespace tk
