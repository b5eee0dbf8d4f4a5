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
    void aufbau() {
        Panelaufbau a(prognose(2));
        QVERIFY(a.aktiv);
        const std::vector<std::pair<int, QString>> texte = {
            {0, "Abfrage :"},
            {1, "Xi="},
            {2, "X(i+d)="},
            {3, "K(dx)="},
            {5, "φ"},
            {6, "i="},
            {7, "φ"},
            {8, "(i+d)="},
            {10, "KdxG1/95="},
            {14, "KdxG2/95="},
            {16, "Bandbreite der Verteilungsdichte"},
            {18, "0  bis :"},
            {9, "OK speichert bis 7 Abfragewerte und regeneriert die Grafik"}};
        for (const auto& [i, t] : texte) QCOMPARE(a.label(i), t);
        for (int i = 0; i <= 18; ++i) QVERIFY(a.panel->label(i)->isVisible());
        QCOMPARE(a.panel->cmd3()->text(), QStringLiteral("gewählte Bandbreite OK"));
        QVERIFY(a.panel->cmd3()->isVisible());
        QCOMPARE(a.panel->cmd4()->text(), QStringLiteral("Abfrage OK"));
        QCOMPARE(a.feld(0)->toolTip(),
                 QStringLiteral(" Vorgabe eines Werte X(i)  ->  berechnet Summenwert K(dx) und "
                                "Verteilungsdichte Phi(i) "));
        QCOMPARE(a.feld(1)->toolTip(),
                 QStringLiteral(" Vorgabe eines Wertes X(i+d)  ->  berechnet Summenwert K(dx) "
                                "und Verteilungsdichte Phi(i+d) "));
        QCOMPARE(a.feld(2)->toolTip(),
                 QStringLiteral(" Eingabe eines gewünschten Grenzwertes der Verteilungsdichte "
                                "Phi -> für Grafikdarstellung "));
        // The band starts as the observed range.
        QCOMPARE(a.text(0), QStringLiteral("1.000000"));
        QCOMPARE(a.text(1), QStringLiteral("6.000000"));
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
        const double xiVorher = a.g().Xi;
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
        QCOMPARE(a.g().Xi, xiVorher);
        QTRY_VERIFY(a.feld(0)->hasFocus());
    }

    void xidNichtUeberXi() {
        Panelaufbau a(prognose(2));
        a.eingeben(1, QStringLiteral("6"));
        a.eingeben(0, QStringLiteral("3"));
        a.dialoge.leeren();
        a.eingeben(1, QStringLiteral("3"));
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
        QCOMPARE(a.dialoge.meldungen().front().text,
                 QStringLiteral("X(i+d) sollte grösser als X(i) sein !"));
        QCOMPARE(a.dialoge.meldungen().front().titel, Achtung);
        QCOMPARE(a.text(1), QStringLiteral("3.000001"));
        QCOMPARE(a.g().Yi, 6.0);
        // The results still describe the band that was last accepted.
        QCOMPARE(a.label(4), q(Zahl(WertKi(a.z, 6) - WertKi(a.z, 3))));
    }

    void grenzwertUndBandbreiteOk() {
        Panelaufbau a(prognose(2));
        a.eingeben(2, QStringLiteral("0.5"));
        QCOMPARE(a.g().PhiGrenze, 0.5);
        QVERIFY(!a.g().GrenzwertFest);
        QCOMPARE(a.gezeichnet->count(), 0);
        QTest::mouseClick(a.panel->cmd3(), Qt::LeftButton);
        QVERIFY(a.g().GrenzwertFest);
        QCOMPARE(a.gezeichnet->count(), 1);
        QCOMPARE(a.text(2), QStringLiteral("0.5")); // the user's limit stays
    }
};

QObject* neuEinzelPanelTest() {
    return new EinzelPanelTest;
}

#include "EinzelPanelTest.moc"
