// SPDX-License-Identifier: GPL-3.0-or-later
// Least squares in the data's units: NIST's certified answers, and the coverage of the
// 95 % intervals on simulated series.
#include "calc/KQAnpassung.h"
#include "tests/support/Wertepaare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace tk {
namespace {

using Paare = std::vector<std::pair<double, double>>;

Paare paare(const std::vector<double>& x, const std::vector<double>& y) {
    Paare p;
    for (std::size_t i = 0; i < x.size(); ++i) p.emplace_back(x[i], y[i]);
    return p;
}

// The least-squares fit of a type in Fall Summenwerte, started from the search's result.
std::optional<KQErgebnis> summenTyp(const Paare& p, std::size_t typIndex) {
    auto z = test::zustandMit(p, true);
    MaxMinWert(z, z.AnzPaare);
    const Summenreihe reihe = Untersuch1(z);
    const TypFit t = RegressFaktorP(z, reihe).typen[typIndex];
    if (!t.ok) return std::nullopt;
    std::vector<double> x, w;
    for (int i = 1; i <= z.AnzPaare; ++i)
        x.push_back(z.XWert(i)), w.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    return kqMitIntervallen(typKurve(t.typ), x, w, {t.K, t.A, t.B});
}

struct Zertifiziert {
    const char* name;
    Paare daten;
    bool prognose;
    std::size_t index; // model 9 / type 5
    std::vector<double> p, se;
    double rss;
};

void PrintTo(const Zertifiziert& c, std::ostream* o) {
    *o << c.name;
}

class Nist : public testing::TestWithParam<Zertifiziert> {};

TEST_P(Nist, GibtDieZertifiziertenWerte) {
    const auto& c = GetParam();
    std::optional<KQErgebnis> e;
    if (c.prognose) {
        e = summenTyp(c.daten, c.index);
    } else {
        auto z = test::zustandMit(c.daten);
        e = kqRegression(z, MassgR(z))[c.index];
    }
    ASSERT_TRUE(e && e->konvergiert) << (e ? e->grund : "kein Start");
    for (std::size_t k = 0; k < c.p.size(); ++k) {
        EXPECT_NEAR(e->p[k], c.p[k], 1e-7 * std::fabs(c.p[k])) << k;
        EXPECT_NEAR(e->se[k], c.se[k], 1e-4 * c.se[k]) << k;
    }
    EXPECT_NEAR(e->rss, c.rss, 1e-8 * c.rss);
    EXPECT_NEAR(e->sigma, std::sqrt(c.rss / (e->n - e->anzahl)), 1e-9);
}

INSTANTIATE_TEST_SUITE_P(
    StRD, Nist,
    testing::Values(Zertifiziert{"DanWood",
                                 paare({1.309, 1.471, 1.490, 1.565, 1.611, 1.680},
                                       {2.138, 3.421, 3.597, 4.340, 4.882, 5.660}),
                                 false,
                                 5,
                                 {7.6886226176E-01, 3.8604055871E+00},
                                 {1.8281973860E-02, 5.1726610913E-02},
                                 4.3173084083E-03},
                    // y = b1/(1+e^(b2-b3*x)) is type 5 with K = b1, A = -b2, B = b3
                    Zertifiziert{"Rat42",
                                 paare({9, 14, 21, 28, 42, 57, 63, 70, 79},
                                       {8.930, 10.800, 18.590, 22.330, 39.350, 56.110, 61.730,
                                        64.620, 67.080}),
                                 true,
                                 2,
                                 {7.2462237576E+01, -2.6180768402E+00, 6.7359200066E-02},
                                 {1.7340283401E+00, 8.8295217536E-02, 3.4465663377E-03},
                                 8.0565229338E+00}),
    [](const auto& info) { return std::string(info.param.name); });

// Only the early rise of a logistic curve: the data bound K from below (well above the
// Wald interval's negative end) but not from above, and the interval says so.
TEST(KleinsteQuadrate, ProfilOhneObereGrenze) {
    Paare p;
    for (int x = 1; x <= 7; ++x)
        p.emplace_back(x, 100 / (1 + std::exp(-(x - 12) * 0.5)) + (x % 2 ? 0.05 : -0.05));
    const auto e = summenTyp(p, 2);
    ASSERT_TRUE(e && e->konvergiert);
    ASSERT_TRUE(e->ci95[0].unten);
    EXPECT_GT(*e->ci95[0].unten, p.back().second);
    EXPECT_LT(*e->ci95[0].unten, e->p[0]);
    EXPECT_FALSE(e->ci95[0].oben);
}

// 400 logistic series (K = 100, 12 points, noise sigma 1) from a fixed seed; Box-Muller
// by hand, since std::normal_distribution differs between libraries.
TEST(KleinsteQuadrate, IntervalleHaltenIhreUeberdeckung) {
    std::mt19937_64 zufall(2);
    const auto gleich = [&] { return (static_cast<double>(zufall() >> 11) + 0.5) * 0x1p-53; };
    const auto normal = [&] {
        return std::sqrt(-2 * std::log(gleich())) * std::cos(2 * M_PI * gleich());
    };
    const auto kurve = [](double x) { return 100 / (1 + std::exp(-0.6 * (x - 6.5))); };
    int kDrin = 0, neuDrin = 0;
    const int reihen = 400;
    for (int s = 0; s < reihen; ++s) {
        Paare p;
        for (int x = 1; x <= 12; ++x) p.emplace_back(x, kurve(x) + normal());
        const auto e = summenTyp(p, 2);
        if (!e || !e->konvergiert) continue;
        const KQIntervall& k = e->ci95[0];
        kDrin += k.unten && k.oben && *k.unten <= 100 && 100 <= *k.oben;
        const double x = 1 + s % 12;
        const auto band = kqBand(typKurve(5), *e, x);
        const double neu = kurve(x) + normal();
        neuDrin += band && *band->vorhersage.unten <= neu && neu <= *band->vorhersage.oben;
    }
    EXPECT_GE(kDrin, 0.92 * reihen);
    EXPECT_LE(kDrin, 0.98 * reihen);
    EXPECT_GE(neuDrin, 0.92 * reihen);
    EXPECT_LE(neuDrin, 0.98 * reihen);
}

} // namespace
} // namespace tk
