// The start window: captions, mode choice, exit confirmation, reset of the state.

#include "FakeDialoge.h"
#include "frmstartKX.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace Qt::StringLiterals;

class StartTest : public QObject {
    Q_OBJECT
private slots:
    void beschriftung() {
        tk::Programmzustand z;
        tk::test::FakeDialoge d;
        tk::frmstartKX w(z, d);
        QCOMPARE(w.windowTitle(), u"Trendkurve :   Start"_s);
        QCOMPARE(w.Frame1()->title(), u"Programmwahl"_s);
        QCOMPARE(w.cmd1(0)->text(), u"Prognostik"_s);
        QCOMPARE(w.cmd1(1)->text(), u"Regression"_s);
        QCOMPARE(w.cmd1(2)->text(), u"Ende"_s);
        QCOMPARE(w.Label1()->text().at(0), QChar(169));
        // "Ende" is set apart from the mode buttons
        QVERIFY(w.cmd1(2)->y() - w.cmd1(1)->y() > w.cmd1(1)->y() - w.cmd1(0)->y());
    }

    void initialisierenSetztZurueck() {
        tk::Programmzustand z;
        tk::test::FakeDialoge d;
        z.ModusPrognostik = true;
        z.AnzPaare = 5;
        z.AnzahlOK = true;
        z.Kennzahl = 1;
        z.KorrR = 0.5;
        z.XMax = 9;
        z.RMax = 0.9;
        tk::frmstartKX w(z, d);
        QCOMPARE(z.AnzPaare, 0);
        QVERIFY(!z.AnzahlOK);
        QCOMPARE(z.Kennzahl, 0);
        QCOMPARE(z.KorrR, 0.0);
        QCOMPARE(z.XMax, 0.0);
        QCOMPARE(z.RMax, 0.0);
        QVERIFY(z.ModusPrognostik); // the mode stays until a new choice
    }
};

QObject* neuStartTest() {
    return new StartTest;
}

#include "StartTest.moc"
