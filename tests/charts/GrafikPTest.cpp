// Geometry of the two prognosis charts on the recording surface.

#include "AufzeichnungsAusgabe.h"
#include "Datensaetze.h"
#include "Fehler.h"
#include "Grafiken.h"

#include "Auswertung.h"
#include "Format.h"

#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

using test::Paare;

constexpr double eps = 1e-9;
constexpr double h8 = 0.5 * 8; // line height of 8 points on the recording surface

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::vector<Aufzeichnung> linienIn(const AufzeichnungsAusgabe& a, Farbe farbe) {
    std::vector<Aufzeichnung> r;
    for (const auto& l : a.linien())
        if (l.farbe == farbe) r.push_back(l);
    return r;
}

bool hatLinie(const AufzeichnungsAusgabe& a, double x1, double y1, double x2, double y2,
              double tol = 1e-9) {
    for (const auto& l : a.linien())
        if (std::abs(l.x1 - x1) < tol && std::abs(l.y1 - y1) < tol && std::abs(l.x2 - x2) < tol &&
            std::abs(l.y2 - y2) < tol)
            return true;
    return false;
}

Paare summen(double A, double B, double KMax, double von, double bis) {
    Paare p;
    for (double x = von; x <= bis + 1e-9; x += 1)
        p.emplace_back(x, KMax * std::exp(A + B * x) / (std::exp(A + B * x) + 1));
    return p;
}

// ---------------------------------------------------------------- Fall Summenwerte

struct P1 : ::testing::Test {
    Programmzustand z = test::kurve(5, 0, 1, 100, summen(0, 1, 100, -4, 4), 1);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    double x0 = 0;
    void zeichne() {
        x0 = 120 * StreckeXI(z, WertXI(z, 0.01));
        GrafikP1(a, z, g);
    }
};

TEST_F(P1, DreizehnProzentmarkenMitBeschriftung) {
    zeichne();
    const char* texte[] = {"1.0",  "7.5",  "15.5", "21.5", "31.5", "36.5", "50.0",
                           "63.5", "68.5", "78.5", "84.5", "92.5", "99.0"};
    for (int i = 1; i <= 13; ++i) {
        double s = 0;
        GibS(i, s);
        const double y = 70 * StreckeYI(z, s * z.KMax).value();
        EXPECT_TRUE(hatLinie(a, x0 - 1.5, y, x0, y)) << i;
        const auto t = a.texteMit(QString::fromLatin1(texte[i - 1]));
        ASSERT_EQ(t.size(), 1u) << texte[i - 1];
        EXPECT_NEAR(t[0].y1, y + h8 / 2, eps);
        // Labels end left of the tick; close neighbours step one column further left.
        EXPECT_LT(t[0].x1 + t[0].text.size() * 2.0, x0 - 1.5);
    }
    EXPECT_NEAR(70 * StreckeYI(z, 0.01 * z.KMax).value(), 0, 1e-9);
    EXPECT_NEAR(70 * StreckeYI(z, 0.99 * z.KMax).value(), 70, 1e-9);
}

TEST_F(P1, AusgleichsgeradeRahmenUndAchsen) {
    zeichne();
    const auto rot = linienIn(a, Farbe::Hellrot);
    ASSERT_EQ(rot.size(), 2u); // legend sample and the curve
    EXPECT_TRUE(hatLinie(a, x0, 0, x0 + 120, 70));
    EXPECT_EQ(rot.back().breite, 3);
    EXPECT_TRUE(hatLinie(a, x0 - 3, 0, x0 + 127, 0));
    EXPECT_TRUE(hatLinie(a, x0, -2, x0, 75));
    EXPECT_TRUE(hatLinie(a, x0 + 120, 0, x0 + 120, 70));
    EXPECT_TRUE(hatLinie(a, x0 - 2, 70, x0 + 120, 70));
    const auto k = a.koordinaten();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_NEAR(k[0].x1, x0 + (120 - 250.0) / 2, eps);
    EXPECT_NEAR(k[0].y2, -20, eps);
}

