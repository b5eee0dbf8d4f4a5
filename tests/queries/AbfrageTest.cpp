// The query panel under the real chart window: what leaving a field does in each
// chart, as a user types, and the store of queries.

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "queries/Abfragetabelle.h"
#include "tests/support/Panelaufbau.h"
#include "tests/support/QtTestLauf.h"
#include "tests/support/Teststaende.h"

#include <QAction>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <cmath>

using namespace tk;
using namespace tk::test;

namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString zahl(double v) {
    return q(Zahl(v));
}

// Regression y = 1 + 2x; prognosis: the logistic curve with KMax 200 observed at 1..9.
Programmzustand zustand(int art) {
    return art == 0 ? regression({{2, 5}, {3, 7}, {4, 9}, {5, 11}, {6, 13}}) : logistisch(art);
}

using Texte = QMap<int, QString>; // field or label index -> text

} // namespace

class AbfrageTest : public QObject {
    Q_OBJECT
private slots:
    // One field left with Enter: the warning shown (or none), the fields and result
    // labels it fills, and whether the query's X lies outside the data (X 2..6, 1..9).
    void feldVerlassen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("feld");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("warnung");
        QTest::addColumn<Texte>("felder");
        QTest::addColumn<Texte>("labels");
        QTest::addColumn<bool>("extrapolation");
        const Programmzustand S = zustand(1), E = zustand(2);
        const auto zeile = [](const char* name, int art, int feld, const char* eingabe,
                              const char* warnung, const Texte& felder, const Texte& labels,
                              bool extrapolation) {
            QTest::newRow(name) << art << feld << QString::fromUtf8(eingabe)
                                << QString::fromUtf8(warnung) << felder << labels << extrapolation;
        };
        zeile("Regression X", 0, 0, "4", "", {{1, zahl(9)}}, {}, false);
        zeile("Regression X = XMin", 0, 0, "2", "", {{1, zahl(5)}}, {}, false);
        zeile("Regression X = XMax", 0, 0, "6", "", {{1, zahl(13)}}, {}, false);
        zeile("Regression X unter XMin", 0, 0, "1.999999", "", {}, {}, true);
        zeile("Regression X über XMax", 0, 0, "6.000001", "", {}, {}, true);
        zeile("Regression Y", 0, 1, "11", "", {{0, zahl(5)}}, {}, false);
        // a sign, a negative value, and 1 moved off its singular point as the pairs are
        zeile("Regression X +4 eingefügt", 0, 0, "+4", "", {{1, zahl(9)}}, {}, false);
        zeile("Regression Y -3", 0, 1, "-3", "", {{0, zahl(-2)}}, {}, true);
        zeile("Regression Y 1", 0, 1, "1", "", {{0, zahl((1.0000001 - 1) / 2)}}, {}, true);
        zeile("Regression Y, X außerhalb", 0, 1, "15", "", {{0, zahl(7)}}, {}, true);
        const double K12 = WertKi(S, 12); // beyond the data: the limits widen
        zeile("Summen X", 1, 0, "12", "", {{1, q(" " + formatFest(K12 / 2, 3))}, {2, zahl(K12)}},
              {{6, zahl(KGrenz1(S, K12))}, {8, zahl(KGrenz2(S, K12))}}, true);
        zeile("Summen X unter X(1%)", 1, 0, "0", "Der Wert Xi muss grösser >= X(1%) sein!",
              {{0, zahl(WertXI(S, 0.01))}}, {}, false);
        zeile("Summen 50 %", 1, 1, "50", "", {{0, zahl(WertXI(S, 0.5))}, {2, zahl(100)}}, {},
              false);
        zeile("Summen 100 %", 1, 1, "100", "", {{0, zahl(WertXI(S, 0.9999999))}, {2, zahl(200)}},
              {}, true);
        zeile("Summen 101 %", 1, 1, "101", "Der Summen%-Wert muss grösser >= 1% und <=100% sein!",
              {{1, q(" " + formatFest(1, 3))}}, {}, false);
        zeile("Summen K = KMax", 1, 2, "200.00000000", "", {{1, q(" " + formatFest(100, 3))}}, {},
              true);
        zeile("Summen K über KMax", 1, 2, "250", "Der Wert Ki muss kleiner als Kmax sein!",
              {{2, zahl(200)}}, {}, false);
        zeile("Summen K unter 1 %", 1, 2, "1", "Der Wert Ki muss grösser >= K bei X(1%) sein!",
              {{2, zahl(2)}}, {}, false);
        const Bandwerte b = bandwerte(E, 1, 12);
        zeile("Einzel X(i+d)", 2, 1, "12", "", {},
              {{4, zahl(b.Kdx)},
               {11, zahl(PhiWert(E, 1).value())},
               {12, zahl(PhiWert(E, 12).value())},
               {13, zahl(b.KdxG1)},
               {15, zahl(b.KdxG2)}},
              true);
        zeile("Einzel X(i) vor den Daten", 2, 0, "0.5", "", {}, {}, true);
        zeile("Einzel X(i) = X(i+d)", 2, 0, "9", "X(i) sollte kleiner als X(i+d) sein !",
              {{0, zahl(9 - 0.000001)}}, {}, false);
        zeile("Einzel X(i+d) unter X(i)", 2, 1, "0.5", "X(i+d) sollte grösser als X(i) sein !",
              {{1, zahl(1.000001)}}, {}, false);
        zeile("Einzel Grenzwert 0", 2, 2, "0",
              "Der Grenzwert der Verteilungsdichte muss grösser 0 sein !",
              {{2, zahl(OrdinatenTop(PhiWert(E, 5).value()))}}, {}, false);
    }

    void feldVerlassen() {
        QFETCH(int, art);
        QFETCH(int, feld);
        QFETCH(QString, eingabe);
        QFETCH(QString, warnung);
        QFETCH(Texte, felder);
        QFETCH(Texte, labels);
        QFETCH(bool, extrapolation);
        Panelaufbau a(zustand(art));
        QVERIFY(a.aktiv);
        if (eingabe.startsWith(u'+')) { // a '+' cannot be typed, only pasted
            QGuiApplication::clipboard()->setText(eingabe);
            a.tippe(feld, {});
            QTest::keyClick(a.feld(feld), Qt::Key_V, Qt::ControlModifier);
            a.verlasse(feld);
        } else {
            a.eingeben(feld, eingabe);
        }
        const auto m = a.dialoge.meldungen();
        QCOMPARE(m.size(), std::size_t(warnung.isEmpty() ? 0 : 1));
        if (!warnung.isEmpty()) {
            QCOMPARE(m[0].text, warnung);
            QCOMPARE(m[0].symbol, Symbol::Ausrufezeichen);
            QTRY_VERIFY(a.feld(feld)->hasFocus() || feld == 1);
        }
        for (auto it = felder.begin(); it != felder.end(); ++it) QCOMPARE(a.text(it.key()), *it);
        for (auto it = labels.begin(); it != labels.end(); ++it) QCOMPARE(a.label(it.key()), *it);
        QCOMPARE(a.panel->extrapolation()->isVisible(), extrapolation);
    }

    // The panel opens on a query the user can read at once.
    void oeffnet() {
        Panelaufbau r(zustand(0));
        QCOMPARE(r.text(0), zahl(2)); // the first data point
        QCOMPARE(r.text(1), zahl(5));
        QVERIFY(!r.panel->extrapolation()->isVisible());
        r.tippe(0, QString()); // Ctrl+C copies the chart, even from a field
        QTest::keyClick(r.feld(0), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), r.fenster->bild().size());
        Panelaufbau s(zustand(1));
        QCOMPARE(s.text(0), QStringLiteral("    unendlich"));
        QVERIFY(s.panel->extrapolation()->isVisible()); // KMax lies at an infinite horizon
        QCOMPARE(s.label(8), q(formatFest(KGrenz2(s.z, s.z.KMax), 6))); // from the chart
        Programmzustand gross = zustand(1);
        gross.KMax = 11503123.14554999; // the field shows it whole, with fewer decimals
        Panelaufbau k(gross);
        QCOMPARE(k.text(2), QStringLiteral("11503123.1455"));
        QVERIFY(k.feld(2)->fontMetrics().horizontalAdvance(k.text(2)) <
                k.feld(2)->contentsRect().width());
        Panelaufbau e(zustand(2));
        QCOMPARE(e.label(15), zahl(bandwerte(e.z, e.z.XMin, e.z.XMax).KdxG2));
    }

    // "Ansicht > Kleinste Quadrate": the answer also on the least-squares curve with its
    // 95 % prediction interval (for a line: yh ± t(0.975; 3)·s·√(1 + 1/n + (x − x̄)²/Sxx)).
    void kleinsteQuadrate() {
        Panelaufbau a(regression({{2, 5.1}, {3, 6.8}, {4, 9.2}, {5, 10.9}, {6, 13.1}}));
        a.eingeben(0, QStringLiteral("8"));
        QVERIFY(!a.panel->kleinsteQuadrate()->isVisible());
        a.fenster->findChild<QAction*>(QStringLiteral("mnuKleinsteQuadrate"))->trigger();
        a.eingeben(0, QStringLiteral("8"));
        QCOMPARE(a.panel->kleinsteQuadrate()->text(), QStringLiteral("Yi = 17.06 [16.05; 18.07]"));
        QVERIFY(a.panel->kleinsteQuadrate()->isVisible());
    }

    // 0 and ±1 are moved off the logarithms' singular points, away from zero.
    void singulaerePunkte() {
        Panelaufbau a(zustand(0));
        a.eingeben(0, QStringLiteral("-1"));
        QCOMPARE(a.g().Xi, -1.0000001);
    }

    // A query's own limits stay when the chart is drawn again.
    void eigeneGrenzenBleiben() {
        Panelaufbau a(zustand(1));
        a.eingeben(0, QStringLiteral("12"));
        const QString grenze = a.label(8);
        a.fenster->zeichnen();
        QCOMPARE(a.label(8), grenze);
    }

    // Opening a menu or switching windows does not leave the field; Tab does.
    void fokusVerlustOhneVerlassen() {
        for (auto grund :
             {Qt::MenuBarFocusReason, Qt::ActiveWindowFocusReason, Qt::TabFocusReason}) {
            Panelaufbau a(zustand(1));
            a.tippe(0, QStringLiteral("0"));
            QFocusEvent weg(QEvent::FocusOut, grund);
            QCoreApplication::sendEvent(a.feld(0), &weg);
            QCoreApplication::processEvents();
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(grund == Qt::TabFocusReason));
        }
    }

    // A failure outside the error table is reported; the fields keep working.
    void fremdeAusnahme() {
        Panelaufbau a(zustand(1));
        a.dialoge.werfen = 1;
        a.eingeben(0, QStringLiteral("0"));
        QVERIFY(a.dialoge.meldungen().at(0).text.contains(QStringLiteral(" 51 ")));
        a.eingeben(0, QStringLiteral("0"));
        QCOMPARE(a.dialoge.meldungen().back().text,
                 QStringLiteral("Der Wert Xi muss grösser >= X(1%) sein!"));
    }

    // "OK" stores the fields' values; a cumulative query keeps its share apart.
    void speichert() {
        Panelaufbau a(zustand(1));
        a.eingeben(1, QStringLiteral("50"));
        a.ok();
        QCOMPARE(a.g().AnzAbfragen, 1);
        QCOMPARE(a.g().AbfrageX[1], 5.0);
        QCOMPARE(a.g().AbfrageS[1], 50.0);
        QCOMPARE(a.g().AbfrageY[1], 100.0);
        QVERIFY(a.g().GrenzwertFest);
        // The 100 % point lies at an infinite horizon: copied, its row says so.
        a.eingeben(1, QStringLiteral("100"));
        a.ok();
        const auto t = ergebnistabelle(a.z, "Summenwerte", abfragetabelle(a.z, a.g()));
        QVERIFY(t[t.size() - 2].back() != "Extrapolation");
        QCOMPARE(t.back().back(), std::string("Extrapolation"));
    }
};

TK_QTTEST(AbfrageTest);

#include "AbfrageTest.moc"
