// SPDX-License-Identifier: GPL-3.0-or-later
// Least squares in the data's units: NIST's certified answers, and the coverage of the
// 95 % intervals on simulated series.
#include "calc/KQAnpassung.h"
#include "calc/Modelle.h"
#include "tests/support/Wertepaare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
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

// The fast paths (closed form, projection of A or K, compact Levenberg-Marquardt with
// the tables' derivatives) against GSL's driver with difference Jacobians, which a
// curve without a gradient gets: every model, and every type with its profile of K.
struct Reihe {
    const char* name;
    Paare daten;
    bool typen = true; // also as cumulative values
};

void PrintTo(const Reihe& r, std::ostream* o) {
    *o << r.name;
}

class SchnellWieAllgemein : public testing::TestWithParam<Reihe> {};

void vergleiche(const KQKurve& k, const std::vector<double>& x, const std::vector<double>& y,
                const KQParameter& start) {
    const KQErgebnis r = kqMitIntervallen({k.anzahl, k.wert, {}, false, false}, x, y, start);
    // a model the general driver fits, the fast path fits by itself: no difference
    // Jacobian from `wert` (a type on a ridge towards infinite K may go back to GSL)
    std::size_t werte = 0;
    KQKurve zaehlend = k;
    zaehlend.wert = [&](const KQParameter& p, double v) { return ++werte, k.wert(p, v); };
    if (r.konvergiert && k.anzahl == 2) {
        EXPECT_TRUE(kleinsteQuadrate(zaehlend, x, y, start).konvergiert);
        EXPECT_LE(werte, x.size());
    }
    const KQErgebnis e = kqMitIntervallen(k, x, y, start);
    // where GSL's difference Jacobian stalls on a flat ridge the fast path may still
    // converge; never the other way round
    ASSERT_TRUE(e.konvergiert || !r.konvergiert) << e.grund;
    if (!r.konvergiert) return;
    const auto nah = [](double a, double b, double tol) {
        EXPECT_NEAR(a, b, tol * std::max(std::fabs(b), 1e-300));
    };
    EXPECT_LE(e.rss, r.rss * (1 + 1e-12));
    for (std::size_t i = 0; i < static_cast<std::size_t>(k.anzahl); ++i) {
        EXPECT_NEAR(e.p[i], r.p[i], 1e-4 * r.se[i] + 1e-12) << i;
        nah(e.se[i], r.se[i], 1e-4);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_NEAR(e.kovarianz[i][j], r.kovarianz[i][j], 1e-4 * r.se[i] * r.se[j]) << i << j;
        ASSERT_EQ(e.ci95[i].unten.has_value(), r.ci95[i].unten.has_value()) << i;
        ASSERT_EQ(e.ci95[i].oben.has_value(), r.ci95[i].oben.has_value()) << i;
        const double tol = 1e-4 * r.se[i];
        EXPECT_NEAR(e.ci95[i].unten.value_or(0), r.ci95[i].unten.value_or(0), tol) << i;
        EXPECT_NEAR(e.ci95[i].oben.value_or(0), r.ci95[i].oben.value_or(0), tol) << i;
    }
}

TEST_P(SchnellWieAllgemein, GleicheAnpassung) {
    const Paare& p = GetParam().daten;
    auto z = test::zustandMit(p);
    std::vector<double> x, y;
    for (int i = 1; i <= z.AnzPaare; ++i) x.push_back(z.EingabeX(i)), y.push_back(z.EingabeY(i));
    for (const ModellFit& m : MassgR(z).modelle)
        if (m.ok && !m.ohneA) {
            SCOPED_TRACE("Modell " + std::to_string(m.code));
            vergleiche(modellKurve(m.code), x, y, {m.A, m.B, 0});
            // the curve prepared for the series computes, bit for bit, what the curve
            // computes point by point
            KQKurve einzeln = modellKurve(m.code);
            einzeln.vorbereiten = nullptr;
            const KQErgebnis vor = kleinsteQuadrate(modellKurve(m.code), x, y, {m.A, m.B, 0});
            const KQErgebnis pkt = kleinsteQuadrate(einzeln, x, y, {m.A, m.B, 0});
            EXPECT_EQ(vor.konvergiert, pkt.konvergiert);
            EXPECT_EQ(vor.p, pkt.p);
            EXPECT_EQ(vor.se, pkt.se);
            // abscissae prepared for the series serve only fits to that series
            std::vector<double> andere = x;
            andere.back() += 1;
            const auto fremd =
                std::make_shared<const std::vector<Abszisse>>(andere.begin(), andere.end());
            const KQErgebnis geteilt =
                kleinsteQuadrate(modellKurve(m.code, fremd), x, y, {m.A, m.B, 0});
            EXPECT_EQ(geteilt.p, pkt.p);
        }
    if (!GetParam().typen) return;
    auto zp = test::zustandMit(p, true);
    MaxMinWert(zp, zp.AnzPaare);
    const Summenreihe reihe = Untersuch1(zp);
    std::vector<double> w;
    for (int i = 1; i <= zp.AnzPaare; ++i) w.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    x.clear();
    for (int i = 1; i <= zp.AnzPaare; ++i) x.push_back(zp.XWert(i));
    for (const TypFit& t : RegressFaktorP(zp, reihe).typen)
        if (t.ok) {
            SCOPED_TRACE("Typ " + std::to_string(t.typ));
            vergleiche(typKurve(t.typ), x, w, {t.K, t.A, t.B});
        }
}

INSTANTIATE_TEST_SUITE_P(
    Reihen, SchnellWieAllgemein,
    testing::Values(
        Reihe{"Wachstum",
              {{1, 5.6}, {2, 7.1}, {3, 8.5}, {4, 11.2}, {5, 13.4}, {6, 17.9}, {7, 21.0}}},
        Reihe{
            "Saettigung",
            {{1, 2}, {2, 5.5}, {3, 11}, {4, 19.5}, {5, 28}, {6, 35}, {7, 39}, {8, 41.5}, {9, 42}}},
        Reihe{"ExakteGerade", {{1, 3}, {2, 5}, {3, 7}, {4, 9}, {5, 11}}},
        Reihe{"Konstant", {{1, 4}, {2, 4}, {3, 4}, {4, 4}}},
        // as cumulative values the profile of K of type 1 reaches a second branch (A < 0)
        // below K = 4 that GSL's driver misses; the fast path finds it
        Reihe{"NullUndNegativ", {{-2, 1.5}, {-1, 2.5}, {0, 3}, {1, 4.5}, {2, 4}, {3, 6.5}}, false},
        Reihe{"Streuung", {{1, 9}, {2, 3}, {3, 8}, {4, 2}, {5, 7}, {6, 4}}},
        // decay below 1: e^{A * e^(B*x)} has a plateau where the curve vanishes, which
        // Newton's method alone runs into from the linearised start
        Reihe{"AbklingenUnterEins",
              {{1, 0.4106},
               {2, 0.3346},
               {3, 0.2535},
               {4, 0.2069},
               {5, 0.1563},
               {6, 0.1217},
               {7, 0.0937},
               {8, 0.0757},
               {9, 0.0587},
               {10, 0.0481},
               {11, 0.0368},
               {12, 0.0283},
               {13, 0.0228},
               {14, 0.0178},
               {15, 0.0134},
               {16, 0.0113}}}),
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
