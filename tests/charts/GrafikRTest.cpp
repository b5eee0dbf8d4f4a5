// Geometry of the regression chart on the recording surface.

#include "AufzeichnungsAusgabe.h"
#include "Datensaetze.h"
#include "Fehler.h"
#include "Grafiken.h"

#include "Auswertung.h"
#include "Regression.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace tk {
namespace {

using test::Paare;

constexpr double eps = 1e-9;
constexpr double yA = -35.0 / 6; // the X axis
constexpr double hoehe = 100.0 * 7 / 12;

bool gleich(const Aufzeichnung& l, double x1, double y1, double x2, double y2, double tol = eps) {
    return std::abs(l.x1 - x1) < tol && std::abs(l.y1 - y1) < tol && std::abs(l.x2 - x2) < tol &&
           std::abs(l.y2 - y2) < tol;
}

// Width of a recorded text under the recording surface's fixed metrics.
double breite(const Aufzeichnung& t) {
    return t.text.size() * AufzeichnungsAusgabe::zeichenBreiteJePunkt * t.schrift.groesse;
}

struct Zeichnung {
    explicit Zeichnung(Programmzustand zustand) : z(std::move(zustand)) {}
    Programmzustand z;
    GrafikZustand g;
    AufzeichnungsAusgabe a;
};

void zeichne(Zeichnung& d) {
    GrafikR(d.a, d.z, d.g);
}

struct RichtungsFall {
    const char* name;
    Paare paare;
    bool steigend; // the decisive model rises from XMin to XMax
    bool exakt;    // the pairs lie on the model
};

class GrafikRRichtung : public ::testing::TestWithParam<RichtungsFall> {};

// The segment runs the way the model runs, for noisy data too, and exact data lie on it.
TEST_P(GrafikRRichtung, SegmentUndPunkteLiegenAufDerModellgeraden) {
    const auto& f = GetParam();
    Zeichnung d(test::regression(f.paare));
    ASSERT_EQ(WertYQ(d.z, d.z.XMax).value() > WertYQ(d.z, d.z.XMin).value(), f.steigend);
    zeichne(d);

    const auto rot = [&] {
        std::vector<Aufzeichnung> r;
        for (const auto& l : d.a.linien())
            if (l.farbe == Farbe::Hellrot) r.push_back(l);
        return r;
    }();
    ASSERT_EQ(rot.size(), 1u);
    EXPECT_EQ(rot[0].breite, 3);
    if (f.steigend)
        EXPECT_TRUE(gleich(rot[0], -10, yA, 110, yA + 70));
    else
        EXPECT_TRUE(gleich(rot[0], -10, yA + 70, 110, yA));
    EXPECT_DOUBLE_EQ(d.g.Xi, d.z.XMin);
    if (!f.exakt) return;

    // Point i at the relative X, mirrored when falling; its number centred under it.
    const auto kreise = d.a.kreise();
    ASSERT_EQ(kreise.size(), f.paare.size());
    for (std::size_t i = 0; i < kreise.size(); ++i) {
        const double t = (f.paare[i].first - d.z.XMin) / (d.z.XMax - d.z.XMin);
        EXPECT_NEAR(kreise[i].x1, 100 * t, 1e-6);
        EXPECT_NEAR(kreise[i].y1, f.steigend ? hoehe * t : hoehe * (1 - t), 1e-6);
        EXPECT_DOUBLE_EQ(kreise[i].radius, 0.75);
        EXPECT_EQ(kreise[i].breite, 2);
        const auto nr = d.a.texteMit(QString::number(i + 1));
        ASSERT_EQ(nr.size(), 1u);
        EXPECT_NEAR(nr[0].x1 + breite(nr[0]) / 2, kreise[i].x1, 1e-6);
        EXPECT_NEAR(nr[0].y1, kreise[i].y1 - 1.5, 1e-9);
        EXPECT_TRUE(nr[0].schrift.fett);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Modelle, GrafikRRichtung,
    ::testing::Values(
        RichtungsFall{"steigend", {{2, 8}, {3, 11}, {4, 14}, {5, 17}, {6, 20}}, true, true},
        RichtungsFall{"fallend", {{2, 14}, {3, 11}, {4, 8}, {5, 5}, {6, 2}}, false, true},
        RichtungsFall{"ungeordnet", {{5, 17}, {2, 8}, {6, 20}, {3, 11}, {4, 14}}, true, true},
        // The first measured Y lies above the last, yet the model rises.
        RichtungsFall{"steigendMitFallendenEnden",
                      {{1, 8}, {2, 2}, {3, 4}, {4, 6}, {5, 9}, {6, 7.5}},
                      true,
                      false},
        RichtungsFall{"fallendMitSteigendenEnden",
                      {{1, 10}, {2, 9.5}, {3, 9}, {4, 8}, {5, 7}, {6, 6}, {7, 10.2}},
                      false,
                      false}),
    [](const auto& info) { return std::string(info.param.name); });

Zeichnung linear() {
    return Zeichnung(test::regression({{2, 8}, {3, 11}, {4, 14}, {5, 17}, {6, 20}}));
}

TEST(GrafikR, AchsenPfeileUndKoordinatenAmBildschirm) {
    Zeichnung d = linear();
    zeichne(d);
    ASSERT_EQ(d.a.eintraege.front().art, Aufzeichnung::Art::Loeschen);
    const auto k = d.a.koordinaten();
    ASSERT_EQ(k.size(), 1u);
    const double m = 20 + 35.0 / 6;
    const double randLinks = (120 - 250.0) / 2;
    EXPECT_NEAR(d.g.RandLinks, randLinks, eps);
    EXPECT_TRUE(gleich(k[0], randLinks - 10, 150 - m, randLinks - 10 + 250, -m));

    const auto l = d.a.linien();
    ASSERT_GE(l.size(), 8u);
    EXPECT_TRUE(gleich(l[0], -13, yA, 117, yA));
    EXPECT_EQ(l[0].breite, 2);
    EXPECT_TRUE(gleich(l[4], -10, yA - 2, -10, yA + 75));
}

TEST(GrafikR, DruckerVarianteMitBreiterenLinienUndGroessererSchrift) {
    Zeichnung d = linear();
    d.g.DruckModus = true;
    zeichne(d);
    for (const auto& e : d.a.eintraege) ASSERT_NE(e.art, Aufzeichnung::Art::Loeschen);
    const auto k = d.a.koordinaten();
    ASSERT_EQ(k.size(), 1u);
    EXPECT_NEAR(k[0].y2, -160, eps);
    const auto l = d.a.linien();
    EXPECT_EQ(l[0].breite, 3);
    EXPECT_DOUBLE_EQ(d.a.texteMit(QStringLiteral("Y")).at(0).schrift.groesse, 10);
    // The wide segment lies under the points, so that they stay visible on paper.
    const auto& e = d.a.eintraege;
    const auto rot = std::find_if(e.begin(), e.end(), [](const auto& x) {
        return x.art == Aufzeichnung::Art::Linie && x.farbe == Farbe::Hellrot;
    });
    ASSERT_NE(rot, e.end());
    EXPECT_EQ(rot->breite, 5);
    EXPECT_EQ(std::count_if(e.begin(), rot,
                            [](const auto& x) { return x.art == Aufzeichnung::Art::Kreis; }),
              0);
}

// One more blank after "=" for a positive value keeps the legend's numbers aligned.
TEST(GrafikR, LegendeMitVorzeichenstelle) {
    Zeichnung d = linear();
    d.z.KonstA = -2;
    zeichne(d);
    const auto a = d.a.texteMit(QStringLiteral(" = -2.000000"));
    const auto b = d.a.texteMit(QStringLiteral(" =  3.000000"));
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_NEAR(a[0].x1, b[0].x1, eps);
    EXPECT_EQ(d.a.texteMit(QStringLiteral("A + B*x")).size(), 1u);
}

// Right of the data area a point is left out with its number; far below or above the
// fitted line it is marked by an arrowhead on the axes' edge, numbered, on screen and
// on paper.
TEST(GrafikR, PunkteAusserhalbDesRahmens) {
    for (bool druck : {false, true}) {
        Zeichnung d = linear();
        d.g.DruckModus = druck;
        d.z.XMax = 5;       // the pair at X = 6
        d.z.YWert(2) = -40; // below the X axis
        d.z.YWert(4) = 100; // above the ordinate
        zeichne(d);
        EXPECT_EQ(d.a.kreise().size(), 2u);
        EXPECT_TRUE(d.a.texteMit(QStringLiteral("5")).empty());
        const double x2 = 100.0 / 3, x4 = 100; // X = 3 and 5 between 2 and 5
        const auto& l = d.a.linien();
        const auto spitze = [&](double x, double y) {
            return std::count_if(l.begin(), l.end(), [&](const auto& e) {
                return std::abs(e.x2 - x) < 1e-9 && std::abs(e.y2 - y) < 1e-9;
            });
        };
        EXPECT_EQ(spitze(x2, yA), 1);
        EXPECT_EQ(spitze(x4, yA + 75), 1);
        for (const char* nr : {"2", "4"}) {
            const auto t = d.a.texteMit(QString::fromLatin1(nr));
            ASSERT_EQ(t.size(), 1u);
            EXPECT_TRUE(t[0].y1 > yA - 1 && t[0].y1 < yA + 78) << nr;
        }
        for (const auto& k : d.a.kreise()) EXPECT_TRUE(k.y1 >= yA && k.y1 <= yA + 75);
    }
}

TEST(GrafikR, OhneNumerierungBleibenDieKreise) {
    Zeichnung mit = linear();
    Zeichnung ohne = linear();
    ohne.g.NumerierungEin = false;
    zeichne(mit);
    zeichne(ohne);
    ASSERT_EQ(mit.a.kreise().size(), ohne.a.kreise().size());
    for (std::size_t i = 0; i < mit.a.kreise().size(); ++i) {
        EXPECT_EQ(mit.a.kreise()[i].x1, ohne.a.kreise()[i].x1);
        EXPECT_EQ(mit.a.kreise()[i].y1, ohne.a.kreise()[i].y1);
        EXPECT_TRUE(ohne.a.texteMit(QString::number(i + 1)).empty());
    }
}

// A double-logarithmic X axis depends on the decimal factor that lifts the smallest
// |X| to at least 1; 0.05 needs 100.
TEST(GrafikR, SkalenfaktorDerKleinstenAbszisse) {
    Zeichnung d(test::regression({{0.05, 1}, {0.5, 2}, {3, 4}, {10, 5}, {30, 7}}));
    const ModellFit fit = RegressFaktorR(d.z, 5);
    ASSERT_TRUE(fit.ok);
    d.z.ModellNr = 5;
    d.z.KonstA = fit.A;
    d.z.KoeffB = fit.B;
    d.z.KorrR = fit.r;
    zeichne(d);
    IndexXMinMax idx;
    std::vector<double> erwartet;
    bool faktorWirkt = false;
    for (int i = 1; i <= d.z.AnzPaare; ++i) {
        const double x = 100 * StreckeX(d.z, i, 100, idx).value_or(0);
        faktorWirkt |= std::abs(x - 100 * StreckeX(d.z, i, 1, idx).value_or(0)) > 1e-3;
        if (x >= 0 && x <= 100) erwartet.push_back(x);
    }
    ASSERT_TRUE(faktorWirkt);
    const auto kreise = d.a.kreise();
    ASSERT_EQ(kreise.size(), erwartet.size());
    for (std::size_t i = 0; i < kreise.size(); ++i) EXPECT_NEAR(kreise[i].x1, erwartet[i], 1e-9);
}

// A pair not yet entered is 0 and has no decimal factor; the chart uses 1.
TEST(GrafikR, NullAlsKleinsterBetragGibtFaktorEins) {
    Zeichnung d(test::regression({{2, 3}, {4, 5}, {8, 6}, {16, 7}}));
    d.z.ModellNr = 5;
    d.z.AnzPaare = 5;
    d.z.redimPaare(5);
    d.z.XWert(5) = 0;
    d.z.YWert(5) = 0;
    zeichne(d); // ends, and draws the points
    EXPECT_FALSE(d.a.kreise().empty());
}

TEST(GrafikR, FlacheModellgeradeIstEinFehlerUndStelltDieFlaecheWiederHer) {
    Zeichnung d = linear();
    d.z.KoeffB = 0; // the model has the same value at XMin and XMax
    const Schrift vorher{QStringLiteral("Courier New"), 12, false, true};
    d.a.setzeSchrift(vorher);
    d.a.setzeFarbe(Farbe::Hellcyan);
    try {
        zeichne(d);
        FAIL() << "kein Fehler";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.code, fehlercode::DivisionDurchNull);
    }
    EXPECT_EQ(d.a.schrift(), vorher);
    EXPECT_EQ(d.a.farbe(), Farbe::Schwarz);
    EXPECT_EQ(d.a.linienbreite(), 1);
    EXPECT_FALSE(d.a.benutzerKoordinaten());
    EXPECT_TRUE(d.a.linien().empty());
}

} // namespace
} // namespace tk
