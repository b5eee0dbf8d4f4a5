#include "Achsenteilung.h"
#include "Kurvenverlauf.h"

#include <cmath>
#include <gtest/gtest.h>
#include <set>

namespace tk {
namespace {

class Teilung : public ::testing::TestWithParam<std::pair<double, double>> {};

// Properties a reader relies on: round steps, the range enclosed, a handful of ticks,
// 0 on the axis when the range crosses it, and texts that tell the ticks apart and
// read back as their values.
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
    EXPECT_DOUBLE_EQ(t.marken.front(), t.von);
    EXPECT_NEAR(t.marken.back(), t.bis, t.schritt * 1e-9);
    if (t.von < 0 && t.bis > 0) {
        EXPECT_EQ(std::count(t.marken.begin(), t.marken.end(), 0.0), 1);
    }
    std::set<std::string> texte;
    for (double m : t.marken) {
        const std::string text = markenText(m, t);
        texte.insert(text);
        EXPECT_NEAR(std::stod(text), m, t.schritt * 1e-6) << text;
    }
    EXPECT_EQ(texte.size(), t.marken.size());
}

INSTANTIATE_TEST_SUITE_P(Bereiche, Teilung,
                         ::testing::Values(std::pair{0.0, 1.0}, std::pair{1e-6, 3e-6},
                                           std::pair{0.0, 1e-6}, std::pair{1e6, 5e6},
                                           std::pair{12345.0, 12346.0}, std::pair{-7.3, -2.1},
                                           std::pair{-3.0, 8.0}, std::pair{1999.0, 2021.0},
                                           std::pair{5.0, 5.0}, std::pair{0.0, 0.0},
                                           std::pair{8.0, -1.0}, std::pair{1e7, 4e7}));

TEST(Kurvenverlauf, LueckenWoDieKurveUndefiniertIst) {
    const Verlauf v = abtasten(
        [](double x) -> std::optional<double> {
            return x == 0 ? std::nullopt : std::optional(1 / x);
        },
        -1, 1, 4);
    ASSERT_EQ(v.stuecke.size(), 2u);
    EXPECT_EQ(v.stuecke[0].size(), 2u);
    EXPECT_EQ(v.stuecke[1].back(), (Punkt{1, 1}));
    EXPECT_EQ(erweitert(10, 20), (std::pair{9.0, 21.0}));
    EXPECT_EQ(erweitert(-5, -5), (std::pair{-5.5, -4.5}));
}

TEST(Kurvenverlauf, ExtrapolationErstJenseitsDerEnden) {
    EXPECT_FALSE(istExtrapolation(2, 2, 8));
    EXPECT_FALSE(istExtrapolation(8, 2, 8));
    EXPECT_TRUE(istExtrapolation(8.000001, 2, 8));
    EXPECT_TRUE(istExtrapolation(1.999999, 2, 8));
}

} // namespace
} // namespace tk
