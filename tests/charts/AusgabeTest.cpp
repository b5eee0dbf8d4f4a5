// The drawing primitives and the two surfaces.

#include "AufzeichnungsAusgabe.h"
#include "QPainterAusgabe.h"
#include "Symbolschrift.h"
#include "ZeigGrafik.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

constexpr double eps = 1e-6;
constexpr double pi = 3.14159265358979323846;

struct PfeilFall {
    const char* name;
    double x, y, winkel, g;
    // The three corners after the apex: P1, P2 and back to the apex.
    double p1x, p1y, p2x, p2y;
};

class PfeilTest : public ::testing::TestWithParam<PfeilFall> {};

TEST_P(PfeilTest, ZeichnetDreieckMitSpitzeImPunkt) {
    const auto& f = GetParam();
    AufzeichnungsAusgabe a;
    Pfeil(a, f.x, f.y, f.winkel, f.g);
    const auto l = a.linien();
    ASSERT_EQ(l.size(), 3u);
    EXPECT_NEAR(l[0].x1, f.x, eps);
    EXPECT_NEAR(l[0].y1, f.y, eps);
    EXPECT_NEAR(l[0].x2, f.p1x, eps);
    EXPECT_NEAR(l[0].y2, f.p1y, eps);
    EXPECT_NEAR(l[1].x2, f.p2x, eps);
    EXPECT_NEAR(l[1].y2, f.p2y, eps);
    EXPECT_NEAR(l[2].x2, f.x, eps);
    EXPECT_NEAR(l[2].y2, f.y, eps);
}

INSTANTIATE_TEST_SUITE_P(
    Achsenenden, PfeilTest,
    ::testing::Values(
        // End of an X axis: base 3 mm left of the apex, 1.6 mm high.
        PfeilFall{"rechts", 117, -35.0 / 6, pi, 1, 114, -35.0 / 6 + 0.8, 114, -35.0 / 6 - 0.8},
        // End of an ordinate: base 3 mm below the apex.
        PfeilFall{"oben", -10, 69.1667, pi / 2, -1, -10.8, 66.1667, -9.2, 66.1667},
        // A larger arrowhead pointing left scales with g.
        PfeilFall{"links", 0, 0, 0, 2, 6, -1.6, 6, 1.6}),
    [](const auto& info) { return std::string(info.param.name); });

struct SymbolFall {
    QString ein, aus;
};
class SymbolTest : public ::testing::TestWithParam<SymbolFall> {};
TEST_P(SymbolTest, WirdZuUnicode) {
    EXPECT_EQ(symbolAlsUnicode(GetParam().ein), GetParam().aus);
}
INSTANTIATE_TEST_SUITE_P(Buchstaben, SymbolTest,
                         ::testing::Values(SymbolFall{"S%", "Σ%"}, SymbolFall{"j", "φ"},
                                           SymbolFall{"K", "Κ"},
                                           SymbolFall{QString(QChar(229)) + "%*", "∑%*"},
                                           SymbolFall{"(i+d)", "(ι+δ)"}));

// A 96-dpi image of 100 mm x 50 mm.
QImage bild(double breiteMm = 100, double hoeheMm = 50) {
    const double dpi = 96;
    QImage b(static_cast<int>(std::lround(breiteMm / 25.4 * dpi)),
             static_cast<int>(std::lround(hoeheMm / 25.4 * dpi)), QImage::Format_RGB32);
    b.setDotsPerMeterX(static_cast<int>(std::lround(dpi / 0.0254)));
    b.setDotsPerMeterY(static_cast<int>(std::lround(dpi / 0.0254)));
    b.fill(Qt::white);
    return b;
}

// Bounding box of the non-white pixels.
QRect tinte(const QImage& b) {
    QRect r;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x)
            if (QColor(b.pixel(x, y)).lightness() < 200) r |= QRect(x, y, 1, 1);
    return r;
}

TEST(QPainterAusgabe, YNachObenUndTextLaeuftNachUntenAufrecht) {
    QImage b = bild();
    {
        QPainterAusgabe a(b);
        // Lower edge at y = -10, upper at 40: y = 30 lies 10 mm below the top.
        a.setzeKoordinaten(0, 40, a.breiteMm(), -10);
        a.setzeSchrift({QStringLiteral("Arial"), 20, false, false});
        TextBei(a, 10, 30, QStringLiteral("T"));
    }
    const QRect r = tinte(b);
    ASSERT_FALSE(r.isNull());
    const double pxJeMm = 96 / 25.4;
    // The text hangs down from y = 30, i.e. starts about 10 mm below the top edge.
    EXPECT_GE(r.top(), 10 * pxJeMm - 1);
    EXPECT_LT(r.top(), 14 * pxJeMm);
    EXPECT_NEAR(r.left(), 10 * pxJeMm, 3);
    // Upright "T": its bar is at the top, so the top row holds the widest run of ink.
    int obenBreite = 0, untenBreite = 0;
    for (int x = r.left(); x <= r.right(); ++x) {
        obenBreite += QColor(b.pixel(x, r.top() + 1)).lightness() < 200;
        untenBreite += QColor(b.pixel(x, r.bottom() - 1)).lightness() < 200;
    }
    EXPECT_GT(obenBreite, 2 * untenBreite);
}

