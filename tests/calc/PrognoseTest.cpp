// Saturation searches and the evaluation of the three curve types. The stored answers
// of the examples hold the fitted curves and their characteristic values; these tests
// hold the properties and what no example output shows.
#include "calc/Prognose.h"
#include "bench/Daten.h"
#include "calc/Auswertung.h"
#include "calc/Fehler.h"
#include "calc/Modellvergleich.h"
#include "calc/Rechenlauf.h"
#include "calc/Vektorlog.h"
#include "tests/support/Wertepaare.h"

#include <bit>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <thread>

namespace tk {
namespace {

using Paare = std::vector<std::pair<double, double>>;

Paare werte(double (*f)(double), int von, int bis) {
    Paare p;
    for (int x = von; x <= bis; ++x) p.emplace_back(x, f(x));
    return p;
}

Programmzustand prognose(const Paare& p) {
    auto z = test::zustandMit(p, true);
    MaxMinWert(z, z.AnzPaare);
    return z;
}

// Gompertz values 100*e^(-3*e^(-0.5*x)): type 1 with its Xs, one step past
// the level of the data; a progress report every 350 steps of each search.
TEST(Prognose, FindetDieKurveDerDatenMitFortschritt) {
    auto z =
        prognose(werte([](double x) { return 100 * std::exp(-3 * std::exp(-0.5 * x)); }, 1, 8));
    long berichte = 0, erwartet = 0;
    Fortschritt fp;
    fp.fortschritt = [&](long i) { return i % 350 == 0 && ++berichte > 0; };
    const auto erg = RegressFaktorP(z, Untersuch1(z), fp);
    for (const auto& t : erg.typen) erwartet += t.iterationen / 350;
    EXPECT_EQ(berichte, erwartet);
    EXPECT_EQ(z.KurvenTyp, 1);
    EXPECT_GT(z.KMax, 100);
    EXPECT_NEAR(z.KMax, 100, 0.01);
    EXPECT_NEAR(z.WertXs, std::log(3.0) / 0.5, 0.01);
}

// Only prognosis data are shifted, every value by the same amount.
TEST(Prognose, NegativeWerteWerdenAufNullVerschoben) {
    auto z = test::zustandMit({{1, 3}, {2, -2}, {3, 4}, {4, 9}}, true);
    EXPECT_EQ(MaxMinWert(z, 4), 2);
    EXPECT_EQ(z.YWert(4), 11);
    EXPECT_EQ(z.YMax, 11);
}

TEST(Prognose, NullAlsErsterSummenwertBeendetDenFallOhneErgebnis) {
    auto z = prognose({{1, -2}, {2, 3}, {3, 4}, {4, 9}});
    z.KorrR = 0.5; // left over from an earlier case: must not pass as this case's result
    std::vector<int> codes;
    int enden = 0;
    Fortschritt fp;
    fp.ende = [&] { ++enden; };
    const auto erg =
        RegressFaktorP(z, Untersuch1(z), fp, [&](const Fehler& f) { codes.push_back(f.code); });
    EXPECT_EQ(codes, std::vector<int>{fehlercode::DivisionDurchNull});
    EXPECT_EQ(enden, 1);
    EXPECT_FALSE(erg.entscheidend || erg.typen[1].lief);
    EXPECT_EQ(erg.typen[0].iterationen, 1); // the failed search keeps its counter
    EXPECT_EQ(z.KorrR, 0);
    EXPECT_EQ(z.KurvenTyp, 0);
}

// The bundled search step gives the pairwise one's step counts and numbers, every bit, on
// generated data sets of every shape; searches beyond 35,000 steps are cut there (bench/
// tk_suchvergleich runs 1,000 sets to their ends).
TEST(Prognose, GebuendeltWiePaarweise) {
    bench::Suchvergleich v;
    v.schrittGrenze = 35000;
    for (int i = 0; i < 100; ++i) v.vergleiche(bench::prognoseReihe(i));
    EXPECT_GT(v.beendet, 200);
    EXPECT_EQ(v.schritteAnders, 0);
    EXPECT_EQ(v.zahlenAnders, 0);
}

// Eight or four logarithms at a time wherever the processor can, each with std::log's bits: near 1
// (a polynomial of its own), at the subintervals' edges, any exponent, and the values that
// take the scalar way (zero, negative, subnormal, infinite, NaN) in any lane.
TEST(Logarithmen, BitFuerBitWieStdLog) {
#if defined(__x86_64__)
    const bool avx2 = __builtin_cpu_supports("avx2") && __builtin_cpu_supports("fma");
    const bool avx512 = __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512dq");
    EXPECT_EQ(logarithmenBreite(), !avx2 ? 1 : avx512 ? 8 : 4);
#endif
    std::vector<double> x = {0.0,
                             -1.0,
                             1e-310,
                             std::numeric_limits<double>::infinity(),
                             std::numeric_limits<double>::quiet_NaN(),
                             1.0};
    for (int i = 0; i < 20000; ++i) {
        const double d = std::ldexp(1 + i % 97 / 97.0, -(i % 60));
        x.push_back(i % 2 ? 1 + d : 1 - d / 2);
        x.push_back(std::ldexp(0x1.6ap-1 + i / 20000.0 * 0x1.6ap-1, i % 2000 - 1000));
    }
    for (std::size_t n : {x.size(), x.size() - 3}) {
        std::vector<double> y(n);
        logarithmen(x.data(), y.data(), n);
        for (std::size_t i = 0; i < n; ++i)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(y[i]),
                      std::bit_cast<std::uint64_t>(std::log(x[i])))
                << std::hexfloat << x[i];
    }
}

// Increments entered as if cumulative: every type's search ends, none does better than
// the values' mean, so the case has no decisive curve; summed up they have one.
TEST(Prognose, OhneBeschreibendeKurveKeinErgebnis) {
    auto z = prognose({{1, 5}, {2, 12}, {3, 25}, {4, 30}, {5, 22}, {6, 10}, {7, 4}});
    const auto summen = RegressFaktorP(z, Untersuch1(z));
    EXPECT_TRUE(!summen.entscheidend && summen.keineBeschreibt());
    EXPECT_EQ(z.KurvenTyp, 0);
    EXPECT_FALSE(z.R2Daten);
    for (const auto& t : summen.typen) EXPECT_TRUE(t.ok && t.r2Daten && *t.r2Daten < 0);
    const auto einzel = RegressFaktorP(z, Untersuch2(z));
    ASSERT_TRUE(einzel.entscheidend && einzel.r2Daten);
    EXPECT_GT(*einzel.r2Daten, 0.99);
    EXPECT_EQ(z.R2Daten, einzel.r2Daten);
}

// Largest |r| among the types that ended and describe the values; a tie keeps the
// earlier type.
TEST(Prognose, WahlDerEntscheidendenKurve) {
    std::array<TypFit, 3> t;
    for (std::size_t k = 0; k < t.size(); ++k) {
        t[k].typ = KurvenTypen[k];
        t[k].ok = t[k].beschreibt = true;
    }
    t[0].r = 0.9;
    t[1].r = -0.9;
    t[2].r = 0.95;
    t[2].beschreibt = false;
    EXPECT_EQ(waehleTyp(t), 0);
    FallErgebnis f;
    f.typen = t;
    f.entscheidend = true;
    f.typ = 1;
    f.r = 0.9;
    t[1].r = -0.8995;
    f.typen = t;
    EXPECT_TRUE(knappeEntscheidung(f)); // the runner-up within 0.001 in |r|
    f.typen[1].r = -0.8985;
    EXPECT_FALSE(knappeEntscheidung(f));
    t[0].ok = false;
    EXPECT_EQ(waehleTyp(t), 1);
    t[1].beschreibt = false;
    EXPECT_EQ(waehleTyp(t), -1);
}

// Runs on several threads at once give bit for bit what they give one after the other:
// the engine keeps no shared state.
TEST(Rechenlauf, GleichzeitigWieNacheinander) {
    const Programmzustand daten[] = {
        prognose(werte([](double x) { return 100 * std::exp(-3 * std::exp(-0.5 * x)); }, 1, 8)),
        prognose(werte([](double x) { return 100 / (1 + std::exp(5 - x)); }, 1, 9)),
        test::zustandMit({{2, 5.1}, {3, 6.8}, {4, 9.2}, {5, 11.1}})};
    std::vector<Laufergebnis> nacheinander, gleichzeitig(std::size(daten));
    for (const auto& z : daten) nacheinander.push_back(rechenlauf(z, {}, false));
    std::vector<std::thread> faeden;
    for (std::size_t i = 0; i < std::size(daten); ++i)
        faeden.emplace_back([&, i] { gleichzeitig[i] = rechenlauf(daten[i]); });
    for (auto& f : faeden) f.join();
    for (std::size_t i = 0; i < std::size(daten); ++i) {
        const Laufergebnis &a = nacheinander[i], &b = gleichzeitig[i];
        for (const auto& [x, y] :
             {std::pair{&a.summenwerte, &b.summenwerte}, std::pair{&a.einzelwerte, &b.einzelwerte}})
            for (std::size_t k = 0; k < 3; ++k) {
                const TypFit &s = x->typen[k], &t = y->typen[k];
                EXPECT_TRUE(s.r == t.r && s.K == t.K && s.iterationen == t.iterationen) << i;
            }
        EXPECT_EQ(a.z.KorrR, b.z.KorrR);
        EXPECT_EQ(a.z.KMax, b.z.KMax);
        EXPECT_EQ(a.regression.modellNr, b.regression.modellNr);
        for (std::size_t k = 0; k < 9; ++k)
            EXPECT_EQ(a.regression.modelle[k].r, b.regression.modelle[k].r);
    }
}

// ---- the fitted curves

Programmzustand kurve(int typ, double A, double B, double r = 0.99) {
    Programmzustand z;
    z.ModusPrognostik = true;
    z.KurvenTyp = typ;
    z.KonstA = A;
    z.KoeffB = B;
    z.KMax = 100;
    z.KorrR = r;
    z.AnzPaare = 1;
    z.redimPaare(1, false);
    z.XWert(1) = 0; // last observed horizon
    return z;
}

class Kurventypen : public ::testing::TestWithParam<std::tuple<int, double, double>> {};
TEST_P(Kurventypen, UmkehrungAchsenUndDichte) {
    auto [typ, A, B] = GetParam();
    const auto z = kurve(typ, A, B);
    for (double s : {0.01, 0.2, 0.5, 0.9, 0.99})
        EXPECT_NEAR(WertKi(z, WertXI(z, s)), s * z.KMax, 1e-9) << s;
    // X(1%) at 0 and X(99%) at 1, within the precision of the rounded axis constants.
    EXPECT_NEAR(StreckeXI(z, WertXI(z, 0.01)), 0, 1e-3);
    EXPECT_NEAR(StreckeXI(z, WertXI(z, 0.99)), 1, 1e-3);
    EXPECT_NEAR(*StreckeYI(z, 0.01 * z.KMax), 0, 1e-12);
    EXPECT_NEAR(*StreckeYI(z, 0.99 * z.KMax), 1, 1e-12);
    // The density is the derivative of K/KMax and bends at the inflection points.
    const auto K = [&](double x) { return WertKi(z, x) / z.KMax; };
    const auto phi = [&](double x) { return *PhiWert(z, x); };
    for (double x : {1.0, 3.0}) EXPECT_NEAR(phi(x), (K(x + 1e-5) - K(x - 1e-5)) / 2e-5, 1e-7) << x;
    for (double x : {WendepunktX1(z), WendepunktX2(z)})
        EXPECT_NEAR((phi(x + 1e-3) - 2 * phi(x) + phi(x - 1e-3)) / 1e-6, 0, 1e-4) << x;
}
INSTANTIATE_TEST_SUITE_P(Typen, Kurventypen,
                         ::testing::Values(std::make_tuple(1, 3.0, -0.5),
                                           std::make_tuple(3, 2.0, 0.4),
                                           std::make_tuple(5, -5.0, 1.0)));

TEST(Prognosekurve, KennwerteBeiFuenfzigProzentUndAmRand) {
    EXPECT_NEAR(WertXI(kurve(5, 2, 0.5), 0.5), -4, 1e-12);
    EXPECT_NEAR(WertXI(kurve(1, 2, -0.5), 0.5), std::log(std::log(2.0) / 2) / -0.5, 1e-12);
    EXPECT_THROW(WertXI(kurve(5, 2, 0.5), 1), Fehler);
    EXPECT_THROW(WertXI(kurve(1, 2, 0.5), 0), Fehler);
    EXPECT_THROW(WendepunktX1(kurve(1, -1, 0.5)), Fehler);
    // The 100 % query evaluates at X = 10^10: each type nears its limit there.
    EXPECT_NEAR(WertKi(kurve(5, -5, 1), 1e10), 100, 1e-9);
    EXPECT_NEAR(WertKi(kurve(5, -5, 1), -1e10), 0, 1e-9);
    EXPECT_NEAR(WertKi(kurve(1, 3, -0.5), 1e10), 100, 1e-9);
    EXPECT_NEAR(WertKi(kurve(3, 0.01, -0.8), 1e10), 100, 1e-9); // rising type 3: B < 0
    EXPECT_NEAR(WertKi(kurve(3, 2, 0.4), 1e10), 0, 1e-9);
    EXPECT_THROW(WertKi(kurve(1, -3, 0.5), 1e10), Fehler); // the curve itself overflows
}

// ---- 95 % band

TEST(Grenzen, InnerhalbDerDatenIstDieGrenzeDerWert) {
    const auto z = kurve(5, 0, 1); // curve value at the last horizon X = 0 is 50
    EXPECT_EQ(KGrenz1(z, 30), 30);
    EXPECT_EQ(KGrenz2(z, 30), 30);
    EXPECT_EQ(KGrenz1(z, 0), 0);
    EXPECT_GT(KGrenz2(z, 50), 50); // from the curve value at the last horizon on
}

// |r| at or a hair above 1 widens the band no more than any |r| above 0.9735.
TEST(Grenzen, PerfekterFitScheitertNicht) {
    const double gut = KGrenz2(kurve(3, 2, 0.4, 0.98), 100);
    for (double r : {1.0, -1.0, 1.0000000000000002})
        EXPECT_NEAR(KGrenz2(kurve(3, 2, 0.4, r), 100), gut, 1e-9) << r;
}

TEST(Band, GrenzenNurJenseitsDesLetztenHorizonts) {
    auto z = kurve(5, -5, 1);
    z.XWert(1) = 6;
    const auto innen = bandwerte(z, 2, 5);
    EXPECT_NEAR(innen.Kdx, WertKi(z, 5) - WertKi(z, 2), 1e-12);
    EXPECT_EQ(innen.KdxG1, innen.Kdx);
    EXPECT_EQ(innen.KdxG2, innen.Kdx);
    const auto rand = bandwerte(z, 2, 6);
    EXPECT_EQ(rand.KdxG2, rand.Kdx);
    const auto aussen = bandwerte(z, 7, 9);
    EXPECT_NEAR(aussen.KdxG1, KGrenz1(z, WertKi(z, 9)) - KGrenz1(z, WertKi(z, 7)), 1e-12);
    EXPECT_NEAR(aussen.KdxG2, KGrenz2(z, WertKi(z, 9)) - KGrenz2(z, WertKi(z, 7)), 1e-12);
}

// ---- density chart helpers

TEST(Dichtegrafik, OrdinateRasterUndSortierung) {
    const std::vector<std::pair<double, double>> tops = {{0.25, 0.3},    {0.8, 0.8}, {0.8001, 1},
                                                         {0.003, 0.003}, {0, 0.003}, {1.5, 1.5},
                                                         {0.0031, 0.006}};
    for (const auto& [maximum, T] : tops) EXPECT_DOUBLE_EQ(OrdinatenTop(maximum), T) << maximum;
    for (int i = 1; i <= 13; ++i) {
        double s = -1, t = -1;
        GibS(i, s);
        GibS(14 - i, t);
        EXPECT_NEAR(s + t, 1, 1e-12) << i;
    }
    double s = 0.42, erste = 0;
    GibS(14, s);
    GibS(1, erste);
    EXPECT_EQ(s, 0.42);
    EXPECT_EQ(erste, 0.01);
    std::vector<double> a = {0, 3, 1, 2, 2, -1};
    SortBubble(a, 4);
    EXPECT_EQ(a, (std::vector<double>{0, 1, 2, 2, 3, -1}));
}

} // namespace
} // namespace tk
