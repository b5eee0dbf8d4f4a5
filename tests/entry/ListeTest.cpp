// The value list: line format, correction by click, deletion by double-click.

#include "Eingabefenster.h"
#include "Werteliste.h"

#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;
using tk::test::Eingabefenster;
using tk::test::FuenfPaare;

namespace {

QPoint zeilenMitte(QListWidget* liste, int zeile) {
    return liste->visualItemRect(liste->item(zeile)).center();
}

} // namespace

class ListeTest : public QObject {
    Q_OBJECT
private slots:
    void zeilenformat_data() {
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Beispiel") << 7 << 12.5 << 0.0001
                                  << u"   7"_s + QString(7, u' ') + u"12.5000000"_s +
                                         QString(9, u' ') + u"0.0001000"_s;
        QTest::newRow("Null") << 1 << 0.0 << -3.25
                              << u"   1"_s + QString(4, u' ') + u"0.0000000E+00"_s +
                                     QString(8, u' ') + u"-3.2500000"_s;
        QTest::newRow("Million") << 21 << 1000000.0 << 999999.5
                                 << u"  21"_s + QString(4, u' ') + u"1.0000000E+06"_s +
                                        QString(4, u' ') + u"999999.5000000"_s;
        QTest::newRow("klein") << 2 << 1e-7 << 3e-7
                               << u"   2"_s + QString(4, u' ') + u"1.0000000E-07"_s +
                                      QString(9, u' ') + u"0.0000003"_s;
    }
    void zeilenformat() {
        QFETCH(QString, zeile);
        QFETCH(int, j);
        QFETCH(double, x);
        QFETCH(double, y);
        const QString z = tk::listenZeile(j, x, y);
        QCOMPARE(z, zeile);
        QCOMPARE(z.size(), qsizetype(39));
    }

    void korrekturPerKlick() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"T"_s, FuenfPaare);
        QListWidget* liste = f.w->List1();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeilenMitte(liste, 2));
        Eingabefenster::warten();
        QVERIFY(f.w->KorrekturModus());
        QCOMPARE(f.w->KorrekturIndex(), 3);
        QCOMPARE(f.w->Label1(2)->text(), u" Wert X3 :"_s);
        QCOMPARE(f.w->Label1(3)->text(), u" Wert Y3 :"_s);
        QCOMPARE(f.w->Text1(1)->text(), u"3"_s);
        QCOMPARE(f.w->Text1(2)->text(), u"6.2"_s);
        QCOMPARE(Eingabefenster::fokus(), f.w->Text1(1));
    }

    void korrekturZeigtGrosseWerteMitExponent() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"T"_s, {{u"2000000"_s, u"0.00000005"_s},
                                   {u"2"_s, u"3"_s},
                                   {u"3"_s, u"4"_s},
                                   {u"4"_s, u"5"_s}});
        QListWidget* liste = f.w->List1();
        QTest::mouseClick(liste->viewport(), Qt::LeftButton, {}, zeilenMitte(liste, 0));
        Eingabefenster::warten();
        QCOMPARE(f.w->Text1(1)->text(), u"2.0000000E+06"_s);
        QCOMPARE(f.w->Text1(2)->text(), u"5.0000000E-08"_s);
    }
};

QObject* neuListeTest() {
    return new ListeTest;
}

#include "ListeTest.moc"
