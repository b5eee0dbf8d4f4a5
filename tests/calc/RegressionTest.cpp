// Regression fits, evaluation and inversion of the models, and the comparison of the
// nine fits. The stored answers of the examples hold the fitted numbers; these tests
// hold the properties and the edge cases no example reaches.
#include "Regression.h"
#include "Auswertung.h"
#include "Modellvergleich.h"
#include "Rechnen.h"
#include "Wertepaare.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

using test::zustandMit;
using Paare = std::vector<std::pair<double, double>>;

Paare reihe(double (*f)(double), std::vector<double> xs) {
    Paare p;
    for (double x : xs) p.emplace_back(x, f(x));
    return p;
}

// Every fit fails on the zero denominator: each is reported, none is decisive, and
// no result left from before survives.
TEST(Regression, GleicheXWerteLassenJedenFitScheitern) {
    auto z = zustandMit({{1.5, 1}, {1.5, 2}, {1.5, 3}, {1.5, 4}});
    z.KorrR = z.RMax = 0.9;
    std::vector<int> gemeldet;
    const auto erg = MassgR(z, [&](const Fehler& e) { gemeldet.push_back(e.code); });
    EXPECT_EQ(gemeldet, std::vector<int>(9, fehlercode::DivisionDurchNull));
    EXPECT_EQ(erg.modellNr, 0);
    EXPECT_EQ(z.KorrR, 0);
    for (const auto& m : erg.modelle) EXPECT_FALSE(m.ok) << m.code;
}

// Model 5 fits these pairs exactly, but one negative X rules out every
// double-logarithmic model, and the comparison says why.
TEST(Regression, NegativeWerteSchliessenDoppeltLogarithmischeModelleAus) {
    auto z = zustandMit(reihe([](double x) { return 1 + 2 * rechnen::LL(x); }, {-3, 2, 4, 8, 16}));
    const auto erg = MassgR(z);
    for (const auto& m : erg.modelle) EXPECT_EQ(m.zulaessig, !istDoppeltLogarithmisch(m.code));
    EXPECT_FALSE(istDoppeltLogarithmisch(erg.modellNr)) << erg.modellNr;
    for (const auto& zeile : modellvergleich(erg).zeilen) {
        EXPECT_EQ(zeile.verwendbar, zeile.grund.empty()) << zeile.code;
        EXPECT_EQ(zeile.verwendbar, !istDoppeltLogarithmisch(zeile.code)) << zeile.code;
    }
}

// ---- comparison of the nine fits

// By |r|, models without r last, the decisive one the first usable; calendar years
// overflow A = e^a of model 7, which keeps its r and B and gives the overflow as reason.
Modellvergleich geordnet(const Paare& paare) {
    auto z = zustandMit(paare);
    const auto v = modellvergleich(MassgR(z));
    EXPECT_EQ(v.zeilen.size(), 9u);
    const auto erster = std::find_if(v.zeilen.begin(), v.zeilen.end(),
                                     [](auto& zeile) { return zeile.verwendbar; });
    EXPECT_TRUE(erster->entscheidend);
    for (std::size_t i = 1; i < v.zeilen.size(); ++i) {
        const auto &a = v.zeilen[i - 1], &b = v.zeilen[i];
        EXPECT_TRUE(a.r || !b.r) << "a model without r before one with r";
        if (a.r && b.r) {
            EXPECT_GE(std::fabs(*a.r), std::fabs(*b.r));
        }
    }
    return v;
}

