// The three charts on the recording surface: the values a user reads off them and
// the geometry that carries them.

#include "AufzeichnungsAusgabe.h"
#include "Grafiken.h"
#include "Teststaende.h"

#include "Auswertung.h"
#include "Format.h"
#include "Regression.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

using test::Paare;

constexpr double yA = -35.0 / 6;         // the regression chart's X axis
constexpr double hoehe = 100.0 * 7 / 12; // and the height of its data area

QString fest(const char* name, double v, int stellen) {
    return QString::fromLatin1(name) + QString::fromStdString(formatFest(v, stellen));
}
bool hat(const AufzeichnungsAusgabe& a, const QString& text) {
    return !a.texteMit(text).empty();
}
std::vector<Aufzeichnung> rot(const AufzeichnungsAusgabe& a) {
    std::vector<Aufzeichnung> r;
    for (const auto& l : a.linien())
        if (l.farbe == Farbe::Hellrot) r.push_back(l);
    return r;
}
// The cumulative curve as data at x = von..bis; its increments for case 2.
Paare werteDer(int typ, double A, double B, double von, double bis, int fall) {
    const Programmzustand z = test::kurve(typ, A, B, 100, {{von, 1}, {bis, 2}}, 1);
    Paare p;
    for (double x = von; x <= bis + 1e-9; x += 1)
        p.emplace_back(x, WertKi(z, x) - (fall == 2 ? WertKi(z, x - 1) : 0));
    return p;
}

// ---------------------------------------------------------------- regression

struct RichtungsFall {
    const char* name;
    Paare paare;
    bool steigend, exakt;
};
class GrafikRRichtung : public ::testing::TestWithParam<RichtungsFall> {};

