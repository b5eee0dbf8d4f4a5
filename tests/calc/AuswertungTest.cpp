#include "Auswertung.h"
#include "Fehler.h"
#include "Regression.h"
#include "Wertepaare.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

Programmzustand modell(int nr, double A, double B) {
    Programmzustand z;
    z.ModellNr = nr;
    z.KonstA = A;
    z.KoeffB = B;
    return z;
}

Programmzustand kurve(int typ, double A, double B, double KMax = 100, double r = 0.99) {
    Programmzustand z;
    z.ModusPrognostik = true;
    z.KurvenTyp = typ;
    z.KonstA = A;
    z.KoeffB = B;
    z.KMax = KMax;
    z.KorrR = r;
    z.AnzPaare = 1;
    z.redimPaare(1, false);
    z.XWert(1) = 0; // last observed horizon
    return z;
}

struct YFall {
    int modell;
    double A, B, x;
    std::optional<double> y;
};
std::ostream& operator<<(std::ostream& o, const YFall& f) {
    return o << "Modell " << f.modell << " x=" << f.x;
}
class WertYQFaelle : public ::testing::TestWithParam<YFall> {};
TEST_P(WertYQFaelle, UngesicherteSchritteZaehlenAlsNull) {
    const auto& f = GetParam();
    auto y = WertYQ(modell(f.modell, f.A, f.B), f.x);
    ASSERT_EQ(y.has_value(), f.y.has_value());
    if (y) {
        EXPECT_NEAR(*y, *f.y, 1e-12);
    }
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, WertYQFaelle,
    ::testing::Values(YFall{2, 3, 2, 0, 3},                        // L1 unset, S = 0
                      YFall{5, 3, 2, 1, 3}, YFall{5, 3, 2, -1, 3}, // S2 = 0, L2 unset
                      YFall{2, 3, 2, -std::exp(1.0), 1},           // odd continuation: A - B
                      YFall{9, 2, 0.5, -4, std::nullopt},          // negative base, fraction
                      YFall{9, 2, 2, -3, 18}, YFall{1, 2, 3, 4, 14},
                      YFall{7, 2, 1000, 10, std::nullopt}, // overflow
                      YFall{4, 1, 1, 1, std::nullopt}));   // no such model

TEST(WertXQ, SteigungNullGibtLeer) {
    EXPECT_FALSE(WertXQ(modell(1, 2, 0), 5).has_value());
}

// For A > 0 the inversion undoes the evaluation on each model's real domain.
class Umkehrung : public ::testing::TestWithParam<int> {};
TEST_P(Umkehrung, WertXQInvertiertWertYQ) {
    const int nr = GetParam();
    for (double x : {1.7, 2.5, 4.0, 9.0}) {
        auto z = modell(nr, 1.3, 0.4);
        auto y = WertYQ(z, x);
        ASSERT_TRUE(y) << nr << " " << x;
        auto xr = WertXQ(z, *y);
        ASSERT_TRUE(xr) << nr << " " << x;
        EXPECT_NEAR(*xr, x, 1e-9 * x) << nr;
    }
}
INSTANTIATE_TEST_SUITE_P(Modelle, Umkehrung, ::testing::Values(1, 2, 5, 7, 8, 9, 10, 11, 12));

TEST(Formel, TexteDerModelle) {
    EXPECT_EQ(FYQ(1), "A + B*x");
    EXPECT_EQ(FYQ(5), "A + B*{Ln|Ln|x||}");
    EXPECT_EQ(FYQ(12), "e^(A*{Ln|x|}^B)");
    EXPECT_EQ(FYQ(3), "");
}

TEST(Prognosekurve, WertXIBeiFuenfzigProzent) {
    EXPECT_NEAR(WertXI(kurve(5, 2, 0.5), 0.5), -4, 1e-12);
    EXPECT_NEAR(WertXI(kurve(1, 2, -0.5), 0.5), std::log(std::log(2.0) / 2) / -0.5, 1e-12);
    EXPECT_THROW(WertXI(kurve(5, 2, 0.5), 1), Fehler);
    EXPECT_THROW(WertXI(kurve(1, 2, 0.5), 0), Fehler);
}

