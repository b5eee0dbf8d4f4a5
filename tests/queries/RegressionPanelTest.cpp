#include "Panelaufbau.h"
#include "Testdaten.h"

#include <cmath>

using namespace tk;
using namespace tk::test;

class RegressionPanelTest : public QObject {
    Q_OBJECT
private slots:
    void oeffnetMitErstemPunkt() {
        Panelaufbau a(regression());
        QVERIFY(a.aktiv);
        QCOMPARE(a.text(0), QStringLiteral("2.000000"));
        QCOMPARE(a.text(1), QStringLiteral("5.000000"));
        QVERIFY(a.panel->cmd4()->isVisible());
        QVERIFY(!a.panel->cmd3()->isVisible());
        QVERIFY(!a.feld(2)->isVisible());
    }

    // y = 1 + 2x; an X or Y of 0 or +-1 is nudged before it is used.
    void xFeld_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<double>("xi");
        QTest::addColumn<QString>("y");
        QTest::newRow("eins wird geschoben") << "1" << 1.0000001 << "3.000000";
        QTest::newRow("minus eins wird geschoben") << "-1" << -1.0000001 << "-1.000000";
        QTest::newRow("null wird geschoben") << "0" << 0.0000001 << "1.000000";
        QTest::newRow("sonst unverändert") << "2.5" << 2.5 << "6.000000";
        QTest::newRow("Exponent") << "1.5E-3" << 0.0015 << "1.003000";
        QTest::newRow("Buchstaben gefiltert, Komma") << "3x,5" << 3.5 << "8.000000";
    }
    void xFeld() {
        QFETCH(QString, eingabe);
        QFETCH(double, xi);
        QFETCH(QString, y);
        Panelaufbau a(regression());
        a.eingeben(0, eingabe);
        QVERIFY(std::fabs(a.g().Xi - xi) < 1e-12);
        QCOMPARE(a.text(1), y);
        QVERIFY(a.dialoge.aufrufe.empty());
        QVERIFY(a.feld(1)->hasFocus());
    }

    void yFeld_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<double>("yi");
        QTest::addColumn<QString>("x");
        QTest::newRow("Wert") << "9" << 9.0 << "4.000000";
        QTest::newRow("eins") << "1" << 1.0000001 << "5.000000E-08";
        QTest::newRow("minus eins") << "-1" << -1.0000001 << "-1.000000";
        QTest::newRow("null") << "0" << 0.0000001 << "-0.500000";
    }
    void yFeld() {
        QFETCH(QString, eingabe);
        QFETCH(double, yi);
        QFETCH(QString, x);
        Panelaufbau a(regression());
        a.eingeben(1, eingabe);
        QVERIFY(std::fabs(a.g().Yi - yi) < 1e-12);
        QCOMPARE(a.text(1), eingabe); // the field that was left keeps what was typed
        QCOMPARE(a.text(0), x);
    }

    void leeresErgebnis() {
        // y = 2 * x^0.5 has no value for a negative x.
        Panelaufbau a(regression(9, 2, 0.5));
        a.eingeben(0, QStringLiteral("-4"));
        QCOMPARE(a.text(1), QStringLiteral("1.000000E-07"));
        // Model 1 with B = 0 cannot be inverted.
        Panelaufbau b(regression(1, 3, 0));
        b.dialoge.leeren(); // a flat line has no chart scale; only the query counts here
        b.eingeben(1, QStringLiteral("5"));
        QCOMPARE(b.text(0), QStringLiteral("1.000000E-07"));
        QVERIFY(a.dialoge.aufrufe.empty() && b.dialoge.aufrufe.empty());
    }

    void pfeiltastenWandern() {
        Panelaufbau a(regression());
        a.feld(1)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        QTest::keyClick(a.feld(1), Qt::Key_Up);
        QVERIFY(a.feld(0)->hasFocus());
        QTest::keyClick(a.feld(0), Qt::Key_Down);
        QVERIFY(a.feld(1)->hasFocus());
    }
};

QObject* neuRegressionPanelTest() {
    return new RegressionPanelTest;
}

#include "RegressionPanelTest.moc"
