// Every legend and label a user reads beside the three charts, in both views, against
// the engine's numbers. texte.txt names the text and the value it must carry.

#include "tests/support/AufzeichnungsAusgabe.h"
#include "tests/support/Teststaende.h"
#include "zeichnung/Grafiken.h"

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "calc/KQAnpassung.h"

#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <map>

namespace tk {
namespace {

std::map<QString, double> werte(const Programmzustand& z, const GrafikZustand& g) {
    std::map<QString, double> w{{"A", z.KonstA}, {"B", z.KoeffB}, {"r", z.KorrR}};
    if (const auto kq = kqEntscheidend(z)) {
        for (int k = 0; k < kq->fit.anzahl; ++k) {
            w[QStringLiteral("p%1").arg(k)] = kq->fit.p[static_cast<std::size_t>(k)];
            w[QStringLiteral("se%1").arg(k)] = kq->fit.se[static_cast<std::size_t>(k)];
        }
        w["kqR2"] = kq->fit.r2.value_or(NAN);
    }
    if (!z.ModusPrognostik) return w;
    const auto phi = [&](double x) { return PhiWert(z, x).value_or(NAN); };
    const double Xs = z.WertXs, Xwp1 = WendepunktX1(z), Xwp2 = WendepunktX2(z);
    const double X1 = WertXI(z, 0.01), X50 = WertXI(z, 0.5), X99 = WertXI(z, 0.99);
    const double Ks = WertKi(z, Xs), Kdx = bandwerte(z, g.Xi, g.Yi).Kdx;
    const char* namen[] = {"KMax", "Xs",    "Xmin",    "X1",      "X50",   "X99",   "Ks", "Xwp1",
                           "Xwp2", "phiXs", "phiXwp1", "phiXwp2", "phiXi", "phiYi", "Kdx"};
    const double zahlen[] = {z.KMax, Xs,      z.XMin,    X1,        X50,       X99,       Ks, Xwp1,
                             Xwp2,   phi(Xs), phi(Xwp1), phi(Xwp2), phi(g.Xi), phi(g.Yi), Kdx};
    for (std::size_t i = 0; i < std::size(namen); ++i) w[namen[i]] = zahlen[i];
    return w;
}

// {name:z} Zahl, {name:leg} the legend's number, {name:fN} N fixed decimals, {F} the formula.
QString einsetzen(QString t, const Programmzustand& z, const std::map<QString, double>& w) {
    t.replace(QStringLiteral("{F}"), QString::fromStdString(FYQ(z.ModellNr)));
    static const QRegularExpression platz(QStringLiteral("\\{(\\w+):(z|leg|f(\\d))\\}"));
    for (auto m = platz.match(t); m.hasMatch(); m = platz.match(t)) {
        const auto it = w.find(m.captured(1));
        EXPECT_NE(it, w.end()) << m.captured(1).toStdString();
        const double v = it == w.end() ? NAN : it->second;
        const std::string s = m.captured(2) == "z"     ? Zahl(v)
                              : m.captured(2) == "leg" ? legendenZahl(v)
                                                       : formatFest(v, m.captured(3).toInt());
        t.replace(m.capturedStart(), m.capturedLength(), QString::fromStdString(s));
    }
    return t;
}

TEST(Texte, TragenDieWerteDerRechnung) {
    std::ifstream datei(TK_TEXTE);
    ASSERT_TRUE(datei);
    int geprueft = 0;
    for (std::string zeile; std::getline(datei, zeile);) {
        if (zeile.empty() || zeile[0] == '#') continue;
        SCOPED_TRACE(zeile);
        const QStringList f = QString::fromStdString(zeile).split(QStringLiteral(" | "));
        ASSERT_EQ(f.size(), 5);
        bool ok = false;
        const Programmzustand z = test::ausDatei(
            std::string(TK_EXAMPLES_DIR) + "/" + f[0].toStdString(), f[1].toInt(), &ok);
        ASSERT_TRUE(ok);
        GrafikZustand g;
        g.Originalmassstab = f[2] != "linear";
        g.KleinsteQuadrate = f[2] == "kq";
        g.Xi = z.XMin + 1, g.Yi = z.XMax + 2; // beyond the data the limits open
        AufzeichnungsAusgabe a;
        GrafikZeichnen(a, z, g);
        const QString rechts = einsetzen(f[4], z, werte(z, g));
        // the text, and beside it on the same line its value
        bool gefunden = false;
        for (const auto& w : a.texteMit(rechts)) {
            if (f[3].isEmpty()) gefunden = true;
            for (const auto& l : a.texteMit(f[3]))
                gefunden |= std::abs(l.y1 - w.y1) < 0.01 && l.x1 < w.x1;
        }
        EXPECT_TRUE(gefunden) << rechts.toStdString();
        ++geprueft;
    }
    EXPECT_GT(geprueft, 20);
}

} // namespace
} // namespace tk
