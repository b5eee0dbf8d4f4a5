#include "Prognose.h"
#include "Fehler.h"
#include "Wertepaare.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

using Paare = std::vector<std::pair<double, double>>;

Paare werte(double (*f)(double), int von, int bis) {
    Paare p;
    for (int x = von; x <= bis; ++x) p.emplace_back(x, f(x));
    return p;
}

double logistisch(double x) {
    return 100 / (1 + std::exp(-(x - 5)));
}
double gompertz(double x) {
    return 100 * std::exp(-3 * std::exp(-0.5 * x));
}

Programmzustand prognose(const Paare& p) {
    auto z = test::zustandMit(p, true);
    MaxMinWert(z, z.AnzPaare);
    return z;
}

// Summenwerte series with a known decisive curve; all three types must have run.
struct Summenfall {
    const char* name;
    Paare paare;
    int typ;
    double KMax, A, B, Xs, toleranz;
};
std::ostream& operator<<(std::ostream& o, const Summenfall& f) {
    return o << f.name;
}
class Summenreihen : public ::testing::TestWithParam<Summenfall> {};
TEST_P(Summenreihen, WaehltDieKurveDerDaten) {
    const auto& f = GetParam();
    auto z = prognose(f.paare);
    auto erg = RegressFaktorP(z, Untersuch1(z));
    ASSERT_TRUE(erg.entscheidend);
    for (const auto& t : erg.typen) EXPECT_TRUE(t.ok) << t.typ;
    EXPECT_EQ(z.KurvenTyp, f.typ);
    EXPECT_NEAR(std::fabs(z.KorrR), 1, 1e-5);
    EXPECT_GT(z.KMax, f.KMax); // one step past the level of the data
    EXPECT_NEAR(z.KMax, f.KMax, f.toleranz);
    EXPECT_NEAR(z.KonstA, f.A, f.toleranz);
    EXPECT_NEAR(z.KoeffB, f.B, f.toleranz / 10);
    EXPECT_NEAR(z.WertXs, f.Xs, f.toleranz);
}
INSTANTIATE_TEST_SUITE_P(
    Kurven, Summenreihen,
    ::testing::Values(Summenfall{"Logistisch", werte(logistisch, 1, 8), 5, 100, -5, 1, 5, 0.01},
                      Summenfall{"Gompertz", werte(gompertz, 1, 8), 1, 100, 3, -0.5,
                                 std::log(3.0) / 0.5, 0.01},
                      // Calendar years: e^a of type 3 underflows to 0, ln(A) is undefined,
                      // and the fitting still goes on to type 5.
                      Summenfall{"Kalenderjahre",
                                 {{2000, 26.9}, {2001, 37.8}, {2002, 50}, {2003, 62.2}},
                                 5,
                                 98.754,
                                 -1010.028,
                                 0.5045,
                                 2001.948,
                                 0.001}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Prognose, EinzelwerteWerdenAufsummiert) {
    Paare summen = werte(logistisch, 1, 8);
    Paare einzeln = summen;
    for (std::size_t i = einzeln.size() - 1; i > 0; --i)
        einzeln[i].second = summen[i].second - summen[i - 1].second;
    auto z = prognose(einzeln);
    auto reihe = Untersuch2(z);
    EXPECT_NEAR(reihe.KBasis, summen.back().second, 1e-9);
    for (std::size_t i = 1; i <= summen.size(); ++i)
        EXPECT_NEAR(reihe.SummenK[i], summen[i - 1].second, 1e-9);
    EXPECT_NEAR(reihe.SummeX, 36, 1e-6); // X = 1 is stored as 1.0000001
    auto erg = RegressFaktorP(z, reihe);
    EXPECT_EQ(erg.typ, 5);
    EXPECT_NEAR(erg.KMax, 100.001, 0.005);
}

TEST(Prognose, NegativeMesswerteWerdenVerschoben) {
    auto z = test::zustandMit({{1, -2}, {2, 3}, {3, 4}, {4, 9}}, true);
    EXPECT_DOUBLE_EQ(MaxMinWert(z, 4), 2);
    EXPECT_DOUBLE_EQ(z.YWert(1), 0);
    EXPECT_DOUBLE_EQ(z.YWert(2), 5);
    EXPECT_DOUBLE_EQ(z.YWert(4), 11);
    EXPECT_DOUBLE_EQ(z.YMin, 0);
    EXPECT_DOUBLE_EQ(z.YMax, 11);
    EXPECT_DOUBLE_EQ(z.EingabeY(1), -2); // the entered values stay
    // A second rebuild from the entered values does not shift twice.
    z.WerteZuweisung();
    EXPECT_DOUBLE_EQ(MaxMinWert(z, 4), 2);
    EXPECT_DOUBLE_EQ(z.YWert(4), 11);
}

TEST(Prognose, NullAlsErsterSummenwertBeendetDenFallOhneErgebnis) {
    auto z = prognose({{1, -2}, {2, 3}, {3, 4}, {4, 9}});
    z.KorrR = 0.5; // left over from an earlier case: must not pass as this case's result
    int meldungen = 0, enden = 0;
    Fortschritt fp;
    fp.ende = [&] { ++enden; };
    auto erg = RegressFaktorP(z, Untersuch1(z), fp, [&](const Fehler& f) {
        ++meldungen;
        EXPECT_EQ(f.code, fehlercode::DivisionDurchNull);
    });
    EXPECT_EQ(meldungen, 1);
    EXPECT_EQ(enden, 1);
    EXPECT_FALSE(erg.entscheidend);
    EXPECT_TRUE(erg.typen[0].fehler.has_value());
    EXPECT_EQ(erg.typen[0].iterationen, 1); // the failed search keeps its counter
    EXPECT_FALSE(erg.typen[1].lief);
    EXPECT_EQ(z.KorrR, 0);
    EXPECT_EQ(z.KurvenTyp, 0);
}

TEST(Prognose, FortschrittAlle350SchritteUndAbbruch) {
    // Best level about 20 % above the base: thousands of iterations for type 5.
    Paare p;
    for (int x = 1; x <= 6; ++x) p.emplace_back(x, 100 / (1 + std::exp(-(x - 4.5))));
    auto z = prognose(p);
    std::vector<long> meldungen;
    std::vector<int> typen;
    Fortschritt fp;
    fp.typBeginn = [&](int t) { typen.push_back(t); };
    fp.fortschritt = [&](long i) {
        meldungen.push_back(i);
        return true;
    };
    auto erg = RegressFaktorP(z, Untersuch1(z), fp);
    EXPECT_EQ(typen, (std::vector<int>{1, 3, 5}));
    ASSERT_FALSE(meldungen.empty());
    for (long i : meldungen) EXPECT_EQ(i % 350, 0);
    EXPECT_FALSE(erg.abgebrochen);

    Fortschritt stopp;
    int enden = 0;
    stopp.fortschritt = [](long) { return false; };
    stopp.ende = [&] { ++enden; };
    auto abgebrochen = RegressFaktorP(z, Untersuch1(z), stopp);
    EXPECT_TRUE(abgebrochen.abgebrochen);
    EXPECT_EQ(enden, 1);
}

} // namespace
} // namespace tk
