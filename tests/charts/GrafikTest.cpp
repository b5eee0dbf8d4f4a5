// The three charts on the recording surface: the values a user reads off them and
// the geometry that carries them.

#include "tests/support/AufzeichnungsAusgabe.h"
#include "tests/support/Teststaende.h"
#include "zeichnung/Grafiken.h"

#include "calc/Auswertung.h"
#include "calc/Bewacht.h"
#include "calc/Format.h"
#include "calc/Modelle.h"
#include "calc/Regression.h"

#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <gtest/gtest.h>

#include <map>

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

// Left or right of the data area a point is left out with its number; above or below it
// is marked on the axes' edge, on screen and on paper.
TEST(GrafikR, PunkteAusserhalbDesRahmens) {
    for (bool druck : {false, true}) {
        Programmzustand z = test::regression({{2, 8}, {3, 11}, {4, 14}, {5, 17}, {6, 20}});
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
    }
}

// A decisive curve that hardly describes its data says so beside r, in every chart and
// in both views, on screen and on paper.
TEST(Legende, SchwacheAnpassungNebenR) {
    const Programmzustand zustaende[] = {test::regression({{2, 8}, {3, 11}, {4, 14}, {5, 17}}),
                                         test::logistisch(1), test::logistisch(2)};
    for (Programmzustand z : zustaende)
        for (bool original : {false, true})
            for (double r2 : {0.3, 0.6}) {
                z.R2Daten = r2;
                GrafikZustand g;
                g.Originalmassstab = original;
                g.DruckModus = original; // the printout draws through the same routines
                AufzeichnungsAusgabe a;
                GrafikZeichnen(a, z, g);
                const bool gesagt =
                    std::any_of(a.eintraege.begin(), a.eintraege.end(), [](auto& e) {
                        return e.text.contains(QStringLiteral("schwache Anpassung (R² = 0.3)"));
                    });
                EXPECT_EQ(gesagt, r2 < 0.5) << z.ModusPrognostik << z.GrafikFall << original;
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
struct P1 : ::testing::Test {
    // Logistic, Xs = 0; X(99%) = 4.595, so the pair at X = 5 lies beyond the chart.
    Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -4, 5, 1), 1);
    P1() { z.YWert(10) = 90; } // below 99 %: only its X keeps it off the chart
    GrafikZustand g;
    AufzeichnungsAusgabe a;
};

TEST_F(P1, PunkteAufDerGeraden) {
    GrafikP1(a, z, g);
    const double x0 = 120 * StreckeXI(z, WertXI(z, 0.01));
    const auto k = a.kreise();
    EXPECT_EQ(k.size(), 9u);
    for (const auto& c : k) EXPECT_NEAR(c.y1, 70.0 / 120 * (c.x1 - x0), 1e-3);
    // the pair beyond X(99%): its number inside the right edge
    const auto zehn = a.texteMit(QStringLiteral("10"));
    ASSERT_EQ(zehn.size(), 1u);
    EXPECT_NEAR(zehn[0].x1 + a.textBreite(QStringLiteral("10")), x0 + 118, 1e-9);
}

// No two texts of a chart overlap (texts set side by side touch).
void keineUeberlappung(const AufzeichnungsAusgabe& a, const std::string& wo) {
    std::vector<std::pair<QString, std::array<double, 4>>> k;
    for (const auto& e : a.eintraege) {
        if (e.art != Aufzeichnung::Art::Text || e.text.trimmed().isEmpty()) continue;
        const double w = e.text.size() * a.zeichenBreiteJePunkt * e.schrift.groesse;
        const double h = a.zeilenHoeheJePunkt * e.schrift.groesse;
        k.push_back({e.text, {e.x1 + 0.05, e.y1 - h + 0.05, e.x1 + w - 0.05, e.y1 - 0.05}});
    }
    for (std::size_t i = 0; i < k.size(); ++i)
        for (std::size_t j = i + 1; j < k.size(); ++j) {
            const auto &p = k[i].second, &q = k[j].second;
            EXPECT_FALSE(p[0] < q[2] && q[0] < p[2] && p[1] < q[3] && q[1] < p[3])
                << wo << ": " << k[i].first.toStdString() << " / " << k[j].first.toStdString();
        }
}

