// The symbol-font letters of the chart captions.

#include "zeichnung/Symbolschrift.h"

#include <gtest/gtest.h>

namespace tk {
namespace {

struct SymbolFall {
    QString ein, aus;
};
class SymbolTest : public ::testing::TestWithParam<SymbolFall> {};
TEST_P(SymbolTest, WirdZuUnicode) {
    EXPECT_EQ(symbolAlsUnicode(GetParam().ein), GetParam().aus);
}
INSTANTIATE_TEST_SUITE_P(Buchstaben, SymbolTest,
                         ::testing::Values(SymbolFall{"S%", "Σ%"}, SymbolFall{"j", "φ"},
                                           SymbolFall{QString(QChar(229)) + "%*", "∑%*"},
                                           SymbolFall{"(i+d)", "(ι+δ)"}));

} // namespace
} // namespace tk
