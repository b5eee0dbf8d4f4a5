// Keyboard behaviour of the fields, and the lines of the value list.

#include "TextBHilf.h"
#include "Eingabefenster.h"
#include "Werteliste.h"

#include <QFocusEvent>

using namespace Qt::StringLiterals;
using namespace tk::test;

namespace {

// Widgets of the input window by a short name.
QWidget* steuerung(tk::frmKurvex& w, const QString& name) {
    if (name == u"Titel") return w.Text2();
    if (name == u"Anzahl") return w.Text1(0);
    if (name == u"X") return w.Text1(1);
    if (name == u"Y") return w.Text1(2);
    if (name.startsWith(u"cmd")) return w.cmd1(name.mid(3).toInt());
    return nullptr;
}

} // namespace

class TextBHilfTest : public QObject {
    Q_OBJECT
private slots:
    // Only a focus change of the user inside the window leaves a field.
    void feldVerlassen_data() {
        QTest::addColumn<int>("grund");
        QTest::addColumn<bool>("verlassen");
        QTest::newRow("Tab") << int(Qt::TabFocusReason) << true;
        QTest::newRow("Maus") << int(Qt::MouseFocusReason) << true;
        QTest::newRow("Menüleiste") << int(Qt::MenuBarFocusReason) << false;
        QTest::newRow("anderes Fenster") << int(Qt::ActiveWindowFocusReason) << false;
    }
    void feldVerlassen() {
        QFETCH(int, grund);
        QFETCH(bool, verlassen);
        const QFocusEvent e(QEvent::FocusOut, static_cast<Qt::FocusReason>(grund));
        QCOMPARE(tk::feldVerlassen(e), verlassen);
    }

    void markAllesBeimEintritt() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.w->Text2()->setText(u"alter Titel"_s);
        f.fokussieren(f.w->Text1(0));
        druecke(Qt::Key_Up); // back into the title field
        QCOMPARE(fokus(), f.w->Text2());
        QCOMPARE(f.w->Text2()->selectedText(), u"alter Titel"_s);
        QTest::keyClicks(f.w->Text2(), u"neu"_s); // typing replaces
        QCOMPARE(f.w->Text2()->text(), u"neu"_s);
    }

    // Enter and the arrow keys move through the tab order of the pair stage.
    void navigation_data() {
        QTest::addColumn<QString>("von");
        QTest::addColumn<int>("taste");
        QTest::addColumn<QString>("nach");
        QTest::newRow("Anzahl Enter") << u"Anzahl"_s << int(Qt::Key_Return) << u"cmd1"_s;
        QTest::newRow("Anzahl Rechts") << u"Anzahl"_s << int(Qt::Key_Right) << u"cmd1"_s;
        QTest::newRow("Anzahl Hoch") << u"Anzahl"_s << int(Qt::Key_Up) << u"Titel"_s;
        QTest::newRow("Anzahl Links") << u"Anzahl"_s << int(Qt::Key_Left) << u"Titel"_s;
        QTest::newRow("X Enter") << u"X"_s << int(Qt::Key_Return) << u"Y"_s;
        QTest::newRow("X Runter") << u"X"_s << int(Qt::Key_Down) << u"Y"_s;
        QTest::newRow("X Hoch") << u"X"_s << int(Qt::Key_Up) << u"cmd1"_s;
        QTest::newRow("Titel Enter") << u"Titel"_s << int(Qt::Key_Return) << u"Anzahl"_s;
        QTest::newRow("Titel Links") << u"Titel"_s << int(Qt::Key_Left) << u"cmd3"_s;
        QTest::newRow("Ziffernblock Enter") << u"Titel"_s << int(Qt::Key_Enter) << u"Anzahl"_s;
    }
    void navigation() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.fokussieren(f.w->Text1(0));
        eingeben(u"4"_s);
        druecke(Qt::Key_Return); // "Anzahl OK": pair stage
        QCOMPARE(fokus(), f.w->Text1(1));
        f.w->Text1(1)->setText(u"3"_s); // a field left empty would call the user back
        f.w->Text1(2)->setText(u"4"_s);
        QFETCH(QString, von);
        f.fokussieren(steuerung(*f.w, von));
        QFETCH(int, taste);
        druecke(taste);
        QFETCH(QString, nach);
        QWidget* erwartet = steuerung(*f.w, nach);
        QVERIFY(erwartet);
        QCOMPARE(fokus(), erwartet);
    }

    void listenzeile_data() {
        QTest::addColumn<int>("j");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::addColumn<QString>("zeile");
        QTest::newRow("Beispiel") << 7 << 12.5 << 0.0001
                                  << u"   7       12.5000000         0.0001000"_s;
        QTest::newRow("Null") << 21 << 0.0 << -3.25 << u"  21    0.0000000E+00        -3.2500000"_s;
    }
    void listenzeile() {
        QFETCH(int, j);
        QFETCH(double, x);
        QFETCH(double, y);
        QFETCH(QString, zeile);
        QCOMPARE(tk::listenZeile(j, x, y), zeile);
    }
};

QObject* neuTextBHilfTest() {
    return new TextBHilfTest;
}

#include "TextBHilfTest.moc"