struct RandFall {
    const char* name;
    const char* datei; // an example, or empty for a logistic curve with slope B and its
                       // values at X = von .. von + 4
    std::vector<int> amOberenRand;
    const char* hinweis;
    double B = 1, von = 0;
};
class P1Rand : public ::testing::TestWithParam<RandFall> {};

// Points at or above KMax lie on the frame's top edge with their number, not on the
// 1 % line; a chart without a point in it says why in one line.
TEST_P(P1Rand, PunkteAmRandUndHinweis) {
    const auto& f = GetParam();
    bool ok = !*f.datei;
    const Programmzustand z =
        *f.datei ? test::ausDatei(std::string(TK_EXAMPLES_DIR) + f.datei, 1, &ok)
                 : test::kurve(5, 0, f.B, 100, werteDer(5, 0, f.B, f.von, f.von + 4, 1), 1);
    ASSERT_TRUE(ok);
    GrafikZustand g;
    AufzeichnungsAusgabe a;
    GrafikP1(a, z, g);
    for (int i : f.amOberenRand) {
        ASSERT_GE(z.YWert(i), z.KMax);
        const auto n = a.texteMit(QString::number(i));
        ASSERT_EQ(n.size(), 1u) << i;
        EXPECT_NEAR(n[0].y1, 70, 1.5) << i;
    }
    EXPECT_EQ(!*f.hinweis, a.texteMit(QString::fromUtf8(f.hinweis)).empty());
    keineUeberlappung(a, f.name); // markers at one corner stack
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, P1Rand,
    ::testing::Values(RandFall{"ueberKMax", "/anmeldungen-storniert.pro", {5, 6, 7}, ""},
                      RandFall{"fallend", "", {}, "Achse fallend: X(1%) > X(99%)", -1, -2},
                      // all beyond X(99%): the numbers stack at the right edge
                      RandFall{"rechtsDraussen", "", {}, "5 Punkte außerhalb des Bildes", 1, 6}),
    [](const auto& info) { return std::string(info.param.name); });

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
}

struct BandFall {
    const char* name;
    double Xi, Yi;
};
class P2Band : public ::testing::TestWithParam<BandFall> {};

// The band is labelled with the density at its ends; beyond the last observed X
// the limits widen.
TEST_P(P2Band, BandMitDichteAnDenEnden) {
    const auto& f = GetParam();
    const Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -4, 2, 2), 2);
    GrafikZustand g;
    g.Xi = f.Xi;
    g.Yi = f.Yi;
    AufzeichnungsAusgabe a;
    GrafikP2(a, z, g);
    const Bandwerte b = bandwerte(z, f.Xi, f.Yi);
    EXPECT_EQ(b.KdxG1 != b.Kdx, f.Yi > 2);
    for (double x : {f.Xi, f.Yi}) EXPECT_TRUE(hat(a, fest(" ", PhiWert(z, x).value(), 7)));
}

