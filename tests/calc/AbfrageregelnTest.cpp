// The query fields' rules at their limits: what the program writes back into a field
// must be accepted when read again, and a refused value is replaced next to the limit.
#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk::abfrage {
namespace {

Programmzustand logistisch(double KMax) {
    Programmzustand z;
    z.ModusPrognostik = true;
    z.KurvenTyp = 5;
    z.KonstA = -5; // midpoint at X = 5
    z.KoeffB = 1;
    z.KMax = KMax;
    return z;
}

// Throws when the field refused the value, or accepted what it should refuse.
template <typename T> T antwort(const Summenergebnis& e) {
    return std::get<T>(e);
}

TEST(Abfrageregeln, GeschriebeneGrenzenGeltenBeimZuruecklesen) {
    const auto z = logistisch(100.123456789);
    const double x1 = WertXI(z, 0.01);
    antwort<Summenantwort>(summeFuerX(z, zahlWert(Zahl(x1))));
    EXPECT_EQ(antwort<Hinweis>(summeFuerX(z, x1 - 0.001)).ersatz, x1);
    for (const std::string& k : {Zahl(z.KMax), formatFest(z.KMax, 8)})
        EXPECT_DOUBLE_EQ(antwort<Summenantwort>(summeFuerK(z, zahlWert(k))).prozent, 100);
    EXPECT_NEAR(antwort<Summenantwort>(summeFuerX(z, 5)).prozent, 50, 1e-9);
    // 100 % is the share 0.9999999
    EXPECT_NEAR(antwort<Summenantwort>(summeFuerProzent(z, 100)).X, 5 + std::log(9999999.0), 1e-6);
    antwort<Hinweis>(summeFuerProzent(z, 0.99));
}

TEST(Abfrageregeln, AnstossenUndErsatzwerte) {
    Programmzustand z;
    z.ModellNr = 1; // y = 2 + 3x
    z.KonstA = 2;
    z.KoeffB = 3;
    EXPECT_EQ(regressionFuerY(z, 5).X, 1.0000001);
    EXPECT_NEAR(regressionFuerX(z, 0).Y, 2.0000003, 1e-15);
    EXPECT_EQ(regressionFuerX(z, -1.0 / 3).Y, 1.0000001);
    EXPECT_FALSE(bandanfangPruefen(2, 3));
    EXPECT_EQ(bandanfangPruefen(5, 3)->ersatz, 3 - 0.000001);
    EXPECT_EQ(bandendePruefen(5, 3)->ersatz, 5 + 0.000001);
    EXPECT_FALSE(grenzwertPruefen(0.1, 0.3));
    EXPECT_EQ(grenzwertPruefen(0, 0.3)->ersatz, 0.3);
}

} // namespace
} // namespace tk::abfrage
