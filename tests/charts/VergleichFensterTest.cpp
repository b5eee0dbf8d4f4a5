// The model table, the residual plot and the results leaving the chart window.

#include "AufzeichnungsAusgabe.h"
#include "Bericht.h"
#include "Teststaende.h"
#include "FakeDialoge.h"
#include "Json.h"
#include "Residuenplot.h"
#include "Wertepaare.h"
#include "Wertetabelle.h"
#include "frmGrafikKurvex.h"
#include "frmModellvergleich.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace tk {
namespace {

Vergleichsdaten lauf(const test::Paare& paare) {
    Vergleichsdaten d;
    d.z = test::zustandMit(paare);
    d.z.Bezeichnung = "Umsatz";
    d.z.DateiName = "umsatz.rgr";
    d.regression = MassgR(d.z);
    return d;
}

struct Vergleichsfall {
    test::Paare paare;
    bool knapp;
    int code = 0;           // a model that cannot be used ...
    const char* grund = ""; // ... and why
};

class Vergleichsfenster : public ::testing::TestWithParam<Vergleichsfall> {};

// Best |r| first, the decisive model marked, the close call said, all 17 digits on demand.
TEST_P(Vergleichsfenster, OrdnetNachRUndNenntKnappeEntscheidung) {
    const Vergleichsdaten d = lauf(GetParam().paare);
    frmModellvergleich f(d);
    const QTableWidget* t = f.tabelle();
    ASSERT_EQ(t->rowCount(), 9);
    double vorher = 2;
    int entscheidend = -1;
    for (int i = 0; i < 9; ++i) {
        if (t->item(i, 0)->text() == QStringLiteral("entscheidend")) {
            EXPECT_EQ(entscheidend, -1) << "one decisive model";
            entscheidend = i;
        }
        if (t->item(i, 1)->text().toInt() == GetParam().code) {
            EXPECT_TRUE(t->item(i, 7)->text().contains(QString::fromUtf8(GetParam().grund)))
                << t->item(i, 7)->text().toStdString();
        }
        const QString r = t->item(i, 3)->toolTip();
        if (r.isEmpty()) {
            vorher = -1; // models without r come last
            continue;
        }
        EXPECT_LE(std::fabs(r.toDouble()), vorher) << "row " << i;
        vorher = std::fabs(r.toDouble());
        if (t->item(i, 1)->text().toInt() == d.regression.modellNr) {
            EXPECT_EQ(std::fabs(r.toDouble()), d.regression.rMax)
                << "17 digits give r back exactly";
        }
    }
    ASSERT_GE(entscheidend, 0);
    EXPECT_EQ(t->item(entscheidend, 1)->text().toInt(), d.regression.modellNr);
    EXPECT_EQ(t->item(entscheidend, 7)->text(), QStringLiteral("ja"));
    EXPECT_EQ(!f.hinweis()->isHidden(), GetParam().knapp);
    f.kopieren();
    const QString kopie = QApplication::clipboard()->text();
    EXPECT_EQ(kopie.toStdString(), alsTsv(f.alsTabelle()));
    EXPECT_EQ(kopie.contains(QStringLiteral("knappe Entscheidung")), GetParam().knapp);
}

INSTANTIATE_TEST_SUITE_P(
    Faelle, Vergleichsfenster,
    ::testing::Values(
        Vergleichsfall{{{100, 10}, {101, 11.01}, {102, 11.99}, {103, 13}, {104, 14.01}}, true},
        // e^a of calendar years overflows: r and B stay, A is lost.
        Vergleichsfall{{{2000, 90}, {2001, 45}, {2002, 23}, {2003, 11}}, false, 7, "Überlauf"},
        Vergleichsfall{{{-2, 1}, {2, 3}, {3, 4.1}, {5, 6}}, false, 12, "nicht zulässig"}));

// Y - Ŷ in the data's units: a point on the line sits on the zero line, one above it
// as far above as its residual says.
TEST(Residuenplot, PunkteUeberDerNulllinie) {
    Programmzustand z = test::zustandMit({{2, 5}, {4, 9}, {6, 15}, {8, 15}});
    const auto r = residuen(z, 1, 1, 2); // Y = 1 + 2 X
    ASSERT_EQ(r.size(), 4u);
    EXPECT_DOUBLE_EQ(r[2].rest(), 2);
    AufzeichnungsAusgabe a;
    zeichneResiduen(a, r);
    const auto kreise = a.kreise();
    ASSERT_EQ(kreise.size(), 4u);
    double null = 0;
    for (const auto& l : a.linien())
        if (l.stil == Linienstil::Gestrichelt) null = l.y1;
    EXPECT_DOUBLE_EQ(kreise[0].y1, null);
    EXPECT_DOUBLE_EQ(kreise[1].y1, null);
    EXPECT_NEAR(kreise[2].y1 - null, null - kreise[3].y1, 1e-9);
    EXPECT_GT(kreise[2].y1, null);
    EXPECT_LT(kreise[0].x1, kreise[1].x1);
    EXPECT_FALSE(a.texteMit(QStringLiteral("2")).empty()) << "a tick at the residual";
}

QAction* aktion(QWidget& w, const QString& text) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

// The export writes what the command line reports for the same data; the CSV and the
// copy give the pairs back with every digit.
TEST(Ergebnisexport, JsonWieDieKommandozeileUndPaareZurueck) {
    const test::Paare paare = {{1.5, 2.25}, {2, 3.125}, {3.75, 6.5}, {4, 7.0625}, {5, 9.5}};
    Vergleichsdaten d = lauf(paare);
    d.z.Bezeichnung = "Kosten; \"netto\"\tje Stück";
    Programmzustand z = d.z;
    test::FakeDialoge dialoge;
    Grafikdienste dienste;
    dienste.laufergebnis = [&] { return std::optional(d); };
    dienste.abfragen = [](auto&) { return Abfragetabelle{{"X", "Y"}, {{2.5, std::nullopt}}}; };
    frmGrafikKurvex w(z, dialoge, dienste);
    QTemporaryDir ordner;
    const QString json = ordner.filePath(QStringLiteral("e.json"));
    const QString csv = ordner.filePath(QStringLiteral("e"));
    dialoge.waehleDatei(json);
    dialoge.waehleDatei(csv);
    aktion(w, QStringLiteral("Ergebnisse exportieren ..."))->trigger();
    aktion(w, QStringLiteral("Ergebnisse exportieren ..."))->trigger();
    EXPECT_TRUE(dialoge.unerwartet.isEmpty());

    Datensatz daten{d.z.Bezeichnung, 5, 1, {0}, {0}};
    for (const auto& [x, y] : paare) {
        daten.X.push_back(x);
        daten.Y.push_back(y);
    }
    const auto bericht = cli::berichtErstellen("umsatz.rgr", DateiArt::Regression, daten, {});
    QFile j(json), c(csv + QStringLiteral(".csv"));
    ASSERT_TRUE(j.open(QIODevice::ReadOnly) && c.open(QIODevice::ReadOnly));
    EXPECT_EQ(j.readAll().toStdString(), cli::alsJson(bericht, "umsatz.rgr"));

    aktion(w, QStringLiteral("Ergebnisse kopieren"))->trigger();
    const std::string kopie = QApplication::clipboard()->text().toStdString();
    const std::string tabelle = c.readAll().toStdString();
    EXPECT_EQ(tabelle.rfind("Titel;\"Kosten; \"\"netto\"\"\tje Stück\"\r\n", 0), 0u);
    EXPECT_EQ(kopie.rfind("Titel\tKosten; \"netto\" je Stück\r\n", 0), 0u);
    EXPECT_NE(kopie.find("\r\n2,5\t\r\n"), std::string::npos) << "query row with an empty cell";
    for (auto [text, trenner] : {std::pair{tabelle, ";"}, {kopie, "\t"}}) {
        const std::string kopf = std::string("X") + trenner + "Y\r\n";
        const std::size_t von = text.find(kopf) + kopf.size();
        const auto zurueck = liesWertetabelle(text.substr(von, text.find("\r\n\r\n", von) - von));
        EXPECT_EQ(zurueck.paare, paare) << zurueck.fehler;
    }
}

} // namespace
} // namespace tk
