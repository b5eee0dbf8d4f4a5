#include "Auswertung.h"
#include "Format.h"
#include "Panelaufbau.h"
#include "Testdaten.h"

#include <QFocusEvent>
#include <algorithm>

using namespace tk;
using namespace tk::test;

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
QString prozent(double v) {
    return q(" " + formatFest(v, 3));
}
const QString Neueingabe = QStringLiteral("Bitte Neueingabe");
} // namespace

class SummenPanelTest : public QObject {
    Q_OBJECT
private slots:
    void oeffnetMitHundertProzent() {
        Panelaufbau a(prognose(1));
        QVERIFY(a.aktiv);
        QCOMPARE(a.text(0), QStringLiteral("    unendlich"));
        QCOMPARE(a.text(1), QStringLiteral("100"));
        QCOMPARE(a.text(2), QStringLiteral("100.00000000"));
        // The chart's limits of the saturation level.
        QCOMPARE(a.label(6), q(formatFest(KGrenz1(a.z, a.z.KMax), 6)));
        QCOMPARE(a.label(8), q(formatFest(KGrenz2(a.z, a.z.KMax), 6)));
        QVERIFY(a.feld(2)->isVisible());
        QVERIFY(!a.panel->cmd3()->isVisible());
        for (int i = 10; i <= 18; ++i) QVERIFY(!a.panel->label(i)->isVisible());
    }

    void unendlichUnberuehrt() {
        Panelaufbau a(prognose(1));
        a.feld(0)->setFocus(Qt::TabFocusReason);
        a.verlasse(0);
        QCOMPARE(a.g().Xi, 1e10);
        const double K = WertKi(a.z, 1e10);
        QCOMPARE(a.text(1), prozent(100 * K / a.z.KMax));
        QCOMPARE(a.text(2), q(Zahl(K)));
        QCOMPARE(a.label(6), q(Zahl(KGrenz1(a.z, K))));
        QCOMPARE(a.label(8), q(Zahl(KGrenz2(a.z, K))));
        QVERIFY(a.dialoge.aufrufe.empty());
    }

