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
        QTest::newRow("keine Zahl") << u"."_s << NullText << false << u"."_s;
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
        if (antwort == int(tk::Antwort::Ja)) {
            QVERIFY(f.w->KorrekturModus());
            QCOMPARE(f.w->KorrekturIndex(), anzahl);
            QCOMPARE(f.w->Label1(2)->text(), u" Wert X"_s + QString::number(anzahl) + u" :"_s);
            QCOMPARE(f.w->Label1(3)->text(), u" Wert Y"_s + QString::number(anzahl) + u" :"_s);
            QCOMPARE(Eingabefenster::fokus(), f.w->Text1(1));
            QVERIFY(f.w->Text1(1)->text().isEmpty());
            f.eingeben(u"7"_s);
            f.eingeben(u"9.5"_s);
            QVERIFY(qAbs(f.z.EingabeX(anzahl) - 7) < 1e-12);
            QVERIFY(qAbs(f.z.EingabeY(anzahl) - 9.5) < 1e-12);
            QCOMPARE(f.w->List1()->count(), anzahl);
            QVERIFY(f.w->List1()->item(anzahl - 1)->text().contains(u"9.5000000"_s));
        }
    }

    void anzahlVorBestaetigungFragtNicht() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.fokussieren(f.w->Text1(0));
        f.eingeben(u"5"_s);
        f.fokussieren(f.w->Text1(0));
        f.eingeben(u"7"_s);
        QVERIFY(f.d.aufrufe.empty());
        QCOMPARE(f.z.AnzPaare, 7);
    }

    // The labels follow the pair being entered; an empty Y asks for the pair again.
    void yLeerWiederholtPaar() {
        Eingabefenster g(true);
        QVERIFY(g.aktiv);
        g.fokussieren(g.w->Text1(0));
        g.eingeben(u"4"_s);
        Eingabefenster::druecke(Qt::Key_Return);
        g.eingeben(u"3"_s); // X of pair 1
        g.w->Text1(2)->clear();
        Eingabefenster::druecke(Qt::Key_Return); // Y left empty
        QCOMPARE(g.w->EingabeIndex(), 0);
        QCOMPARE(Eingabefenster::fokus(), g.w->Text1(1));
        QCOMPARE(g.w->Label1(2)->text(), u" Bezugshorizont X1 :"_s);
        g.eingeben(u"3"_s);
        g.eingeben(u"4"_s);
        QCOMPARE(g.w->EingabeIndex(), 1);
        QCOMPARE(g.w->List1()->count(), 1);
        QVERIFY(qAbs(g.z.EingabeY(1) - 4) < 1e-12);
        QCOMPARE(g.w->Label1(2)->text(), u" Bezugshorizont X2 :"_s);
        QCOMPARE(g.w->Label1(3)->text(), u" Messwert  K2 :"_s);
        QCOMPARE(Eingabefenster::fokus(), g.w->Text1(1));
    }

    void xLeerNimmtNurEigenenSchrittZurueck() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.fokussieren(f.w->Text1(0));
        f.eingeben(u"4"_s);
        Eingabefenster::druecke(Qt::Key_Return);
        Eingabefenster::druecke(Qt::Key_Return); // X empty: stays on pair 1
        QCOMPARE(f.w->EingabeIndex(), 0);
        QCOMPARE(Eingabefenster::fokus(), f.w->Text1(1));
        f.eingeben(u"2"_s);                  // X of pair 1 -> Y
        Eingabefenster::druecke(Qt::Key_Up); // back to X without a Y
        QCOMPARE(Eingabefenster::fokus(), f.w->Text1(1));
        f.w->Text1(1)->clear();
        Eingabefenster::druecke(Qt::Key_Return); // empty again: the counter never drops below 0
        QCOMPARE(f.w->EingabeIndex(), 0);
        f.eingeben(u"2"_s);
        Eingabefenster::druecke(Qt::Key_Up); // back and forth does not skip a pair
        f.eingeben(u"2.5"_s);
        QCOMPARE(f.w->EingabeIndex(), 1);
        f.w->Text1(2)->clear();
        f.eingeben(u"8"_s);
        QCOMPARE(f.w->EingabeIndex(), 1);
        QCOMPARE(f.w->List1()->count(), 1);
        QVERIFY(qAbs(f.z.EingabeX(1) - 2.5) < 1e-12);
        QVERIFY(qAbs(f.z.EingabeY(1) - 8) < 1e-12);

        // X of pair 2 left twice (the title in between): still pair 2
        QTest::keyClicks(f.w->Text1(1), u"3"_s);
        f.fokussieren(f.w->Text2());
        QCOMPARE(f.w->EingabeIndex(), 2);
        f.fokussieren(f.w->Text1(1));
        f.eingeben(u"3.5"_s);
        QCOMPARE(f.w->EingabeIndex(), 2);
        f.eingeben(u"9"_s);
        QCOMPARE(f.w->List1()->count(), 2);
        QVERIFY(qAbs(f.z.EingabeX(2) - 3.5) < 1e-12);
        QVERIFY(qAbs(f.z.EingabeY(2) - 9) < 1e-12);
    }

    void titel() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.fokussieren(f.w->Text2());
        const QString lang = QString(60, u'x');
        QTest::keyClicks(f.w->Text2(), lang);
        Eingabefenster::druecke(Qt::Key_Return);
        QCOMPARE(f.w->Text2()->text(), lang); // Enter inserts nothing
        QCOMPARE(Eingabefenster::fokus(), f.w->Text1(0));
        QCOMPARE(f.z.Bezeichnung, std::string(52, 'x'));
    }

    void neu() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Alt"_s, FuenfPaare);
        f.z.Kennzahl = 7;
        f.z.KorrR = 0.9;
        f.klicke(f.w->cmd1(3));
        QCOMPARE(f.z.Kennzahl, 1);
        QCOMPARE(f.z.AnzPaare, 0);
        QCOMPARE(f.z.KorrR, 0.0);
        QVERIFY(!f.z.AnzahlOK);
        QVERIFY(f.z.Bezeichnung.empty());
        QVERIFY(f.w->Text2()->text().isEmpty());
        QVERIFY(f.w->Text1(0)->text().isEmpty());
        QVERIFY(!f.w->List1()->isVisible());
        QVERIFY(!f.w->cmd1(5)->isVisible());
        QCOMPARE(f.w->List1()->count(), 0);
        QCOMPARE(Eingabefenster::fokus(), f.w->Text2());
        // the menu entry does the same
        f.datensatzTippen(u"Wieder"_s, FuenfPaare);
        f.w->menue(tk::frmKurvex::Menue::Neu)->trigger();
        Eingabefenster::warten();
        QCOMPARE(f.z.AnzPaare, 0);
        QVERIFY(!f.w->Text1(1)->isVisible());
    }
};

QObject* neuEingabeTest() {
    return new EingabeTest;
}

#include "EingabeTest.moc"
