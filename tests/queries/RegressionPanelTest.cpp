#include "RegressionPanelTest.h"

#include "Auswertung.h"
#include "Format.h"
#include "Panelaufbau.h"
#include "Testdaten.h"

#include <QToolTip>

using namespace tk;
using namespace tk::test;

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
} // namespace

void RegressionPanelTest::oeffnetMitErstemPunkt() {
    Panelaufbau a(regression());
    QVERIFY(a.aktiv);
    QCOMPARE(a.label(0), QStringLiteral("Abfrage :"));
    QCOMPARE(a.label(1), QStringLiteral("Xi ="));
    QCOMPARE(a.label(2), QStringLiteral("Yi ="));
    QCOMPARE(a.label(9), QStringLiteral("OK speichert Abfragewerte (max.20)"));
    QCOMPARE(a.text(0), QStringLiteral("2.000000"));
    QCOMPARE(a.text(1), QStringLiteral("5.000000"));
    QCOMPARE(a.feld(0)->toolTip(),
             QStringLiteral(" Vorgabe eines X-Wertes  ->  berechnet Schätzwert Y "));
    QCOMPARE(a.feld(1)->toolTip(),
             QStringLiteral(" Vorgabe eines Y-Wertes  ->  berechnet Schätzwert X "));
    QCOMPARE(a.panel->cmd4()->text(), QStringLiteral("  OK  "));
    QCOMPARE(a.panel->cmd4()->toolTip(), QStringLiteral(" Speichert die Abfragewerte "));
    QVERIFY(a.panel->cmd4()->isVisible());
    QVERIFY(!a.panel->cmd3()->isVisible());
    QVERIFY(!a.feld(2)->isVisible());
}

void RegressionPanelTest::xFeld_data() {
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<double>("xi");
    QTest::newRow("eins wird geschoben") << "1" << 1.0000001;
    QTest::newRow("minus eins wird geschoben") << "-1" << -1.0000001;
    QTest::newRow("null wird geschoben") << "0" << 0.0000001;
    QTest::newRow("sonst unverändert") << "2.5" << 2.5;
    QTest::newRow("Exponent") << "1.5E-3" << 0.0015;
    QTest::newRow("Buchstaben gefiltert") << "3x,5" << 35.0;
}

void RegressionPanelTest::xFeld() {
    QFETCH(QString, eingabe);
    QFETCH(double, xi);
    Panelaufbau a(regression());
    a.eingeben(0, eingabe);
    QVERIFY(std::fabs(a.g().Xi - xi) < 1e-12);
    QCOMPARE(a.text(1), q(Zahl(1 + 2 * xi)));
    QVERIFY(a.dialoge.aufrufe.empty());
    QVERIFY(a.feld(1)->hasFocus());
}

void RegressionPanelTest::yFeld_data() {
    QTest::addColumn<QString>("eingabe");
    QTest::addColumn<double>("yi");
    QTest::newRow("Wert") << "9" << 9.0;
    QTest::newRow("eins") << "1" << 1.0000001;
    QTest::newRow("minus eins") << "-1" << -1.0000001;
    QTest::newRow("null") << "0" << 0.0000001;
}

void RegressionPanelTest::yFeld() {
    QFETCH(QString, eingabe);
    QFETCH(double, yi);
    Panelaufbau a(regression());
    a.eingeben(1, eingabe);
    QVERIFY(std::fabs(a.g().Yi - yi) < 1e-12);
    // The field that was left keeps what was typed.
    QCOMPARE(a.text(1), eingabe);
    double x = (yi - 1) / 2;
    if (x == 0 || std::fabs(x) == 1) x += x >= 0 ? 1e-7 : -1e-7;
    QCOMPARE(a.text(0), q(Zahl(x)));
}

void RegressionPanelTest::leeresErgebnis() {
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

void RegressionPanelTest::pfeiltastenWandern() {
    Panelaufbau a(regression());
    a.feld(1)->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    QTest::keyClick(a.feld(1), Qt::Key_Up);
    QVERIFY(a.feld(0)->hasFocus());
    QTest::keyClick(a.feld(0), Qt::Key_Down);
    QVERIFY(a.feld(1)->hasFocus());
}
