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

TEST(Prognose, LogistischeSummenreiheWaehltTyp5) {
    auto z = prognose(werte(logistisch, 1, 8));
    auto erg = RegressFaktorP(z, Untersuch1(z));
    ASSERT_TRUE(erg.entscheidend);
    EXPECT_EQ(erg.typ, 5);
    EXPECT_EQ(z.KurvenTyp, 5);
    EXPECT_NEAR(z.KorrR, 1, 1e-6);
    EXPECT_NEAR(z.KMax, 100.001, 0.005); // one step past the true level
    EXPECT_GT(z.KMax, 100);
    EXPECT_NEAR(z.KonstA, -5, 0.01);
    EXPECT_NEAR(z.KoeffB, 1, 0.001);
    EXPECT_NEAR(z.WertXs, 5, 0.01);
    const TypFit& typ3 = erg.typen[1];
    EXPECT_TRUE(typ3.ok);
    EXPECT_LT(typ3.iterationen, 10);
    EXPECT_NEAR(typ3.K, 95.26, 0.05);
}

TEST(Prognose, GompertzSummenreiheWaehltTyp1) {
    auto z = prognose(werte(gompertz, 1, 8));
    auto erg = RegressFaktorP(z, Untersuch1(z));
    ASSERT_TRUE(erg.entscheidend);
    EXPECT_EQ(z.KurvenTyp, 1);
    EXPECT_NEAR(z.KMax, 100.0015, 0.005);
    EXPECT_NEAR(z.KonstA, 3, 0.01);
    EXPECT_NEAR(z.KoeffB, -0.5, 0.001);
    EXPECT_NEAR(z.WertXs, std::log(3.0) / 0.5, 0.01);
}

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