    // Opening a menu or switching windows does not leave the field; Tab does.
    void fokusVerlustOhneVerlassen_data() {
        QTest::addColumn<int>("grund");
        QTest::addColumn<bool>("geprueft");
        QTest::newRow("Menüleiste") << int(Qt::MenuBarFocusReason) << false;
        QTest::newRow("Popup") << int(Qt::PopupFocusReason) << false;
        QTest::newRow("anderes Fenster") << int(Qt::ActiveWindowFocusReason) << false;
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
    }
    void fokusVerlustOhneVerlassen() {
        QFETCH(int, grund);
        QFETCH(bool, geprueft);
        Panelaufbau a(prognose(1));
        a.tippe(0, QStringLiteral("0.3")); // below X(1%)
        QFocusEvent weg(QEvent::FocusOut, static_cast<Qt::FocusReason>(grund));
        QCoreApplication::sendEvent(a.feld(0), &weg);
        QCoreApplication::processEvents();
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(geprueft ? 1 : 0));
        QCOMPARE(a.text(0) == QStringLiteral("0.3"), !geprueft);
    }

    // A failure outside the error table is reported and leaves the fields working.
    void fremdeAusnahme() {
        Panelaufbau a(prognose(1));
        a.dialoge.werfen = 1;
        a.eingeben(0, QStringLiteral("0.3"));
        auto m = a.dialoge.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QVERIFY2(m[0].text.contains(QStringLiteral(" 51 ")), qPrintable(m[0].text));
        QVERIFY(m[0].text.contains(QStringLiteral("Dialog kaputt")));
        a.dialoge.leeren();
        a.eingeben(0, QStringLiteral("0.3"));
        m = a.dialoge.meldungen();
        QVERIFY(!m.empty());
        QCOMPARE(m.back().text, QStringLiteral("Der Wert Xi muss grösser >= X(1%) sein!"));
    }

    void xFeld_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("warnt");
        QTest::newRow("Wendepunkt") << "5" << false;
        QTest::newRow("knapp über X(1%)") << "0.41" << false;
        QTest::newRow("unter X(1%)") << "0.3" << true;
        QTest::newRow("negativ") << "-2" << true;
    }

    void xFeld() {
        QFETCH(QString, eingabe);
        QFETCH(bool, warnt);
        Panelaufbau a(prognose(1));
        a.eingeben(0, eingabe);
        const double x1 = WertXI(a.z, 0.01);
        if (warnt) {
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            const auto m = a.dialoge.meldungen().front();
            QCOMPARE(m.text, QStringLiteral("Der Wert Xi muss grösser >= X(1%) sein!"));
            QCOMPARE(m.titel, Neueingabe);
            QCOMPARE(m.symbol, Symbol::Ausrufezeichen);
            QCOMPARE(m.knoepfe, Knoepfe::OK);
            QCOMPARE(a.text(0), q(Zahl(x1)));
            QCOMPARE(a.text(1), QStringLiteral("100")); // nothing else changes
            QTRY_VERIFY(a.feld(0)->hasFocus());
            // Accepting the offered minimum passes, although it is rounded down.
            QVERIFY(zahlWert(a.text(0).toStdString()) < x1);
            a.verlasse(0);
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            QCOMPARE(a.text(2), q(Zahl(WertKi(a.z, a.g().Xi))));
            return;
        }
        QVERIFY(a.dialoge.aufrufe.empty());
        const double x = zahlWert(eingabe.toStdString());
        QCOMPARE(a.g().Xi, x);
        const double K = WertKi(a.z, x);
        QCOMPARE(a.text(1), prozent(K));
        QCOMPARE(a.text(2), q(Zahl(K)));
        // Inside the observed range both limits are the value itself.
        QCOMPARE(a.label(6), q(Zahl(K)));
        QCOMPARE(a.label(8), q(Zahl(K)));
    }

    void anteilFeld_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("warnt");
        QTest::addColumn<double>("anteil"); // share the curve is inverted at
        QTest::newRow("halb") << "50" << false << 0.5;
        QTest::newRow("1 %") << "1" << false << 0.01;
        QTest::newRow("100 %") << "100" << false << 0.9999999;
        QTest::newRow("0.5 %") << "0.5" << true << 0.0;
        QTest::newRow("über 100 %") << "100.5" << true << 0.0;
    }

    void anteilFeld() {
        QFETCH(QString, eingabe);
        QFETCH(bool, warnt);
        QFETCH(double, anteil);
        Panelaufbau a(prognose(1));
        a.eingeben(1, eingabe);
        if (warnt) {
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            QCOMPARE(a.dialoge.meldungen().front().text,
                     QStringLiteral("Der Summen%-Wert muss grösser >= 1% und <=100% sein!"));
            QCOMPARE(a.dialoge.meldungen().front().titel, Neueingabe);
            QCOMPARE(a.text(1), QStringLiteral(" 1.000"));
            QCOMPARE(a.text(0), QStringLiteral("    unendlich"));
            QTRY_VERIFY(a.feld(1)->hasFocus());
            return;
        }
        QVERIFY(a.dialoge.aufrufe.empty());
        const double K = a.z.KMax * zahlWert(eingabe.toStdString()) / 100;
        QCOMPARE(a.text(2), q(Zahl(K)));
        QCOMPARE(a.text(0), q(Zahl(WertXI(a.z, anteil))));
        QCOMPARE(a.label(6), q(Zahl(KGrenz1(a.z, K))));
    }

    // KMax 100.10087851 is written "100.100879": that text reads back as the 100 % point.
    void kFeld_data() {
        QTest::addColumn<double>("kmax");
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<QString>("anteil"); // share field afterwards
        const QString klein = QStringLiteral("Der Wert Ki muss grösser >= K bei X(1%) sein!");
        const QString gross = QStringLiteral("Der Wert Ki muss kleiner als Kmax sein!");
        QTest::newRow("Hälfte") << 100.0 << "50"
                                << ""
                                << " 50.000";
        QTest::newRow("genau 1 %") << 100.0 << "1"
                                   << ""
                                   << " 1.000";
        QTest::newRow("unter 1 %") << 100.0 << "0.5" << klein << " 100.000";
        QTest::newRow("genau Kmax") << 100.0 << "100"
                                    << ""
                                    << " 100.000";
        QTest::newRow("Kmax aufgerundet") << 100.10087851 << "100.100879"
                                          << ""
                                          << " 100.000";
        QTest::newRow("über Kmax") << 100.10087851 << "101" << gross << " 100.000";
    }

    void kFeld() {
        QFETCH(double, kmax);
        QFETCH(QString, eingabe);
        QFETCH(QString, meldung);
        QFETCH(QString, anteil);
        Programmzustand z = prognose(1);
        z.KMax = kmax;
        Panelaufbau a(z);
        a.eingeben(2, eingabe);
        if (!meldung.isEmpty()) {
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            const auto m = a.dialoge.meldungen().front();
            QCOMPARE(m.text, meldung);
            QCOMPARE(m.titel, meldung.contains(QStringLiteral("kleiner"))
                                  ? QStringLiteral("Achtung")
                                  : Neueingabe);
            QCOMPARE(m.symbol, Symbol::Ausrufezeichen);
            QCOMPARE(a.text(1), anteil); // nothing else changes
            QTRY_VERIFY(a.feld(2)->hasFocus());
            // The value offered reads back without a second message.
            const double angeboten = zahlWert(a.text(2).toStdString());
            a.verlasse(2);
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            QCOMPARE(a.text(2), q(Zahl(angeboten)));
            return;
        }
        for (const auto& m : a.dialoge.meldungen()) QFAIL(qPrintable(m.text));
        const double s = std::min(zahlWert(eingabe.toStdString()) / kmax, 1.0);
        QCOMPARE(a.text(1), anteil);
        QCOMPARE(a.text(0), q(Zahl(WertXI(a.z, s < 1 ? s : 0.9999999))));
        QCOMPARE(a.label(6), q(Zahl(KGrenz1(a.z, s * kmax))));
    }

    void grenzenJenseitsDerBeobachtung() {
        Panelaufbau a(prognose(1));
        a.eingeben(0, QStringLiteral("8"));
        const double K = WertKi(a.z, 8);
        const double unten = zahlWert(a.label(6).toStdString());
        const double oben = zahlWert(a.label(8).toStdString());
        QVERIFY(unten < K - 0.01);
        QVERIFY(oben > K + 0.01);
        QCOMPARE(a.label(6), q(Zahl(KGrenz1(a.z, K))));
    }

    void speichernBehaeltDieAbfrage() {
        Panelaufbau a(prognose(1));
        // The untouched 100 % point is stored as its horizon, not as 0.
        a.panel->cmd4()->click();
        QCOMPARE(a.g().AbfrageX[1], 1e10);
        // The redraw after OK keeps the limits of the query beside its fields, not
        // those of KMax that the chart writes.
        a.tippe(0, QStringLiteral("8"));
        a.ok(); // the click leaves field 0, whose rule evaluates the query
        QCOMPARE(a.g().AnzAbfragen, 2);
        const double K = WertKi(a.z, 8);
        QCOMPARE(a.label(6), q(Zahl(KGrenz1(a.z, K))));
        QCOMPARE(a.label(8), q(Zahl(KGrenz2(a.z, K))));
    }
};

QObject* neuSummenPanelTest() {
    return new SummenPanelTest;
}

#include "SummenPanelTest.moc"