INSTANTIATE_TEST_SUITE_P(Abfrage, P2Band,
                         ::testing::Values(BandFall{"innen", -1, 1.5}, BandFall{"darueber", 0, 3}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------- in the data's own units

// A scale as a reader uses it: the grey grid lines and the values printed at them.
struct Skala {
    double mm0, mm1, wert0, wert1;
    double mm(double v) const { return mm0 + (v - wert0) / (wert1 - wert0) * (mm1 - mm0); }
    double wert(double m) const { return wert0 + (m - mm0) / (mm1 - mm0) * (wert1 - wert0); }
};
// The number printed centred under (x) or beside (y) the grid line at `mm`.
// A value on the y axis stands centred at its line, the lowest one (`unterste`) on it.
double wertAn(const AufzeichnungsAusgabe& a, bool x, double mm, bool unterste) {
    for (const auto& t : a.eintraege) {
        bool zahl = false;
        const double v = t.text.toDouble(&zahl);
        const double b = a.textBreite(t.text), h = 0.5 * t.schrift.groesse;
        const double dy = std::abs(t.y1 - (unterste ? h : h / 2) - mm);
        if (zahl && (x ? std::abs(t.x1 + b / 2 - mm) : dy) < 1e-9) return v;
    }
    ADD_FAILURE() << "no value at " << mm;
    return 0;
}
std::pair<Skala, Skala> skalen(const AufzeichnungsAusgabe& a) {
    std::vector<double> gx, gy;
    for (const auto& l : a.linien())
        if (l.farbe == Farbe::Hellgrau)
            (l.x1 == l.x2 ? gx : gy).push_back(l.x1 == l.x2 ? l.x1 : l.y1);
    const auto skala = [&](bool x, const std::vector<double>& g) {
        return Skala{g.front(), g.back(), wertAn(a, x, g.front(), true),
                     wertAn(a, x, g.back(), false)};
    };
    return {skala(true, gx), skala(false, gy)};
}
// Read off the scales, the curve (red, after the legend's sample) runs through soll(x)
// at each x, and nowhere where soll(x) is NaN.
void pruefeKurve(const AufzeichnungsAusgabe& a, const std::function<double(double)>& soll,
                 const std::vector<double>& xs) {
    const auto [sx, sy] = skalen(a);
    const auto r = rot(a);
    for (double x : xs) {
        const double mx = sx.mm(x), s = soll(x);
        const auto l = std::find_if(r.begin() + 1, r.end(), [&](const Aufzeichnung& l) {
            return std::min(l.x1, l.x2) <= mx && mx <= std::max(l.x1, l.x2);
        });
        if (s < std::min(sy.wert0, sy.wert1) || s > std::max(sy.wert0, sy.wert1)) continue;
        ASSERT_EQ(l != r.end(), !std::isnan(s)) << x;
        if (l == r.end()) continue;
        EXPECT_NEAR(l->y1 + (mx - l->x1) / (l->x2 - l->x1) * (l->y2 - l->y1), sy.mm(s), 0.05);
    }
}
struct ModellFall {
    int code;
    double A, B;
    std::vector<double> xs = {2, 3, 4.5, 6, 8};
    std::vector<double> pole = {}; // inside the drawn range
};
class OriginalR : public ::testing::TestWithParam<ModellFall> {};

// The model's curve over the data widened by 10 % on each side, with a gap where it is
// undefined, through the data points.
TEST_P(OriginalR, KurveDesModells) {
    const auto& f = GetParam();
    // A model in ln|x| is mirrored at 0; its curve keeps to the data's side. No line
    // crosses a pole.
    const bool gespiegelt = modell(f.code)->x != tk::Skala::Linear && f.xs.front() > 0;
    const auto wert = [&](double x) {
        if ((gespiegelt && x <= 0) || std::count(f.pole.begin(), f.pole.end(), x))
            return double(NAN);
        return bewacht::versuch([&] { return modell(f.code)->wertY(f.A, f.B, x); }).value_or(NAN);
    };
    Paare paare;
    for (double x : f.xs) paare.emplace_back(x, wert(x));
    Programmzustand z = test::regression(paare);
    z.ModellNr = f.code, z.KonstA = f.A, z.KoeffB = f.B;
    GrafikZustand g;
    g.Originalmassstab = true;
    AufzeichnungsAusgabe a;
    GrafikZeichnen(a, z, g);
    const double von = 1.1 * f.xs.front() - 0.1 * f.xs.back();
    // d: closer to the ends than one sampling step (1/240 of the range)
    const double bis = 1.1 * f.xs.back() - 0.1 * f.xs.front(), d = (bis - von) / 400;
    std::vector<double> xs{von - d, von + d, bis - d, bis + d};
    for (std::size_t i = 1; i < f.xs.size(); ++i) xs.push_back((f.xs[i - 1] + f.xs[i]) / 2);
    xs.insert(xs.end(), f.pole.begin(), f.pole.end());
    pruefeKurve(
        a, [&](double x) { return x < von || x > bis ? NAN : wert(x); }, xs);
    const auto [sx, sy] = skalen(a);
    ASSERT_EQ(a.kreise().size(), f.xs.size());
    for (const auto& k : a.kreise()) EXPECT_NEAR(k.y1, sy.mm(wert(sx.wert(k.x1))), 1e-5);
}

INSTANTIATE_TEST_SUITE_P(Modelle, OriginalR,
                         ::testing::Values(ModellFall{1, 1, 0.5}, ModellFall{2, 1, 2},
                                           ModellFall{5, 1, 2}, ModellFall{7, 2, 0.2},
                                           ModellFall{8, 0.5, 0.1}, ModellFall{9, 2, 0.5},
                                           ModellFall{10, 2, 1.5}, ModellFall{11, 0.5, 0.5},
                                           ModellFall{12, 0.5, 2},
                                           // (ln|x|)^0.5 has no value for |x| < 1
                                           ModellFall{12, 1, 0.5, {-4, -2, 3, 4, 6}},
                                           // the range crosses the pole at 0 or at 1
                                           ModellFall{2, 1, 2, {0.2, 1, 2, 3, 4}, {0}},
                                           ModellFall{5, 1, 2, {1.2, 2, 3, 4, 6}, {1}}));

// "Kleinste Quadrate" on NIST's DanWood (model 9): the certified least-squares curve, not
// the linearised one; the confidence band (light red) inside the prediction band (light
// cyan), which holds every data point.
TEST(OriginalKQ, ZertifizierteKurveMitBaendern) {
    const Paare daten = {{1.309, 2.138}, {1.471, 3.421}, {1.490, 3.597},
                         {1.565, 4.340}, {1.611, 4.882}, {1.680, 5.660}};
    const Programmzustand z = test::regression(daten);
    GrafikZustand g;
    g.Originalmassstab = g.KleinsteQuadrate = true;
    AufzeichnungsAusgabe a;
    GrafikZeichnen(a, z, g);
    pruefeKurve(a, [](double x) { return 7.6886226176E-01 * std::pow(x, 3.8604055871E+00); },
                {1.3, 1.5, 1.7});
    const auto [sx, sy] = skalen(a);
    std::map<Farbe, std::pair<double, double>> band; // lowest and highest mm at the point
    for (const auto& [x, y] : daten) {
        for (const auto& f : a.eintraege) {
            if (f.polygon.size() < 5) continue; // the legend's samples
            auto& [unten, oben] = band.try_emplace(f.farbe, 1e9, -1e9).first->second;
            for (std::size_t i = 0; i + 1 < f.polygon.size(); ++i) {
                const auto [x1, y1] = f.polygon[i];
                const auto [x2, y2] = f.polygon[i + 1];
                const double mx = sx.mm(x);
                if (std::min(x1, x2) > mx || mx > std::max(x1, x2) || x1 == x2) continue;
                const double my = y1 + (mx - x1) / (x2 - x1) * (y2 - y1);
                unten = std::min(unten, my), oben = std::max(oben, my);
            }
        }
        const auto [ru, ro] = band.at(Farbe::Hellrot);
        const auto [cu, co] = band.at(Farbe::Hellcyan);
        EXPECT_TRUE(cu < ru && ru < ro && ro < co) << x;
        EXPECT_TRUE(cu <= sy.mm(y) && sy.mm(y) <= co) << x;
        band.clear();
    }
}

class OriginalP : public ::testing::TestWithParam<KurvenFall> {};

// Summenwerte: the curve, and the shading within the 95 % limits of K, opening beyond
// the data. Einzelwerte: the density, and the query's band as the area under it
// between X(i) and X(i+d).
TEST_P(OriginalP, KurveUndBand) {
    const auto& f = GetParam();
    for (int fall : {1, 2}) {
        const Programmzustand z =
            test::kurve(f.typ, f.A, f.B, 100, werteDer(f.typ, f.A, f.B, -4, 2, fall), fall);
        GrafikZustand g;
        g.Originalmassstab = true;
        g.Xi = -1, g.Yi = 1.5;
        AufzeichnungsAusgabe a;
        GrafikZeichnen(a, z, g);
        const auto K = [&](double x) { return WertKi(z, x); };
        const auto phi = [&](double x) { return PhiWert(z, x).value(); };
        pruefeKurve(a, fall == 1 ? std::function<double(double)>(K) : phi, {-3, -1, 0.5, 1.5});
        const auto [sx, sy] = skalen(a);
        double weiteste = 0;
        for (const auto& band : a.eintraege)
            for (const auto& [mx, my] : band.polygon) { // the legend's sample lies above the chart
                if (my > sy.mm(sy.wert1)) continue;
                const double x = sx.wert(mx);
                const double unten = fall == 1 ? KGrenz1(z, K(x)) : 0;
                const double oben = fall == 1 ? KGrenz2(z, K(x)) : phi(x);
                EXPECT_TRUE(my >= sy.mm(unten) - 0.05 && my <= sy.mm(oben) + 0.05) << fall << x;
                EXPECT_TRUE(fall == 1 || (x >= g.Xi - 1e-9 && x <= g.Yi + 1e-9)) << x;
                weiteste = std::max(weiteste, sy.mm(oben) - sy.mm(unten));
            }
        EXPECT_GT(weiteste, 0.5) << fall;
        // the band's edges as thin dashed lines, seen however narrow the band
        if (fall == 2) {
            for (double x : {g.Xi, g.Yi})
                EXPECT_TRUE(std::any_of(a.eintraege.begin(), a.eintraege.end(), [&](const auto& l) {
                    return l.art == Aufzeichnung::Art::Linie && l.stil == Linienstil::Gestrichelt &&
                           std::abs(l.x1 - sx.mm(x)) < 1e-6 && std::abs(l.x2 - sx.mm(x)) < 1e-6;
                })) << x;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Kurventypen, OriginalP,
                         ::testing::Values(KurvenFall{"Typ1", 1, 1, -1},
                                           KurvenFall{"Typ3", 3, 1, -1},
                                           KurvenFall{"Typ5", 5, 1, 1}),
                         [](const auto& info) { return std::string(info.param.name); });

class OriginalDichte : public ::testing::TestWithParam<double> {};

// The density's peak is drawn at its height (within 1 %) under the axis' top, however
// narrow, and the curve runs to X(99%), however far beyond the data.
TEST_P(OriginalDichte, SpitzeUndX99) {
    const double B = GetParam();
    const Programmzustand z = test::kurve(5, 0, B, 100, werteDer(5, 0, B, -4, 2, 2), 2);
    GrafikZustand g;
    g.Originalmassstab = true;
    AufzeichnungsAusgabe a;
    GrafikZeichnen(a, z, g);
    const auto [sx, sy] = skalen(a);
    const auto r = rot(a);
    double oben = -1e9, rechts = -1e9;
    for (auto l = r.begin() + 1; l != r.end(); ++l) {
        oben = std::max({oben, l->y1, l->y2});
        rechts = std::max({rechts, l->x1, l->x2});
    }
    EXPECT_NEAR(sy.wert(oben), B / 4, 0.01 * B / 4);
    EXPECT_GE(sx.wert(rechts), WertXI(z, 0.99) - 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Breiten, OriginalDichte, ::testing::Values(1.0, 40.0, 0.2));

// However wide the 95 % band, the data keep at least half the chart's height.
TEST(OriginalP1, DatenBestimmenDieSkala) {
    // data far before the rise: the limits of KMax lie some 10^7 apart
    const Programmzustand z = test::kurve(5, 0, 1, 100, werteDer(5, 0, 1, -20, -14, 1), 1);
    ASSERT_GT(KGrenz2(z, z.KMax) - KGrenz1(z, z.KMax), 1e4 * z.KMax);
    GrafikZustand g;
    g.Originalmassstab = true;
    AufzeichnungsAusgabe a;
    GrafikZeichnen(a, z, g);
    const auto [sx, sy] = skalen(a);
    double unten = 1e9, oben = -1e9;
    for (const auto& k : a.kreise()) unten = std::min(unten, k.y1), oben = std::max(oben, k.y1);
    EXPECT_GT(sy.mm(z.KMax) - unten, 0.5 * std::abs(sy.mm1 - sy.mm0));
}

// Every example, both cases, both views: no text overlaps another (point numbers, tick
// values, markers, legends), by the recording's fixed metrics.
TEST(Beschriftung, KeineUeberlappungen) {
    for (const auto& datei : test::beispieldateien())
        for (int fall : {1, 2})
            for (bool original : {false, true}) {
                bool ok = false;
                const Programmzustand z = test::ausDatei(datei, fall, &ok);
                if (!ok || (!z.ModusPrognostik && fall == 2)) continue;
                GrafikZustand g;
                g.Originalmassstab = original;
                AufzeichnungsAusgabe a;
                GrafikZeichnen(a, z, g);
                keineUeberlappung(a, datei + " " + std::to_string(fall) + " " +
                                         std::to_string(original));
            }
}

} // namespace
} // namespace tk