// The model segment runs the way the model runs; exact data lie on it.
TEST_P(GrafikRRichtung, SegmentUndPunkteAufDerModellgeraden) {
    const auto& f = GetParam();
    const Programmzustand z = test::regression(f.paare);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikR(a, z, g);
    const auto r = rot(a);
    ASSERT_EQ(r.size(), 1u);
    EXPECT_DOUBLE_EQ(r[0].y1, f.steigend ? yA : yA + 70);
    EXPECT_DOUBLE_EQ(r[0].y2, f.steigend ? yA + 70 : yA);
    if (!f.exakt) return;
    const auto k = a.kreise();
    ASSERT_EQ(k.size(), f.paare.size());
    for (std::size_t i = 0; i < k.size(); ++i) {
        const double t = (f.paare[i].first - z.XMin) / (z.XMax - z.XMin);
        EXPECT_NEAR(k[i].x1, 100 * t, 1e-6);
        EXPECT_NEAR(k[i].y1, f.steigend ? hoehe * t : hoehe * (1 - t), 1e-6);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modelle, GrafikRRichtung,
    ::testing::Values(
        RichtungsFall{"steigend", {{2, 8}, {3, 11}, {4, 14}, {5, 17}, {6, 20}}, true, true},
        RichtungsFall{"fallend", {{2, 14}, {3, 11}, {4, 8}, {5, 5}, {6, 2}}, false, true},
        // The ends of the data run against the model.
        RichtungsFall{"fallendMitSteigendenEnden",
                      {{1, 10}, {2, 9.5}, {3, 9}, {4, 8}, {5, 7}, {6, 6}, {7, 10.2}},
                      false,
                      false}),
    [](const auto& info) { return std::string(info.param.name); });

// Each coefficient stands on the line of its caption. Left or right of the data area a
// point is left out with its number; above or below it is marked on the axes' edge, on
// screen and on paper.
TEST(GrafikR, LegendeUndPunkteAusserhalbDesRahmens) {
    for (bool druck : {false, true}) {
        Programmzustand z = test::regression({{2, 8}, {3, 11}, {4, 14}, {5, 17}, {6, 20}});
        z.KonstA = -2;
        GrafikZustand g;
        g.DruckModus = druck;
        z.XMax = 5.8;     // the pair at X = 6 lies 5 % right of the area
        z.YWert(2) = -40; // below the X axis
        z.YWert(4) = 100; // above the ordinate
        AufzeichnungsAusgabe a;
        GrafikR(a, z, g);
        EXPECT_EQ(a.kreise().size(), 2u);
        EXPECT_FALSE(hat(a, QStringLiteral("5")));
        EXPECT_TRUE(hat(a, QStringLiteral("2")) && hat(a, QStringLiteral("4")));
        for (const auto& k : a.kreise()) EXPECT_TRUE(k.y1 >= yA && k.y1 <= yA + 75);
        for (const auto& [name, wert] : {std::pair{"Konstantenterm A", " = -2.000000"},
                                         {"Regressionskoeff. B", " =  3.000000"},
                                         {"Korrelationskoeffizient  r", " =  1.000000"}}) {
            const auto n = a.texteMit(QString::fromLatin1(name));
            const auto w = a.texteMit(QString::fromLatin1(wert));
            ASSERT_TRUE(n.size() == 1 && w.size() == 1) << name;
            EXPECT_DOUBLE_EQ(n[0].y1, w[0].y1) << name;
        }
    }
}

// Logarithmic axes need the smallest |X| lifted to at least 1: 0.1 takes a factor 10.
TEST(GrafikR, SkalenfaktorDerKleinstenAbszisse) {
    Programmzustand z = test::regression({{0.1, 1}, {0.5, 2}, {3, 4}, {10, 5}, {30, 7}});
    const ModellFit fit = RegressFaktorR(z, 5);
    ASSERT_TRUE(fit.ok);
    z.ModellNr = 5;
    z.KonstA = fit.A;
    z.KoeffB = fit.B;
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikR(a, z, g);
    IndexXMinMax idx;
    std::vector<double> erwartet;
    for (int i = 1; i <= z.AnzPaare; ++i) {
        const double x = 100 * StreckeX(z, i, 10, idx).value_or(0);
        if (x >= 0 && x <= 100) erwartet.push_back(x);
    }
    const auto k = a.kreise();
    ASSERT_EQ(k.size(), erwartet.size());
    for (std::size_t i = 0; i < k.size(); ++i) EXPECT_NEAR(k[i].x1, erwartet[i], 1e-9);
}

// ---------------------------------------------------------------- Fall Summenwerte

struct KurvenFall {
    const char* name;
    int typ;
    double A, B;
};
class Kennwerte : public ::testing::TestWithParam<KurvenFall> {};

// Both prognosis charts print the characteristic values of their curve.
TEST_P(Kennwerte, StehenImErgebnisblock) {
    const auto& f = GetParam();
    for (int fall : {1, 2}) {
        const Programmzustand z =
            test::kurve(f.typ, f.A, f.B, 100, werteDer(f.typ, f.A, f.B, -4, 4, fall), fall);
        GrafikZustand g;
        AufzeichnungsAusgabe a;
        GrafikZeichnen(a, z, g);
        const double X99 = WertXI(z, 0.99), Xs = z.WertXs;
        const double Xwp1 = WendepunktX1(z), Xwp2 = WendepunktX2(z);
        QStringList soll{fest("X(99%) = ", X99, 3), fest("Xwp1 = ", Xwp1, 3),
                         fest("Xwp2 = ", Xwp2, 3)};
        if (fall == 1)
            soll << fest("X(1%) = ", WertXI(z, 0.01), 3) << fest("X50% = ", WertXI(z, 0.5), 3)
                 << fest("Xs = ", Xs, 5) << fest("Ks = ", WertKi(z, Xs), 4);
        else
            soll << fest("Xmin = ", z.XMin, 3) << fest("Xs = ", Xs, 3)
                 << fest("xs = ", PhiWert(z, Xs).value(), 7);
        for (const QString& t : soll) EXPECT_TRUE(hat(a, t)) << fall << " " << t.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Kurventypen, Kennwerte,
                         ::testing::Values(KurvenFall{"Typ1", 1, 1, -1},
                                           KurvenFall{"Typ3", 3, 1, -1},
                                           KurvenFall{"Typ5", 5, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct P1 : ::testing::Test {
    // Logistic, Xs = 0; X(99%) = 4.595, so the pair at X = 5 lies beyond the chart.
    Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -4, 5, 1), 1);
    P1() { z.YWert(10) = 90; } // below 99 %: only its X keeps it off the chart
    GrafikZustand g;
    AufzeichnungsAusgabe a;
};

TEST_F(P1, PunkteAufDerGeradenUndGrenzenVonKMaxFuerDieAbfrage) {
    GrafikP1(a, z, g);
    const double x0 = 120 * StreckeXI(z, WertXI(z, 0.01));
    const auto k = a.kreise();
    EXPECT_EQ(k.size(), 9u);
    for (const auto& c : k) EXPECT_NEAR(c.y1, 70.0 / 120 * (c.x1 - x0), 1e-3);
    EXPECT_DOUBLE_EQ(g.ergebnisse.KMaxGrenze1.value(), KGrenz1(z, z.KMax));
    EXPECT_DOUBLE_EQ(g.ergebnisse.KMaxGrenze2.value(), KGrenz2(z, z.KMax));
    EXPECT_FALSE(g.ergebnisse.Kdx);
}

// ---------------------------------------------------------------- Fall Einzelwerte

struct P2 : ::testing::Test {
    Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -4, 2, 2), 2);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    double sx() const { return 120 / (WertXI(z, 0.99) - z.XMin); }
    std::vector<Aufzeichnung> kurve() const {
        auto r = rot(a);
        r.erase(r.begin()); // the legend sample
        return r;
    }
};

// The automatic top is the density at Xs rounded up: 0.25 gives 0.3.
TEST_F(P2, DichtekurveUnterDerAutomatischenObergrenze) {
    GrafikP2(a, z, g);
    EXPECT_DOUBLE_EQ(g.PhiGrenze, PhiWert(z, z.WertXs).value());
    EXPECT_TRUE(hat(a, QStringLiteral("0.3000")));
    const auto k = kurve();
    ASSERT_EQ(k.size(), 100u);
    EXPECT_NEAR(k.front().x1, z.XMin * sx(), 1e-9);
    EXPECT_NEAR(k.front().y1, PhiWert(z, z.XMin).value() * 70 / 0.3, 1e-9);
    EXPECT_NEAR(k.back().x2, WertXI(z, 0.99) * sx(), 1e-6);
    EXPECT_TRUE(a.kreise().empty());
}

// A chosen limit below the maximum cuts the curve at the ordinate's end.
TEST_F(P2, GewaehlterGrenzwertSchneidetDieKurve) {
    g.GrenzwertFest = true;
    g.PhiGrenze = 0.1;
    GrafikP2(a, z, g);
    EXPECT_TRUE(hat(a, QStringLiteral("0.1000")));
    double hoechste = 0;
    for (const auto& l : kurve()) hoechste = std::max({hoechste, l.y1, l.y2});
    EXPECT_DOUBLE_EQ(hoechste, 75);
    EXPECT_NEAR(kurve().front().y1, PhiWert(z, z.XMin).value() * 70 / 0.1, 1e-9);
    EXPECT_DOUBLE_EQ(g.PhiGrenze, 0.1);
}

struct BandFall {
    const char* name;
    double Xi, Yi;
};
class P2Band : public ::testing::TestWithParam<BandFall> {};

// The band's K(dx) and its limits go to the query panel; beyond the last observed X
// the limits widen.
TEST_P(P2Band, KdxUndGrenzenFuerDieAbfrage) {
    const auto& f = GetParam();
    const Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -4, 2, 2), 2);
    GrafikZustand g;
    g.Xi = f.Xi;
    g.Yi = f.Yi;
    AufzeichnungsAusgabe a;
    GrafikP2(a, z, g);
    const Bandwerte b = bandwerte(z, f.Xi, f.Yi);
    EXPECT_DOUBLE_EQ(g.ergebnisse.Kdx.value(), WertKi(z, f.Yi) - WertKi(z, f.Xi));
    EXPECT_DOUBLE_EQ(g.ergebnisse.KdxG1.value(), b.KdxG1);
    EXPECT_DOUBLE_EQ(g.ergebnisse.KdxG2.value(), b.KdxG2);
    EXPECT_EQ(b.KdxG1 != b.Kdx, f.Yi > 2);
    for (double x : {f.Xi, f.Yi}) EXPECT_TRUE(hat(a, fest(" ", PhiWert(z, x).value(), 7)));
}

INSTANTIATE_TEST_SUITE_P(Abfrage, P2Band,
                         ::testing::Values(BandFall{"innen", -1, 1.5}, BandFall{"darueber", 0, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tk
