// Regression fits, evaluation and inversion of the models, and the comparison of the
// nine fits. The stored answers of the examples hold the fitted numbers; these tests
// hold the properties and the edge cases no example reaches.
#include "calc/Regression.h"
#include "calc/Auswertung.h"
#include "calc/Bestimmtheit.h"
#include "calc/Modellvergleich.h"
#include "calc/Rechnen.h"
#include "tests/support/Wertepaare.h"

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

// Model 5 fits the first pairs exactly, but one negative X rules out every
// double-logarithmic model, and the comparison says why; so does one negative Y (model 12
// would fit the second pairs best).
TEST(Regression, NegativeWerteSchliessenDoppeltLogarithmischeModelleAus) {
    for (auto z :
         {zustandMit(reihe([](double x) { return 1 + 2 * rechnen::LL(x); }, {-3, 2, 4, 8, 16})),
          zustandMit({{3, 4.2}, {4, 5.9}, {6, 9.1}, {8, 12.4}, {12, -17.3}})}) {
        const auto erg = MassgR(z);
        for (const auto& m : erg.modelle) EXPECT_EQ(m.zulaessig, !istDoppeltLogarithmisch(m.code));
        EXPECT_FALSE(istDoppeltLogarithmisch(erg.modellNr)) << erg.modellNr;
        for (const auto& zeile : modellvergleich(erg).zeilen) {
            EXPECT_EQ(zeile.verwendbar, zeile.grund.empty()) << zeile.code;
            if (istDoppeltLogarithmisch(zeile.code)) {
                EXPECT_FALSE(zeile.verwendbar) << zeile.code;
            }
        }
    }
}

// ---- the decisive model describes the data in their own units

struct Verfehlt {
    Paare paare;
    int entscheidend, verfehlt;     // the decisive model; one of larger |r| that misses the data
    std::pair<double, double> nahe; // an entered pair the decisive curve keeps close
};
class VerfehlteKurve : public ::testing::TestWithParam<Verfehlt> {};
TEST_P(VerfehlteKurve, WirdNieEntscheidend) {
    const auto& f = GetParam();
    auto z = zustandMit(f.paare);
    const auto erg = MassgR(z);
    EXPECT_EQ(erg.modellNr, f.entscheidend);
    ASSERT_TRUE(erg.r2Daten && *erg.r2Daten > 0.9 && z.R2Daten == erg.r2Daten);
    for (const auto& m : erg.modelle)
        EXPECT_TRUE(m.code != f.verfehlt || (m.ok && !m.beschreibt && std::fabs(m.r) > erg.rMax));
    for (const auto& zeile : modellvergleich(erg).zeilen)
        EXPECT_TRUE(zeile.code != f.verfehlt || zeile.grund == BeschreibtNicht);
    EXPECT_NEAR(*WertYQ(z, f.nahe.first), f.nahe.second, 0.25 * std::fabs(f.nahe.second));
}
// Negative Y: A*x^B fits sgn(y)*ln|y| almost exactly, but its curve is positive. A power
// law with 0 < Y < 1: the double logarithm of Y turns the curve of model 8 around.
INSTANTIATE_TEST_SUITE_P(
    Faelle, VerfehlteKurve,
    ::testing::Values(Verfehlt{{{1, -2}, {2, -4.5}, {3, -6}, {4, -8.5}, {5, -10}}, 1, 9, {3, -6}},
                      Verfehlt{{{4.08, 0.01707},
                                {4.997, 0.02691},
                                {5.631, 0.03722},
                                {8.737, 0.11166},
                                {9.491, 0.13488},
                                {12.357, 0.25884}},
                               9,
                               8,
                               {8.737, 0.11166}}));

// R² = 1 - RSS/SST of the curve as evaluated; the straight line's is r².
TEST(Bestimmtheit, InDenEinheitenDerDaten) {
    const auto quadrat = [](double x) { return x * x; };
    EXPECT_NEAR(*bestimmtheitDaten({1, 2, 3}, {2, 4, 9}, quadrat), 25.0 / 26, 1e-15);
    EXPECT_FALSE(bestimmtheitDaten({1, 2, 3}, {2, 4, 9}, [](double x) {
        return rechnen::ln(x - 2); // undefined at X = 1 and 2
    }));
    EXPECT_FALSE(bestimmtheitDaten({1, 2, 3}, {5, 5, 5}, quadrat)); // nothing to explain
    EXPECT_FALSE(bestimmtheitDaten({1, 2}, {1, 2}, [](double x) { return x / (x - 1); }));
    auto z = zustandMit({{2, 2}, {3, 4}, {4, 3}, {5, 5}});
    EXPECT_NEAR(*MassgR(z).modelle[0].r2Daten, 0.64, 1e-14);
    EXPECT_TRUE(beschreibtDaten(0.0));
    EXPECT_FALSE(beschreibtDaten(-1e-6));
}

// Largest |r| among the fitted, admissible models that describe the data; a tie keeps
// the lower code.
TEST(Regression, WahlDesEntscheidendenModells) {
    std::array<ModellFit, 9> f;
    for (std::size_t k = 0; k < f.size(); ++k) {
        f[k].code = ModellCodes[k];
        f[k].ok = f[k].beschreibt = true;
        f[k].r = 0.5;
    }
    f[1].r = -0.9;
    f[3].r = 0.9;
    EXPECT_EQ(waehleModell(f), 1);
    f[1].beschreibt = false;
    EXPECT_EQ(waehleModell(f), 3);
    f[5].r = 0.95;
    f[5].zulaessig = false;
    f[6].r = 0.96;
    f[6].ok = false;
    EXPECT_EQ(waehleModell(f), 3);
    for (auto& m : f) m.beschreibt = false;
    EXPECT_EQ(waehleModell(f), -1);
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
