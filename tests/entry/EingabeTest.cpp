// Count, pairs and stages of the input window, driven by the keyboard.

#include "Eingabefenster.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

using namespace Qt::StringLiterals;
using tk::test::Eingabefenster;
using tk::test::FuenfPaare;

namespace {

const QString MaxText = u"Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"_s;
const QString NullText = u"Betrag muss grösser Null sein !!"_s;
const QString MinText = u"Es müssen mindestens 4 Wertepaare eingegeben werden"_s;
const QString FrageText = u"Wollen Sie die Anzahl wirklich vergrössern : Ja oder Nein ?"_s;

QStringList texte(const std::vector<tk::test::Aufruf>& aufrufe) {
    QStringList t;
    for (const auto& a : aufrufe) t << a.text;
    return t;
}

} // namespace

class EingabeTest : public QObject {
    Q_OBJECT
private slots:
    void beschriftungNachModus_data() {
        QTest::addColumn<bool>("prognose");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("xLabel");
        QTest::addColumn<QString>("yLabel");
        QTest::addColumn<QString>("grafik");
        QTest::newRow("Regression") << false << u" Trend-Regression :  Eingabe"_s << u" Wert X1 :"_s
                                    << u" Wert Y1 :"_s << u"Grafik"_s;
        QTest::newRow("Prognose") << true << u" Trend-Prognostik :  Eingabe"_s
                                  << u" Bezugshorizont X1 :"_s << u" Messwert  K1 :"_s
                                  << u"Grafik Fall Summenwerte"_s;
    }
    void beschriftungNachModus() {
        QFETCH(bool, prognose);
        Eingabefenster f(prognose);
        QVERIFY(f.aktiv);
        auto* w = f.w.get();
        QFETCH(QString, titel);
        QCOMPARE(w->windowTitle(), titel);
        QFETCH(QString, xLabel);
        QCOMPARE(w->Label1(2)->text(), xLabel);
        QFETCH(QString, yLabel);
        QCOMPARE(w->Label1(3)->text(), yLabel);
        QFETCH(QString, grafik);
        QCOMPARE(w->cmd1(4)->text(), grafik);
        QCOMPARE(w->Label1(0)->text(), u" Bezeichnung (max. 52 Zeichen) :"_s);
        QCOMPARE(w->Label1(1)->text(), u" Anzahl Wertepaare (max. 21) :"_s);
        QCOMPARE(w->Label1(4)->text(), u" Eingabe-Korrektur erst nach         Eingabe-Ende !"_s);
        QCOMPARE(w->Label1(5)->text(), u" Liste der eingegebenen Werte :"_s);
        QCOMPARE(w->Label4()->text().at(0), QChar(169));
        QCOMPARE(f.z.Kennzahl, 1);
        // count stage: only title, count, "Anzahl OK", "Neu", "Zurück zum Start"
        QVERIFY(w->Text2()->isVisible() && w->Text1(0)->isVisible());
        QVERIFY(w->cmd1(1)->isVisible() && w->cmd1(3)->isVisible() && w->cmd1(0)->isVisible());
        for (int i : {2, 4, 5, 6})
            QVERIFY2(!w->cmd1(i)->isVisible(), qPrintable(QString::number(i)));
        QVERIFY(!w->Text1(1)->isVisible() && !w->Text1(2)->isVisible() && !w->List1()->isVisible());
    }