class Kurventypen : public ::testing::TestWithParam<std::tuple<int, double, double>> {};
TEST_P(Kurventypen, WertKiUndWertXISindUmkehrungen) {
    auto [typ, A, B] = GetParam();
    auto z = kurve(typ, A, B);
    for (double s : {0.01, 0.2, 0.5, 0.9, 0.99}) {
        const double x = WertXI(z, s);
        EXPECT_NEAR(WertKi(z, x), s * z.KMax, 1e-9) << typ << " " << s;
    }
    // The plot positions put X(1%) at 0 and X(99%) at 1, within the precision of
    // the rounded constants of the axis formulas.
    EXPECT_NEAR(StreckeXI(z, WertXI(z, 0.01)), 0, 1e-3);
    EXPECT_NEAR(StreckeXI(z, WertXI(z, 0.99)), 1, 1e-3);
    EXPECT_NEAR(*StreckeYI(z, 0.01 * z.KMax), 0, 1e-12);
    EXPECT_NEAR(*StreckeYI(z, 0.99 * z.KMax), 1, 1e-12);
}
INSTANTIATE_TEST_SUITE_P(Typen, Kurventypen,
                         ::testing::Values(std::make_tuple(1, 3.0, -0.5),
                                           std::make_tuple(3, 2.0, 0.4),
                                           std::make_tuple(5, -5.0, 1.0)));

// The 100 % query evaluates the curve at X = 10^10: each type nears its limit there
// instead of overflowing on the way.
TEST(Prognosekurve, WeitDraussenOhneUeberlauf) {
    EXPECT_NEAR(WertKi(kurve(5, -5, 1), 1e10), 100, 1e-9);
    EXPECT_NEAR(WertKi(kurve(5, -5, 1), -1e10), 0, 1e-9);
    EXPECT_NEAR(WertKi(kurve(1, 3, -0.5), 1e10), 100, 1e-9);
    EXPECT_NEAR(WertKi(kurve(3, 0.01, -0.8), 1e10), 100, 1e-9); // rising type 3: B < 0
    EXPECT_NEAR(WertKi(kurve(3, 0.01, -0.8), -1e10), 0, 1e-9);
    EXPECT_NEAR(WertKi(kurve(3, 2, 0.4), 1e10), 0, 1e-9);
    EXPECT_THROW(WertKi(kurve(1, -3, 0.5), 1e10), Fehler); // the curve itself overflows
}

TEST(Grenzen, UnterhalbDesLetztenKurvenwertsIstDieGrenzeDerWert) {
    auto z = kurve(5, 0, 1); // curve value at X = 0 is 50
    EXPECT_EQ(KGrenz1(z, 30), 30);
    EXPECT_EQ(KGrenz2(z, 30), 30);
    EXPECT_EQ(KGrenz1(z, 0), 0); // K = 0 raises nothing inside the observed range
}

TEST(Grenzen, GutesRGibtBandOhneVerstaerkung) {
    auto z = kurve(1, 3, -0.5, 100, 0.99);
    const double Kn = WertKi(z, 0);
    const double K = 100, P = 100 * Kn / K, U = 2 * std::pow(P, -1.117);
    EXPECT_NEAR(KGrenz1(z, K), K * (1 - 1.5 * U), 1e-9);
    EXPECT_NEAR(KGrenz2(z, K), K * (1 + 1.5 * U), 1e-9);
    auto schlecht = kurve(1, 3, -0.5, 100, 0.5);
    EXPECT_GT(KGrenz2(schlecht, K), KGrenz2(z, K)); // V > 1 widens the band
    EXPECT_LT(KGrenz1(schlecht, K), KGrenz1(z, K));
}

// |r| = 1 (or a hair above) widens the band no more than any |r| above 0.9735.
TEST(Grenzen, PerfekterFitScheitertNicht) {
    const double gut = KGrenz2(kurve(3, 2, 0.4, 100, 0.98), 100);
    for (double r : {1.0, -1.0, 1.0000000000000002})
        EXPECT_NEAR(KGrenz2(kurve(3, 2, 0.4, 100, r), 100), gut, 1e-9) << r;
}

TEST(Band, GrenzenNurJenseitsDesLetztenHorizonts) {
    auto z = kurve(5, -5, 1, 100, 0.99);
    z.XWert(1) = 6; // last observed horizon
    const auto innen = bandwerte(z, 2, 5);
    EXPECT_NEAR(innen.Kdx, WertKi(z, 5) - WertKi(z, 2), 1e-12);
    EXPECT_EQ(innen.KdxG1, innen.Kdx);
    EXPECT_EQ(innen.KdxG2, innen.Kdx);
    const auto aussen = bandwerte(z, 5, 9);
    EXPECT_NEAR(aussen.KdxG1, KGrenz1(z, WertKi(z, 9)) - KGrenz1(z, WertKi(z, 5)), 1e-12);
    EXPECT_NEAR(aussen.KdxG2, KGrenz2(z, WertKi(z, 9)) - KGrenz2(z, WertKi(z, 5)), 1e-12);
    EXPECT_LT(aussen.KdxG1, aussen.Kdx);
    EXPECT_GT(aussen.KdxG2, aussen.Kdx);
}

