#include "Auswertung.h"
#include "Format.h"
#include "Panelaufbau.h"
#include "Testdaten.h"

using namespace tk;
using namespace tk::test;

namespace {
QString q(const std::string& s) {
    return QString::fromStdString(s);
}
const QString Achtung = QStringLiteral("Achtung");
} // namespace

class EinzelPanelTest : public QObject {
    Q_OBJECT
private slots:
    // The band starts as the observed range.
    void aufbau() {
        Panelaufbau a(prognose(2));
        QVERIFY(a.aktiv);
        QCOMPARE(a.text(0), QStringLiteral("1.000000"));
        QCOMPARE(a.text(1), QStringLiteral("6.000000"));
        QVERIFY(a.panel->cmd3()->isVisible());
    }

    void band_data() {
        QTest::addColumn<double>("xi");
        QTest::addColumn<double>("xid");
        QTest::addColumn<bool>("jenseits");
        QTest::newRow("innerhalb") << 2.0 << 4.0 << false;
        QTest::newRow("bis zum letzten X") << 2.0 << 6.0 << false;
        QTest::newRow("über das letzte X") << 2.0 << 8.0 << true;
    }

    void band() {
        QFETCH(double, xi);
        QFETCH(double, xid);
        QFETCH(bool, jenseits);
        Panelaufbau a(prognose(2));
        // X(i+d) first, so that the band stays ordered while typing.
        a.eingeben(1, q(formatFest(xid, 1)));
        a.eingeben(0, q(formatFest(xi, 1)));
        QVERIFY(a.dialoge.aufrufe.empty());
        QCOMPARE(a.g().Xi, xi);
        QCOMPARE(a.g().Yi, xid);
        const double K1 = WertKi(a.z, xi), K2 = WertKi(a.z, xid);
        QCOMPARE(a.label(4), q(Zahl(K2 - K1)));
        QCOMPARE(a.label(11), q(Zahl(*PhiWert(a.z, xi))));
        QCOMPARE(a.label(12), q(Zahl(*PhiWert(a.z, xid))));
        if (jenseits) {
            QCOMPARE(a.label(13), q(Zahl(KGrenz1(a.z, K2) - KGrenz1(a.z, K1))));
            QCOMPARE(a.label(15), q(Zahl(KGrenz2(a.z, K2) - KGrenz2(a.z, K1))));
            QVERIFY(a.label(13) != a.label(4));
        } else {
            QCOMPARE(a.label(13), a.label(4));
            QCOMPARE(a.label(15), a.label(4));
        }
    }

    void xiNichtUnterXid_data() {
        QTest::addColumn<QString>("eingabe");
        QTest::addColumn<bool>("warnt");
        QTest::newRow("unter X(i+d)") << "3" << false;
        QTest::newRow("gleich X(i+d)") << "6" << true;
        // Above XMin, yet not below X(i+d): the band would be empty.
        QTest::newRow("über X(i+d)") << "7" << true;
        QTest::newRow("unter XMin") << "0.5" << false;
    }

    void xiNichtUnterXid() {
        QFETCH(QString, eingabe);
        QFETCH(bool, warnt);
        Panelaufbau a(prognose(2));
        a.eingeben(0, eingabe);
        if (!warnt) {
            QVERIFY(a.dialoge.aufrufe.empty());
            QCOMPARE(a.g().Xi, zahlWert(eingabe.toStdString()));
            return;
        }
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
        const auto m = a.dialoge.meldungen().front();
        QCOMPARE(m.text, QStringLiteral("X(i) sollte kleiner als X(i+d) sein !"));
        QCOMPARE(m.titel, Achtung);
        QCOMPARE(m.symbol, Symbol::Ausrufezeichen);
        QCOMPARE(a.text(0), QStringLiteral("5.999999"));
        // The value offered is the band's new start, in the results and the chart too.
        QCOMPARE(a.g().Xi, 5.999999);
        QCOMPARE(a.label(4), q(Zahl(WertKi(a.z, 6) - WertKi(a.z, 5.999999))));
        QCOMPARE(a.gezeichnet->count(), 1);
        QTRY_VERIFY(a.feld(0)->hasFocus());
    }

    // The limit of the density axis: a positive number; the axis keeps the top shown in
    // the field, also when the field was never left.
    void grenzwert_data() {
        QTest::addColumn<QString>("eingabe"); // empty: field untouched
        QTest::addColumn<bool>("gueltig");
        QTest::newRow("eigener Grenzwert") << "0.5" << true;
        QTest::newRow("unberührt") << "" << true;
        QTest::newRow("null") << "0" << false;
        QTest::newRow("negativ") << "-0.2" << false;
        QTest::newRow("keine Zahl") << "." << false;
    }

    void grenzwert() {
        QFETCH(QString, eingabe);
        QFETCH(bool, gueltig);
        Panelaufbau a(prognose(2));
        const QString automatisch = a.text(2);
        QCOMPARE(automatisch, QStringLiteral("0.300000"));
        if (!eingabe.isEmpty()) a.eingeben(2, eingabe);
        QCOMPARE(a.gezeichnet->count(), 0); // the limit waits for the button
        if (!gueltig) {
            QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
            QCOMPARE(a.dialoge.meldungen().front().text,
                     QStringLiteral("Der Grenzwert der Verteilungsdichte muss grösser 0 sein !"));
            QCOMPARE(a.dialoge.meldungen().front().titel, Achtung);
            QCOMPARE(a.text(2), automatisch);
            QTRY_VERIFY(a.feld(2)->hasFocus());
        }
        // Storing a query fixes the limit as the field shows it; the redraw keeps it.
        a.ok();
        QVERIFY(a.g().GrenzwertFest);
        const QString oben = gueltig && !eingabe.isEmpty() ? eingabe : automatisch;
        QCOMPARE(a.g().PhiGrenze, zahlWert(oben.toStdString()));
        QCOMPARE(a.text(2), oben);
        QTest::mouseClick(a.panel->cmd3(), Qt::LeftButton);
        QCOMPARE(a.g().PhiGrenze, zahlWert(oben.toStdString()));
    }
};

QObject* neuEinzelPanelTest() {
    return new EinzelPanelTest;
}

#include "EinzelPanelTest.moc"