TEST_F(P1, MarkenBeiWendepunktenXsUndX50) {
    zeichne();
    // Logistic curve A = 0, B = 1: Xwp1 = -1.3169, Xwp2 = 1.3169, Xs = X50% = 0.
    const auto cyan = linienIn(a, Farbe::Hellcyan);
    ASSERT_EQ(cyan.size(), 8u);
    for (const auto& l : cyan) EXPECT_EQ(l.stil, Linienstil::Gestrichelt);
    const double werte[] = {-1.3169, 1.3169, 0, 0};
    for (int i = 0; i < 4; ++i) {
        const double xv = 120 * StreckeXI(z, werte[i]);
        const double yv = 70.0 / 120 * (xv - x0);
        EXPECT_TRUE(hatLinie(a, x0, yv, xv, yv, 1e-9)) << i;
        EXPECT_TRUE(hatLinie(a, xv, -1.2, xv, yv, 1e-9)) << i;
    }
    EXPECT_NEAR(120 * StreckeXI(z, 0), 60, 1e-3);
    for (const char* name : {"Xwp1", "Xwp2", "Xs", "X50%"}) {
        const auto t = a.texteMit(QString::fromLatin1(name));
        ASSERT_EQ(t.size(), 1u) << name;
        EXPECT_LE(t[0].y1, -1.5) << name; // under the X axis
    }
    // Xs and X50% coincide here; their labels do not overlap.
    const auto xs = a.texteMit(QStringLiteral("Xs")).at(0);
    const auto x50 = a.texteMit(QStringLiteral("X50%")).at(0);
    EXPECT_NE(xs.y1, x50.y1);
    EXPECT_EQ(a.texteMit(QStringLiteral("Ks = 50.0000")).size(), 1u);
}

// The characteristic values with their decimals: Xs with five, the others with three.
TEST_F(P1, Ergebnisblock) {
    zeichne();
    for (const char* t : {"X(1%) = -4.595", "X(99%) = 4.595", "X50% = 0.000", "Xs = 0.00000",
                          "Xwp1 = -1.317", "Xwp2 = 1.317", "= 0.000000E+00", "r = 0.990000"})
        EXPECT_EQ(a.texteMit(QString::fromUtf8(t)).size(), 1u) << t;
}

TEST_F(P1, DatenpunkteMitNummern) {
    zeichne();
    const auto k = a.kreise();
    ASSERT_EQ(k.size(), 9u);
    for (int i = 1; i <= 9; ++i) {
        const auto& c = k[static_cast<std::size_t>(i - 1)];
        EXPECT_NEAR(c.x1, 120 * StreckeXI(z, z.XWert(i)), eps);
        EXPECT_NEAR(c.y1, 70 * StreckeYI(z, z.YWert(i)).value(), eps);
        EXPECT_DOUBLE_EQ(c.radius, 0.75);
        EXPECT_EQ(a.texteMit(QString::number(i)).size(), 1u);
    }
}

// Pairs below 1 % or above 99 % of KMax are marked on the frame's edge.
TEST_F(P1, PunkteAusserhalbDesRahmensAmRandMarkiert) {
    z.YWert(1) = 0.1;
    z.YWert(9) = 99.99;
    zeichne();
    EXPECT_EQ(a.kreise().size(), 7u);
    for (int i : {1, 9}) {
        const double x = 120 * StreckeXI(z, z.XWert(i));
        EXPECT_TRUE(
            hatLinie(a, i == 1 ? x - 0.4 : x + 0.4, i == 1 ? 1.5 : 68.5, x, i == 1 ? 0 : 70, 1e-6))
            << i;
        EXPECT_EQ(a.texteMit(QString::number(i)).size(), 1u);
    }
}

TEST_F(P1, DruckerVariante) {
    g.DruckModus = true;
    zeichne();
    EXPECT_EQ(linienIn(a, Farbe::Hellrot).back().breite, 8);
    EXPECT_NEAR(a.koordinaten().at(0).y2, -150, eps);
    for (const auto& e : a.eintraege) EXPECT_NE(e.art, Aufzeichnung::Art::Loeschen);
}

TEST_F(P1, UnmoeglicheKurveZeichnetNichts) {
    z.KurvenTyp = 1;
    z.KonstA = -1; // ln of a negative A
    EXPECT_THROW(GrafikP1(a, z, g), Fehler);
    EXPECT_TRUE(a.eintraege.empty());
}

// Exact logistic data: the fitted probability line passes through every point.
TEST(GrafikP1Angepasst, PunkteExakterDatenLiegenAufDerGeraden) {
    bool ok = false;
    Programmzustand z = test::prognose(test::logistischeSummen(), 1, &ok);
    ASSERT_TRUE(ok);
    ASSERT_EQ(z.KurvenTyp, 5);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikP1(a, z, g);
    const double x0 = 120 * StreckeXI(z, WertXI(z, 0.01));
    for (const auto& k : a.kreise()) EXPECT_NEAR(k.y1, 70.0 / 120 * (k.x1 - x0), 0.5);
}

