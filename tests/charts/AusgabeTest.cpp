// Arrowheads at the axes' ends and the symbol-font letters.

#include "AufzeichnungsAusgabe.h"
#include "Symbolschrift.h"
#include "ZeigGrafik.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

constexpr double eps = 1e-6;
constexpr double pi = 3.14159265358979323846;

struct PfeilFall {
    const char* name;
    double x, y, winkel, g;
    // The three corners after the apex: P1, P2 and back to the apex.
    double p1x, p1y, p2x, p2y;
};

class PfeilTest : public ::testing::TestWithParam<PfeilFall> {};

TEST_P(PfeilTest, ZeichnetDreieckMitSpitzeImPunkt) {
    const auto& f = GetParam();
    AufzeichnungsAusgabe a;
    Pfeil(a, f.x, f.y, f.winkel, f.g);
    const auto l = a.linien();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_NEAR(l[0].x1, f.x, eps);
    EXPECT_NEAR(l[0].y1, f.y, eps);
    EXPECT_NEAR(l[0].x2, f.p1x, eps);
    EXPECT_NEAR(l[0].y2, f.p1y, eps);
    EXPECT_NEAR(l[1].x2, f.p2x, eps);
    EXPECT_NEAR(l[1].y2, f.p2y, eps);
    EXPECT_NEAR(l[2].x2, f.x, eps);
    EXPECT_NEAR(l[2].y2, f.y, eps);
}

INSTANTIATE_TEST_SUITE_P(
    Achsenenden, PfeilTest,
    ::testing::Values(
        // End of an X axis: base 3 mm left of the apex, 1.6 mm high.
        PfeilFall{"rechts", 117, -35.0 / 6, pi, 1, 114, -35.0 / 6 + 0.8, 114, -35.0 / 6 - 0.8},
        // End of an ordinate: base 3 mm below the apex.
        PfeilFall{"oben", -10, 69.1667, pi / 2, -1, -10.8, 66.1667, -9.2, 66.1667},
        // A larger arrowhead pointing left scales with g.
        PfeilFall{"links", 0, 0, 0, 2, 6, -1.6, 6, 1.6}),
    [](const auto& info) { return std::string(info.param.name); });

struct SymbolFall {
    QString ein, aus;
};
class SymbolTest : public ::testing::TestWithParam<SymbolFall> {};
TEST_P(SymbolTest, WirdZuUnicode) {
    EXPECT_EQ(symbolAlsUnicode(GetParam().ein), GetParam().aus);
}
INSTANTIATE_TEST_SUITE_P(Buchstaben, SymbolTest,
                         ::testing::Values(SymbolFall{"S%", "Σ%"}, SymbolFall{"j", "φ"},
                                           SymbolFall{"K", "Κ"},
                                           SymbolFall{QString(QChar(229)) + "%*", "∑%*"},
                                           SymbolFall{"(i+d)", "(ι+δ)"}));

} // namespace
} // namespace tk