TEST(QPainterAusgabe, TextmassePassenZurGezeichnetenTinte) {
    QImage b = bild();
    double breite = 0, hoehe = 0;
    {
        QPainterAusgabe a(b);
        a.setzeSchrift({QStringLiteral("Arial"), 12, false, false});
        breite = a.textBreite(QStringLiteral("Summenwert"));
        hoehe = a.textHoehe(QStringLiteral("Summenwert"));
        TextBei(a, 5, 5, QStringLiteral("Summenwert"));
        // The position moves to the end of the text.
        EXPECT_NEAR(a.positionX(), 5 + breite, 1e-9);
    }
    const QRect r = tinte(b);
    const double pxJeMm = 96 / 25.4;
    EXPECT_NEAR(r.width() / pxJeMm, breite, 1.0);
    EXPECT_LT(r.height() / pxJeMm, hoehe);
    // 12 points are 4.23 mm; a line is a little higher.
    EXPECT_GT(hoehe, 4.2);
    EXPECT_LT(hoehe, 6);
}

TEST(QPainterAusgabe, GriechischeBuchstabenHabenEineGlyphe) {
    QImage b = bild();
    {
        QPainterAusgabe a(b);
        a.setzeSchrift({QStringLiteral("Arial"), 20, false, false});
        TextBei(a, 5, 45, QStringLiteral("φ"));
        Schrift s = a.schrift();
        s.name = QStringLiteral("Symbol");
        a.setzeSchrift(s);
        TextBei(a, 50, 45, QStringLiteral("S"));
    }
    const QImage links = b.copy(0, 0, b.width() / 2, b.height());
    const QImage rechts = b.copy(b.width() / 2, 0, b.width() / 2, b.height());
    EXPECT_FALSE(tinte(links).isNull());
    EXPECT_FALSE(tinte(rechts).isNull());
}

// Millimetres from the top left after a reset of the user coordinates, also on a
// high-resolution image with twice the pixels for the same millimetres.
TEST(QPainterAusgabe, MillimeterVonObenLinksAuchBeiHoherAufloesung) {
    for (int verhaeltnis : {1, 2}) {
        QImage b = bild(100, 50);
        b = b.scaled(b.size() * verhaeltnis);
        b.setDevicePixelRatio(verhaeltnis);
        b.fill(Qt::white);
        {
            QPainterAusgabe a(b);
            EXPECT_NEAR(a.breiteMm(), 100, 0.2);
            EXPECT_NEAR(a.hoeheMm(), 50, 0.2);
            a.setzeKoordinaten(-50, 100, 50, 0);
            a.koordinatenZuruecksetzen();
            a.setzeLinienbreite(3);
            Linie(a, 10, 10, 20, 10); // 10 mm from the top
        }
        const double pxJeMm = verhaeltnis * 96 / 25.4;
        EXPECT_NEAR(tinte(b).center().y(), 10 * pxJeMm, 3) << verhaeltnis;
        EXPECT_NEAR(tinte(b).left(), 10 * pxJeMm, 4) << verhaeltnis;
    }
}

TEST(QPainterAusgabe, KreisInFarbeOhneFuellung) {
    QImage b = bild();
    {
        QPainterAusgabe a(b);
        a.setzeKoordinaten(0, 50, a.breiteMm(), 0);
        a.kreis(50, 25, 10, Farbe::Hellrot);
    }
    const double pxJeMm = 96 / 25.4;
    const QRect r = tinte(b);
    EXPECT_NEAR(r.width() / pxJeMm, 20, 0.6);
    const QColor mitte(b.pixel(static_cast<int>(50 * pxJeMm), static_cast<int>(25 * pxJeMm)));
    EXPECT_EQ(mitte, QColor(Qt::white));
    // The most strongly inked pixel where the outline crosses x = 60 mm is red.
    QColor rand(Qt::white);
    const int yMitte = static_cast<int>(std::lround(25 * pxJeMm));
    for (int x = static_cast<int>(59 * pxJeMm); x <= static_cast<int>(61 * pxJeMm); ++x) {
        const QColor c(b.pixel(x, yMitte));
        if (c.green() < rand.green()) rand = c;
    }
    EXPECT_GT(rand.red() - rand.green(), 80);
}

} // namespace
} // namespace tk