// ---------------------------------------------------------------- Fall Einzelwerte

struct TopFall {
    const char* name;
    int typ;
    double A, B;
    double T;
};

class P2Top : public ::testing::TestWithParam<TopFall> {};

TEST_P(P2Top, OrdinatenobergrenzeUndZehnMarken) {
    const auto& f = GetParam();
    Programmzustand z = test::kurve(f.typ, f.A, f.B, 100, summen(0, 1, 100, -4, 4), 2);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikP2(a, z, g);
    EXPECT_NEAR(g.PhiGrenze, PhiWert(z, z.WertXs).value(), 1e-12);
    const double xa = z.XMin * 120 / (WertXI(z, 0.99) - z.XMin);
    for (int j = 1; j <= 10; ++j) {
        EXPECT_TRUE(hatLinie(a, xa - 1.5, 7.0 * j, xa, 7.0 * j, 1e-9)) << j;
        const QString t = q(formatFest(j * f.T / 10, 4));
        const auto r = a.texteMit(t);
        ASSERT_EQ(r.size(), 1u) << t.toStdString();
        EXPECT_NEAR(r[0].y1, 7.0 * j + h8 / 2, eps);
        EXPECT_NEAR(r[0].x1 + t.size() * 2.0, xa - 2, eps);
    }
}

INSTANTIATE_TEST_SUITE_P(Kurven, P2Top,
                         ::testing::Values(TopFall{"logistischB1", 5, 0, 1, 0.3},
                                           TopFall{"logistischFlach", 5, 0, 0.01, 0.003},
                                           TopFall{"Typ3", 3, 1, -1, 0.4},
                                           TopFall{"Typ1", 1, 1, -1, 0.4}),
                         [](const auto& info) { return std::string(info.param.name); });

struct P2 : ::testing::Test {
    Programmzustand z = test::kurve(5, 0, 1, 100, summen(0, 1, 100, -4, 4), 2);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    double sx() const { return 120 / (WertXI(z, 0.99) - z.XMin); }
    double sy() const { return 70 / 0.3; }
};

TEST_F(P2, DichtekurveInHundertStreckenOhnePunkte) {
    GrafikP2(a, z, g);
    auto rot = linienIn(a, Farbe::Hellrot);
    rot.erase(rot.begin()); // the legend sample
    ASSERT_EQ(rot.size(), 100u);
    EXPECT_NEAR(rot.front().x1, z.XMin * sx(), 1e-9);
    EXPECT_NEAR(rot.back().x2, WertXI(z, 0.99) * sx(), 1e-6);
    EXPECT_NEAR(rot.front().y1, PhiWert(z, z.XMin).value() * sy(), 1e-9);
    for (std::size_t i = 1; i < rot.size(); ++i) EXPECT_NEAR(rot[i].x1, rot[i - 1].x2, 1e-9);
    EXPECT_TRUE(a.kreise().empty());
    for (const char* t :
         {"Xmin = -4.000", "X(99%) = 4.595", "Xs = 0.000", "Xwp1 = -1.317", "xs = 0.2500000"})
        EXPECT_EQ(a.texteMit(QString::fromUtf8(t)).size(), 1u) << t;
}

// A limit below the maximum cuts the curve and the marker lines at the ordinate's end.
TEST_F(P2, GewaehlterGrenzwertSchneidetDieKurveAmOrdinatenende) {
    g.GrenzwertFest = true;
    g.PhiGrenze = 0.1;
    GrafikP2(a, z, g);
    EXPECT_EQ(a.texteMit(QStringLiteral("0.1000")).size(), 1u);
    auto kurve = linienIn(a, Farbe::Hellrot);
    kurve.erase(kurve.begin()); // the legend sample
    double hoechste = 0;
    for (const auto& l : kurve) hoechste = std::max({hoechste, l.y1, l.y2});
    EXPECT_DOUBLE_EQ(hoechste, 75);
    for (const auto& l : linienIn(a, Farbe::Hellcyan)) EXPECT_LE(std::max(l.y1, l.y2), 75);
    EXPECT_DOUBLE_EQ(g.PhiGrenze, 0.1);
}

