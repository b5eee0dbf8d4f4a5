// The model table and the results leaving the chart window, for fits of every kind.

#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "calc/Rechenlauf.h"
#include "charts/GrafikErgebnisse.h"
#include "charts/frmGrafikKurvex.h"
#include "charts/frmModellvergleich.h"
#include "datafile/Wertetabelle.h"
#include "tests/support/FakeDialoge.h"
#include "tests/support/Teststaende.h"
#include "tests/support/Wertepaare.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace tk {
namespace {

struct Vergleichsfall {
    test::Paare paare;
    bool knapp;
    int code = 0;           // a model that cannot be used ...
    const char* grund = ""; // ... and why
};
class Vergleich : public ::testing::TestWithParam<Vergleichsfall> {};

// Best |r| first, the decisive model marked, the close call said, all 17 digits on demand;
// the export writes what the command line reports and gives the pairs back.
TEST_P(Vergleich, TabelleUndExport) {
    const auto& fall = GetParam();
    Vergleichsdaten d;
    d.z = test::zustandMit(fall.paare);
    d.z.Bezeichnung = "Kosten; \"netto\"\tje Stück";
    d.z.DateiName = "umsatz.rgr";
    d.regression = MassgR(d.z);
    frmModellvergleich f(d);
    const QTableWidget* t = f.tabelle();
    ASSERT_EQ(t->rowCount(), 9);
    const int grund = t->columnCount() - 1;
    double vorher = 2;
    for (int i = 0; i < 9; ++i) {
        const int code = t->item(i, 1)->text().toInt();
        const bool entscheidend = code == d.regression.modellNr;
        EXPECT_EQ(t->item(i, 0)->text() == QStringLiteral("entscheidend"), entscheidend);
        if (code == fall.code) {
            EXPECT_TRUE(t->item(i, grund)->text().contains(fall.grund));
            EXPECT_FALSE(
                t->item(i, grund)->text().contains(QRegularExpression(QStringLiteral("[\r\n]"))));
        }
        const QString r = t->item(i, 3)->toolTip();
        const double betrag = r.isEmpty() ? -1 : std::fabs(r.toDouble()); // no r: last
        EXPECT_LE(betrag, vorher) << "row " << i;
        vorher = betrag;
        if (entscheidend) {
            EXPECT_EQ(t->item(i, grund)->text(), QStringLiteral("ja"));
            EXPECT_EQ(betrag, d.regression.rMax) << "17 digits give r back";
        }
    }
    EXPECT_EQ(!f.hinweis()->isHidden(), fall.knapp);

    // A click on "AICc" puts the least-squares fits best first, fits without one last;
    // ΔAICc counts from the best.
    const int aicc = t->columnCount() - 3;
    ASSERT_EQ(t->horizontalHeaderItem(aicc)->text(), QStringLiteral("AICc"));
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    f.tabelle()->scrollToItem(t->item(0, aicc));
    const QHeaderView* kopf = t->horizontalHeader();
    QTest::mouseClick(
        kopf->viewport(), Qt::LeftButton, {},
        {kopf->sectionViewportPosition(aicc) + kopf->sectionSize(aicc) / 2, kopf->height() / 2});
    ASSERT_EQ(kopf->sortIndicatorSection(), aicc);
    const auto zahl = [&](int i, int k) { return t->item(i, k)->toolTip().toDouble(); };
    for (int i = 1; i < 9; ++i) {
        if (t->item(i, aicc)->toolTip().isEmpty()) continue;
        EXPECT_LE(zahl(i - 1, aicc), zahl(i, aicc));
        EXPECT_NEAR(zahl(i, aicc + 1), zahl(i, aicc) - zahl(0, aicc), 1e-9);
    }

    Programmzustand z = d.z;
    test::FakeDialoge dialoge;
    Grafikdienste dienste;
    dienste.laufergebnis = [&] { return std::optional(d); };
    frmGrafikKurvex w(z, dialoge, dienste);
    QTemporaryDir ordner;
    const QString json = ordner.filePath(QStringLiteral("e.json"));
    dialoge.waehleDatei(json);
    dialoge.waehleDatei(ordner.filePath(QStringLiteral("e")));
    for (QAction* a : w.findChildren<QAction*>()) {
        if (a->text() != QStringLiteral("Ergebnisse exportieren ...")) continue;
        a->trigger(); // JSON
        a->trigger(); // CSV
    }
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());
    Datensatz daten{d.z.Bezeichnung, static_cast<int>(fall.paare.size()), 1, {0}, {0}};
    for (const auto& [x, y] : fall.paare) daten.X.push_back(x), daten.Y.push_back(y);
    const auto bericht = bericht::berichtErstellen("umsatz.rgr", DateiArt::Regression, daten, {});
    QFile j(json), c(ordner.filePath(QStringLiteral("e.csv")));
    ASSERT_TRUE(j.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
    EXPECT_EQ(j.readAll().toStdString(), bericht::alsJson(bericht, "umsatz.rgr"));
    const std::string tabelle = c.readAll().toStdString();
    EXPECT_EQ(tabelle.rfind("Titel;\"Kosten; \"\"netto\"\"\tje Stück\"\r\n", 0), 0u);
    EXPECT_NE(tabelle.find("\r\nR² (Daten);" + tabellenzahl(*d.regression.r2Daten) + "\r\n"),
              std::string::npos);
    const std::size_t von = tabelle.find("X;Y\r\n") + 5;
    const auto zurueck = liesWertetabelle(tabelle.substr(von, tabelle.find("\r\n\r\n", von) - von));
    EXPECT_EQ(zurueck.paare, fall.paare) << zurueck.fehler;
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Vergleich,
    ::testing::Values(
        Vergleichsfall{{{100, 10}, {101, 11.01}, {102, 11.99}, {103, 13}, {104, 14.01}}, true},
        // e^a of calendar years overflows: r and B stay, A is lost.
        Vergleichsfall{{{2000, 90}, {2001, 45}, {2002, 23}, {2003, 11}}, false, 7, "Überlauf"},
        Vergleichsfall{{{-2, 1.5}, {2, 3}, {3, 4.125}, {5, 6}}, false, 12, "nicht zulässig"}));

// Both cases' types with R² in the values' own units: increments entered as if cumulative
// leave the Summenwerte case without a decisive curve, and every row of it says why.
TEST(Vergleich, PrognoseOhneBeschreibendeKurve) {
    Vergleichsdaten d;
    d.z = test::zustandMit({{1, 5}, {2, 12}, {3, 25}, {4, 30}, {5, 22}, {6, 10}, {7, 4}}, true);
    MaxMinWert(d.z, d.z.AnzPaare);
    const Laufergebnis lauf = rechenlauf(d.z);
    d.summenwerte = lauf.summenwerte;
    d.einzelwerte = lauf.einzelwerte;
    frmModellvergleich f(d);
    const QTableWidget* t = f.tabelle();
    ASSERT_EQ(t->rowCount(), 6);
    int r2 = 0;
    while (t->horizontalHeaderItem(r2)->text() != QStringLiteral("R² (Daten)")) ++r2;
    for (int i = 0; i < 6; ++i) {
        const bool summen = t->item(i, 1)->text() == QStringLiteral("Summenwerte");
        EXPECT_EQ(t->item(i, t->columnCount() - 1)->text(),
                  summen ? QStringLiteral("beschreibt die Werte nicht") : QStringLiteral("ja"));
        EXPECT_EQ(t->item(i, 0)->text() == QStringLiteral("entscheidend"),
                  !summen && t->item(i, 2)->text() == QStringLiteral("5"));
        const double wert = t->item(i, r2)->toolTip().toDouble();
        EXPECT_TRUE(summen ? wert < 0 : wert > 0.97) << i << " " << wert;
    }
    EXPECT_TRUE(f.hinweis()->isHidden());
    // The chart window's JSON export is the command line's report of both cases.
    test::FakeDialoge dialoge;
    Grafikdienste dienste;
    dienste.laufergebnis = [&] { return std::optional(d); };
    Programmzustand z = d.z;
    frmGrafikKurvex w(z, dialoge, dienste);
    Datensatz daten{d.z.Bezeichnung, d.z.AnzPaare, 1, {0}, {0}};
    for (int i = 1; i <= d.z.AnzPaare; ++i)
        daten.X.push_back(d.z.EingabeX(i)), daten.Y.push_back(d.z.EingabeY(i));
    const auto b = bericht::berichtErstellen("", DateiArt::Prognose, daten, {});
    EXPECT_EQ(exportText(w, QStringLiteral("e.json")), bericht::alsJson(b, ""));
}

} // namespace
} // namespace tk
