#include "Modellvergleich.h"
#include "Wertepaare.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

Modellvergleich vergleich(const std::vector<std::pair<double, double>>& paare) {
    Programmzustand z = test::zustandMit(paare);
    return modellvergleich(MassgR(z));
}

// By |r|, models without r at the end, each unusable one with its reason; the decisive
// model is the first usable one.
TEST(Modellvergleich, NachBetragVonRMitGruenden) {
    const auto v = vergleich({{2000, 90}, {2001, 45}, {2002, 23}, {2003, 11}});
    ASSERT_EQ(v.zeilen.size(), 9u);
    const auto erster =
        std::find_if(v.zeilen.begin(), v.zeilen.end(), [](auto& z) { return z.verwendbar; });
    EXPECT_TRUE(erster->entscheidend);
    EXPECT_EQ(
        std::count_if(v.zeilen.begin(), v.zeilen.end(), [](auto& z) { return z.entscheidend; }), 1);
    for (std::size_t i = 1; i < v.zeilen.size(); ++i) {
        const auto& a = v.zeilen[i - 1];
        const auto& b = v.zeilen[i];
        if (a.r && b.r) {
            EXPECT_GE(std::fabs(*a.r), std::fabs(*b.r));
        }
        EXPECT_TRUE(a.r || !b.r) << "a model without r before one with r";
        EXPECT_EQ(b.verwendbar, b.grund.empty()) << b.code;
    }
    // e^a of calendar years overflows: r and B stay, A is unavailable, the reason is the overflow.
    const auto m7 =
        std::find_if(v.zeilen.begin(), v.zeilen.end(), [](auto& z) { return z.code == 7; });
    ASSERT_TRUE(m7->r && m7->B);
    EXPECT_NEAR(*m7->r, -0.99982, 1e-5);
    EXPECT_FALSE(m7->A || m7->verwendbar);
    EXPECT_NE(m7->grund.find("Überlauf"), std::string::npos) << m7->grund;
    EXPECT_FALSE(v.knapp);
}

TEST(Modellvergleich, KnappeEntscheidungUndUnzulaessigeModelle) {
    // Nearly linear, nearly logarithmic at large x: the runner-up is within 0.001.
    const auto knapp = vergleich({{100, 10}, {101, 11.01}, {102, 11.99}, {103, 13}, {104, 14.01}});
    EXPECT_TRUE(knapp.knapp);
    const auto negativ = vergleich({{-2, 1}, {2, 3}, {3, 4.1}, {5, 6}});
    for (const auto& z : negativ.zeilen)
        EXPECT_EQ(z.verwendbar, z.code == 1 || z.code == 2 || z.code == 7 || z.code == 9) << z.code;
    const auto m12 = std::find_if(negativ.zeilen.begin(), negativ.zeilen.end(),
                                  [](auto& z) { return z.code == 12; });
    EXPECT_NE(m12->grund.find("nicht zulässig"), std::string::npos) << m12->grund;
}

} // namespace
} // namespace tk