TEST(Modellvergleich, NachBetragVonRMitGruenden) {
    // L(2) = L(-0.5): every model with a logarithmic abscissa fails and has no r.
    const auto ohneR = geordnet({{2, 3}, {-0.5, 5}, {2, 4}, {-0.5, 6}});
    EXPECT_FALSE(ohneR.zeilen.back().r);
    const auto v = geordnet({{2000, 90}, {2001, 45}, {2002, 23}, {2003, 11}});
    const auto m7 =
        std::find_if(v.zeilen.begin(), v.zeilen.end(), [](auto& zeile) { return zeile.code == 7; });
    EXPECT_TRUE(m7->r && m7->B && !m7->A && !m7->verwendbar);
    EXPECT_NE(m7->grund.find("Überlauf"), std::string::npos) << m7->grund;
    EXPECT_FALSE(v.knapp);
    // Growth over calendar years: e^a of models 9 to 12 is below the smallest double, and a
    // model with A = 0 would be a constant; model 8 decides.
    auto jahre =
        zustandMit({{2016, 10}, {2017, 12}, {2018, 15}, {2019, 19}, {2020, 24}, {2021, 31}});
    const RegressionsErgebnis wachstum = MassgR(jahre);
    EXPECT_EQ(wachstum.modellNr, 8);
    for (const auto& fit : wachstum.modelle) EXPECT_EQ(fit.ohneA, fit.code >= 9) << fit.code;
    // Nearly linear, nearly logarithmic at large x: the runner-up is within 0.001.
    auto knapp = zustandMit({{100, 10}, {101, 11.01}, {102, 11.99}, {103, 13}, {104, 14.01}});
    EXPECT_TRUE(modellvergleich(MassgR(knapp)).knapp);
}

// ---- evaluation and inversion of the fitted model

Programmzustand modell(int nr, double A, double B) {
    Programmzustand z;
    z.ModellNr = nr;
    z.KonstA = A;
    z.KoeffB = B;
    return z;
}

struct YFall {
    int modell;
    double A, B, x;
    std::optional<double> y;
};
class WertYQFaelle : public ::testing::TestWithParam<YFall> {};
TEST_P(WertYQFaelle, UndefinierteSchritteZaehlenAlsNull) {
    const auto& f = GetParam();
    const auto y = WertYQ(modell(f.modell, f.A, f.B), f.x);
    ASSERT_EQ(y.has_value(), f.y.has_value()) << f.modell << " x=" << f.x;
    if (y) {
        EXPECT_NEAR(*y, *f.y, 1e-12) << f.modell << " x=" << f.x;
    }
}
INSTANTIATE_TEST_SUITE_P(
    Faelle, WertYQFaelle,
    ::testing::Values(YFall{2, 3, 2, 0, 3},                        // L1 unset, S = 0
                      YFall{5, 3, 2, 1, 3}, YFall{5, 3, 2, -1, 3}, // S2 = 0, L2 unset
                      YFall{2, 3, 2, -std::exp(1.0), 1},           // odd continuation: A - B
                      YFall{10, 2, 2, -std::exp(1.0), -2},         // sign of x, ln|x| = 1
                      YFall{9, 2, 0.5, -4, std::nullopt},          // negative base, fraction
                      YFall{5, 3, 2, 0.5, 3 - 2 * std::log(std::log(2.0))},        // S2 = -1
                      YFall{12, 2, 3, -std::exp(1.0), std::exp(-2.0)},             // sign of x
                      YFall{9, 2, 2, -3, 18}, YFall{7, 2, 1000, 10, std::nullopt}, // overflow
                      YFall{4, 1, 1, 1, std::nullopt}));                           // no model

TEST(WertXQ, VorzeichenUndSteigungNull) {
    EXPECT_FALSE(WertXQ(modell(1, 2, 0), 5).has_value());
    EXPECT_NEAR(*WertXQ(modell(9, 2, 0.5), -8), 1 / 16.0, 1e-12); // sgn(y/A) = -1
}

// For A > 0 the inversion undoes the evaluation on each model's real domain.
class Umkehrung : public ::testing::TestWithParam<int> {};
TEST_P(Umkehrung, WertXQInvertiertWertYQ) {
    const auto z = modell(GetParam(), 1.3, 0.4);
    for (double x : {1.7, 2.5, 4.0, 9.0}) {
        const auto y = WertYQ(z, x);
        ASSERT_TRUE(y) << x;
        const auto xr = WertXQ(z, *y);
        ASSERT_TRUE(xr) << x;
        EXPECT_NEAR(*xr, x, 1e-9 * x);
    }
}
INSTANTIATE_TEST_SUITE_P(Modelle, Umkehrung, ::testing::Values(1, 2, 5, 7, 8, 9, 10, 11, 12));

TEST(Achsen, StreckeXMerktIndizesDerExtreme) {
    auto z = zustandMit({{2, 5}, {8, 7}, {4, 6}, {6, 9}});
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

} // namespace
} // namespace tk