TEST(Achsen, StreckeXMerktIndizesDerExtreme) {
    auto z = test::zustandMit({{2, 5}, {8, 7}, {4, 6}, {6, 9}});
    z.XMin = 2;
    z.XMax = 8;
    z.ModellNr = 9;
    IndexXMinMax idx;
    EXPECT_NEAR(*StreckeX(z, 1, 1, idx), 0, 1e-12);
    EXPECT_NEAR(*StreckeX(z, 2, 1, idx), 1, 1e-12);
    EXPECT_NEAR(*StreckeX(z, 3, 1, idx), std::log(2.0) / std::log(4.0), 1e-12);
    EXPECT_EQ(idx.IndexXMin, 1);
    EXPECT_EQ(idx.IndexXMax, 2);
    EXPECT_NEAR(*StreckeY(z, 4, 1, 9, 5), 1, 1e-12);
}

TEST(Raster, StufenSymmetrischUm50Prozent) {
    for (int i = 1; i <= 13; ++i) {
        double s = -1, t = -1;
        GibS(i, s);
        GibS(14 - i, t);
        EXPECT_NEAR(s + t, 1, 1e-12) << i;
    }
    double s = 0.42;
    GibS(14, s);
    EXPECT_EQ(s, 0.42);
}

TEST(Wendepunkte, LogistischSymmetrisch) {
    auto z = kurve(5, 0, 1);
    EXPECT_NEAR(WendepunktX1(z), -1.3169, 1e-12);
    EXPECT_NEAR(WendepunktX2(z), 1.3169, 1e-12);
    EXPECT_NEAR(WertXI(z, 0.5), 0, 1e-12);
    EXPECT_THROW(WendepunktX1(kurve(1, -1, 0.5)), Fehler);
}

TEST(Dichte, WerteDerDreiTypen) {
    EXPECT_NEAR(*PhiWert(kurve(3, 1, -1), 0), std::exp(-1.0), 1e-12);
    EXPECT_NEAR(*PhiWert(kurve(5, 0, 1), 0), 0.25, 1e-12);
    // The density is the derivative of K/KMax.
    for (int typ : {1, 3, 5}) {
        auto z = kurve(typ, typ == 5 ? -2.0 : 2.0, typ == 1 ? -0.5 : 0.5);
        const double x = 3, h = 1e-5;
        const double ableitung = (WertKi(z, x + h) - WertKi(z, x - h)) / (2 * h) / z.KMax;
        EXPECT_NEAR(*PhiWert(z, x), ableitung, 1e-7) << typ;
    }
    EXPECT_FALSE(PhiWert(kurve(7, 1, 1), 0).has_value());
}

struct Top {
    double maximum, T;
};
std::ostream& operator<<(std::ostream& o, const Top& t) {
    return o << "max=" << t.maximum;
}
class Ordinate : public ::testing::TestWithParam<Top> {};
TEST_P(Ordinate, KleinsterListenwertNichtUnterDemMaximum) {
    EXPECT_DOUBLE_EQ(OrdinatenTop(GetParam().maximum), GetParam().T);
}
INSTANTIATE_TEST_SUITE_P(Werte, Ordinate,
                         ::testing::Values(Top{0.25, 0.3}, Top{0.8, 0.8}, Top{0.8001, 1},
                                           Top{0.003, 0.003}, Top{0.0001, 0.003}, Top{1.5, 1.5},
                                           Top{0.0031, 0.006}, Top{0, 0.003}));

TEST(Sortieren, BubbleSortAufsteigend) {
    std::vector<double> a = {0, 3, 1, 2};
    SortBubble(a, 3);
    EXPECT_EQ(a, (std::vector<double>{0, 1, 2, 3}));
    std::vector<double> b = {0, 2, 2, 1};
    SortBubble(b, 3);
    EXPECT_EQ(b, (std::vector<double>{0, 1, 2, 2}));
}

} // namespace
} // namespace tk