TEST_F(P2, MarkenAnWendepunktenUndXs) {
    GrafikP2(a, z, g);
    const auto cyan = linienIn(a, Farbe::Hellcyan);
    ASSERT_EQ(cyan.size(), 3u);
    const double werte[] = {-1.3169, 0, 1.3169};
    for (int i = 0; i < 3; ++i) {
        const double x = werte[i] * sx();
        EXPECT_NEAR(cyan[i].x1, x, 1e-9);
        EXPECT_NEAR(cyan[i].y1, 0, 1e-9);
        EXPECT_NEAR(cyan[i].y2, PhiWert(z, werte[i]).value() * sy(), 1e-9);
        EXPECT_EQ(cyan[i].stil, Linienstil::Gestrichelt);
    }
    for (const char* name : {"Xwp1", "Xs", "Xwp2"})
        EXPECT_EQ(a.texteMit(QString::fromLatin1(name)).size(), 1u) << name;
}

struct BandFall {
    const char* name;
    double Xi, Yi;
    bool grenzen; // X(i+d) beyond the last observed X
};
class P2Band : public ::testing::TestWithParam<BandFall> {};

TEST_P(P2Band, BandlinienUndKdxWerteFuerDieAbfrage) {
    const auto& f = GetParam();
    Programmzustand z = test::kurve(5, 0, 1, 100, summen(0, 1, 100, -4, 2), 2);
    GrafikZustand g;
    g.Xi = f.Xi;
    g.Yi = f.Yi;
    AufzeichnungsAusgabe a;
    GrafikP2(a, z, g);
    const double K1 = WertKi(z, f.Yi), K0 = WertKi(z, f.Xi);
    EXPECT_EQ(g.Label3[4], q(Zahl(K1 - K0)));
    if (f.grenzen) {
        EXPECT_EQ(g.Label3[13], q(Zahl(KGrenz1(z, K1) - KGrenz1(z, K0))));
        EXPECT_EQ(g.Label3[15], q(Zahl(KGrenz2(z, K1) - KGrenz2(z, K0))));
        EXPECT_NE(g.Label3[13], g.Label3[4]);
    } else {
        EXPECT_EQ(g.Label3[13], g.Label3[4]);
        EXPECT_EQ(g.Label3[15], g.Label3[4]);
    }
    const double sx = 120 / (WertXI(z, 0.99) - z.XMin);
    const double sy = 70 / 0.3;
    for (double v : {f.Xi, f.Yi})
        EXPECT_TRUE(hatLinie(a, v * sx, 0, v * sx, PhiWert(z, v).value() * sy, 1e-9)) << v;
    EXPECT_EQ(a.texteMit(QStringLiteral("X(i)")).size(), 1u);
    EXPECT_EQ(a.texteMit(QStringLiteral("X(i+d)")).size(), 1u);
    EXPECT_EQ(a.texteMit(" " + q(formatFest(PhiWert(z, f.Yi).value(), 7))).size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Abfrage, P2Band,
                         ::testing::Values(BandFall{"innen", -1, 1.5, false},
                                           BandFall{"bisLetztesX", -1, 2, false},
                                           BandFall{"darueber", 0, 3, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// Horizons off the X axis (the panel starts with X(i) = X(i+d) = 0) draw no band line
// and no label, so nothing lands on the ordinate's scale; the values are still given.
TEST(GrafikP2Band, HorizonteAusserhalbDerAchseWerdenNichtGezeichnet) {
    Programmzustand z = test::kurve(5, -5, 1, 100, summen(-5, 1, 100, 2, 9), 2);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikP2(a, z, g);
    EXPECT_TRUE(a.texteMit(QStringLiteral("X(i)")).empty());
    EXPECT_TRUE(a.texteMit(QStringLiteral("X(i+d)")).empty());
    EXPECT_EQ(g.Label3[4], q(Zahl(0)));
    const double xa = 2 * 120 / (WertXI(z, 0.99) - 2);
    for (const auto& l : a.linien()) EXPECT_GE(std::min(l.x1, l.x2), xa - 3 - 1e-9);
    // Xwp1 = 3.68 lies on the axis, Xs = 5 and Xwp2 too: all three markers are there.
    EXPECT_EQ(linienIn(a, Farbe::Hellcyan).size(), 3u);
}

TEST(GrafikP2Fehler, GrenzwertNullIstDivisionDurchNull) {
    Programmzustand z = test::kurve(5, 0, 1, 100, summen(0, 1, 100, -4, 4), 2);
    GrafikZustand g;
    g.GrenzwertFest = true;
    g.PhiGrenze = 0;
    AufzeichnungsAusgabe a;
    try {
        GrafikP2(a, z, g);
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.code, fehlercode::DivisionDurchNull);
    }
}

} // namespace
} // namespace tk