    void anzahlMeldungen_data() {
        QTest::addColumn<QString>("anzahl");
        QTest::addColumn<QString>("meldung"); // empty: none
        QTest::addColumn<bool>("paarStufe");
        QTest::addColumn<QString>("feldDanach");
        QTest::newRow("22 zu gross") << u"22"_s << MaxText << false << QString();
        QTest::newRow("21 erlaubt") << u"21"_s << QString() << true << u"21"_s;
        QTest::newRow("3 zu wenig") << u"3"_s << MinText << false << u"3"_s;
        QTest::newRow("4 genug") << u"4"_s << QString() << true << u"4"_s;
        QTest::newRow("0") << u"0"_s << NullText << false << u"0"_s;
        QTest::newRow("negativ") << u"-5"_s << NullText << false << u"-5"_s;
    }
    void anzahlMeldungen() {
        QFETCH(QString, anzahl);
        QFETCH(QString, meldung);
        QFETCH(bool, paarStufe);
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.fokussieren(f.w->Text1(0));
        f.eingeben(anzahl); // leaves the field: the maximum is checked here
        if (anzahl == u"22"_s)
            QCOMPARE(Eingabefenster::fokus(), f.w->Text1(0)); // called back, field emptied
        else
            Eingabefenster::druecke(Qt::Key_Return); // "Anzahl OK" where the focus went
        const auto m = f.d.meldungen();
        if (meldung.isEmpty()) {
            QVERIFY2(m.empty(), qPrintable(texte(m).join(u'|')));
        } else {
            QCOMPARE(m.size(), std::size_t(1));
            QCOMPARE(m[0].text, meldung);
            QCOMPARE(m[0].knoepfe, tk::Knoepfe::OK);
            if (meldung != MaxText) {
                QCOMPARE(m[0].titel, u"Betrag ändern"_s);
                QCOMPARE(m[0].symbol, tk::Symbol::Ausrufezeichen);
            } else {
                QCOMPARE(m[0].titel, u"Achtung"_s);
            }
        }
        QCOMPARE(f.w->Text1(1)->isVisible(), paarStufe);
        QCOMPARE(f.z.AnzahlOK, paarStufe);
        QFETCH(QString, feldDanach);
        QCOMPARE(f.w->Text1(0)->text(), feldDanach);
        // A refused count puts the user back into the count field.
        if (anzahl != u"22"_s)
            QCOMPARE(Eingabefenster::fokus(), paarStufe ? static_cast<QWidget*>(f.w->Text1(1))
                                                        : static_cast<QWidget*>(f.w->Text1(0)));
        if (anzahl == u"22"_s) QCOMPARE(f.z.AnzPaare, 0);
    }

    void vergroessern_data() {
        QTest::addColumn<QString>("neu");
        QTest::addColumn<int>("antwort"); // -1: no question expected
        QTest::addColumn<QString>("meldung");
        QTest::addColumn<int>("anzahl");
        QTest::addColumn<QString>("feld");
        QTest::newRow("6 Ja") << u"6"_s << int(tk::Antwort::Ja) << FrageText << 6 << u"6"_s;
        QTest::newRow("6 Nein") << u"6"_s << int(tk::Antwort::Nein) << FrageText << 5 << u" 5"_s;
        QTest::newRow("4 Ja") << u"4"_s << int(tk::Antwort::Ja) << FrageText << 4 << u"4"_s;
        QTest::newRow("3 verweigert") << u"3"_s << -1 << MinText << 5 << u" 5"_s;
        QTest::newRow("0 verweigert") << u"0"_s << -1 << NullText << 5 << u" 5"_s;
        QTest::newRow("gleich") << u"5"_s << -2 << QString() << 5 << u"5"_s;
    }
    void vergroessern() {
        QFETCH(QString, neu);
        QFETCH(int, antwort);
        QFETCH(int, anzahl);
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"T"_s, FuenfPaare);
        if (antwort >= 0) f.d.antworte(static_cast<tk::Antwort>(antwort));
        f.fokussieren(f.w->Text1(0));
        f.eingeben(neu);
        const auto m = f.d.meldungen();
        if (antwort == -2) {
            QVERIFY(m.empty());
        } else {
            QCOMPARE(m.size(), std::size_t(1));
            QFETCH(QString, meldung);
            QCOMPARE(m[0].text, meldung);
            if (antwort >= 0) {
                QCOMPARE(m[0].titel, u"Achtung"_s);
                QCOMPARE(m[0].knoepfe, tk::Knoepfe::JaNein);
                QCOMPARE(m[0].symbol, tk::Symbol::Frage);
            }
        }
        QCOMPARE(f.z.AnzPaare, anzahl);
        QFETCH(QString, feld);
        QCOMPARE(f.w->Text1(0)->text(), feld);
        QVERIFY(f.d.unerwartet.isEmpty());
        if (antwort == int(tk::Antwort::Ja))
            QCOMPARE(Eingabefenster::fokus(), anzahl > 5 ? static_cast<QWidget*>(f.w->Text1(1))
                                                         : static_cast<QWidget*>(f.w->cmd1(2)));
    }
};

QObject* neuEingabeTest() {
    return new EingabeTest;
}

#include "EingabeTest.moc"
