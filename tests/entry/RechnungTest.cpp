// The calculation run: regression and prognosis results, the lock during a search,
// stopping it, and the chart buttons.

#include "calc/Format.h"
#include "tests/support/Eingabefenster.h"
#include "tests/support/QtTestLauf.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QSignalSpy>
#include <QThread>

#include <atomic>

using namespace Qt::StringLiterals;
using namespace tk::test;
using Menue = tk::frmKurvex::Menue;

class RechnungTest : public QObject {
    Q_OBJECT
private slots:
    // The typical run by keyboard alone: five pairs, the calculation, the chart button.
    void regressionTypisch() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Versuch 1"_s, FuenfPaare);
        QCOMPARE(f.w->Text1(1)->text(), u"1.0000001"_s); // kept clear of ln 1 = 0
        QCOMPARE(fokus(), f.w->cmd1(2));
        druecke(Qt::Key_Return); // "alle Eingaben OK"
        QVERIFY(std::fabs(f.z.KorrR) > 0.99);
        QVERIFY(f.w->cmd1(4)->isVisible() && !f.w->cmd1(6)->isVisible());
        QVERIFY(f.d.aufrufe.empty());

        QSignalSpy grafik(f.w.get(), &tk::frmKurvex::grafikZeigen);
        f.z.GrafikFall = 2;
        druecke(Qt::Key_Tab); // tab order: on to the chart button
        druecke(Qt::Key_Return);
        QCOMPARE(grafik.count(), 1);
        QCOMPARE(f.z.GrafikFall, 1);

        // Without a decisive model there is nothing to chart.
        f.d.antworte(tk::Antwort::Nein); // the typed set is not saved
        f.klicke(f.w->cmd1(3));          // "Neu"
        f.datensatzTippen(u"gleich"_s,
                          {{u"2"_s, u"1"_s}, {u"2"_s, u"2"_s}, {u"2"_s, u"3"_s}, {u"2"_s, u"4"_s}});
        druecke(Qt::Key_Return);
        QCOMPARE(f.z.ModellNr, 0);
        QVERIFY(!f.d.meldungen().empty()); // the failing fits were reported
        QVERIFY(!f.w->cmd1(4)->isVisible() && f.w->cmd1(5)->isVisible());
    }

    // Each case charts its own curve; a case without a decisive curve offers none.
    void prognoseFaelle_data() {
        QTest::addColumn<Textpaare>("paare");
        QTest::addColumn<bool>("summenKurve"); // a curve describes the Summenwerte
        QTest::newRow("logistisch") << logistischePaare() << true;
        QTest::newRow("ohne Einzelkurve") << Textpaare{{u"2000"_s, u"26.9"_s},
                                                       {u"2001"_s, u"37.8"_s},
                                                       {u"2002"_s, u"50"_s},
                                                       {u"2003"_s, u"62.2"_s}}
                                          << true;
        // Increments entered as if cumulative: no curve does better than their mean.
        QTest::newRow("Zuwächse als Summen")
            << Textpaare{{u"1"_s, u"5"_s},  {u"2"_s, u"12"_s}, {u"3"_s, u"25"_s},
                         {u"4"_s, u"30"_s}, {u"5"_s, u"22"_s}, {u"6"_s, u"10"_s}}
            << false;
    }
    void prognoseFaelle() {
        QFETCH(Textpaare, paare);
        QFETCH(bool, summenKurve);
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Wachstum"_s, paare);
        druecke(Qt::Key_Return);
        const auto e = f.w->ergebnis();
        const QString zeile = f.w->Label1(6)->text();
        QCOMPARE(zeile.endsWith(QString::fromStdString(tk::formatFest(e.S.r, 10))), summenKurve);
        QCOMPARE(zeile == u" Fall Summenwerte :       keine Kurve beschreibt die Werte"_s,
                 !summenKurve);
        QCOMPARE(e.S.entscheidend, summenKurve);
        QVERIFY(f.w->Label1(7)->text().endsWith(QString::fromStdString(tk::formatFest(e.E.r, 10))));
        QCOMPARE(f.w->cmd1(4)->isVisible(), e.S.entscheidend);
        QCOMPARE(f.w->cmd1(6)->isVisible(), e.E.entscheidend);
        if (!e.S.entscheidend) return;
        QCOMPARE(e.S.typ, 5);
        QCOMPARE(f.z.KorrR, e.E.r); // after the run the state holds the Einzelwerte case
        if (e.E.entscheidend) {
            f.klicke(f.w->cmd1(6));
            QVERIFY(f.z.GrafikFall == 2 && f.z.KMax == e.E.KMax);
        }
        f.klicke(f.w->cmd1(4)); // the other case, without a new calculation
        QVERIFY(f.z.GrafikFall == 1 && f.z.KMax == e.S.KMax && f.z.WertXs == e.S.Xs);
    }

    // A slow search can be stopped: by "Abbrechen" or Esc (the window stays usable and a
    // second run works), by "Beenden" (not saving stops it at once, cancelling lets it
    // run on) and by the title bar (the search ends first, then the window asks about the
    // unsaved data set). A stopped run shows no result.
    void unterbrechung_data() {
        QTest::addColumn<int>("antwort"); // -1: title bar, -2: "Abbrechen", -3: Esc
        QTest::newRow("Abbrechen") << -2;
        QTest::newRow("Esc") << -3;
        QTest::newRow("Beenden Nein") << int(tk::Antwort::Nein);
        QTest::newRow("Beenden Abbrechen") << int(tk::Antwort::Abbrechen);
        QTest::newRow("Titelleiste") << -1;
    }
    void unterbrechung() {
        QFETCH(int, antwort);
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Wachstum"_s, logistischePaare());
        const tk::Programmzustand vorher = f.z;
        QSignalSpy ende(f.w.get(), &tk::frmKurvex::beenden);
        QSignalSpy zu(f.w.get(), &tk::frmKurvex::geschlossen);
        // Each progress report takes 20 ms until the user has acted.
        std::atomic<bool> gehandelt = false;
        std::atomic<int> berichteDanach = 0;
        f.w->imRechenthread = [&](int) {
            berichteDanach += gehandelt ? 1 : 0;
            if (!gehandelt) QThread::msleep(20);
        };
        int aufrufe = 0;
        f.w->beiFortschritt = [&] {
            if (++aufrufe > 1) return;
            // Only stopping is possible during a search.
            QVERIFY(f.w->Label3()->isVisible() && !f.w->Text1(1)->isEnabled() &&
                    !f.w->List1()->isEnabled() && !f.w->cmd1(3)->isEnabled() &&
                    !f.w->menue(Menue::Oeffnen)->isEnabled());
            if (antwort == -2) {
                QTest::mouseClick(f.w->abbrechenKnopf(), Qt::LeftButton);
            } else if (antwort == -3) {
                QTest::keyClick(f.w.get(), Qt::Key_Escape);
            } else if (antwort == -1) {
                f.d.antworte(tk::Antwort::Nein); // asked once the search has ended
                QVERIFY(!f.w->close());
            } else {
                f.d.antworte(static_cast<tk::Antwort>(antwort));
                f.w->menue(Menue::Beenden)->trigger();
            }
            gehandelt = true;
        };
        druecke(Qt::Key_Return);
        QVERIFY(!f.w->rechnet() && !f.w->abbrechenKnopf()->isVisible());
        if (antwort == int(tk::Antwort::Abbrechen)) {
            QVERIFY(f.w->Label1(7)->isVisible() && f.w->ergebnis().S.entscheidend);
            return;
        }
        QCOMPARE(aufrufe, 1);         // the search stopped at once
        QVERIFY(berichteDanach <= 2); // at the next report of each case
        QVERIFY(!f.w->Label1(6)->isVisible() && !f.w->Label1(7)->isVisible());
        QVERIFY(!f.w->cmd1(4)->isVisible() && !f.w->cmd1(6)->isVisible());
        QVERIFY(f.z.KorrR == vorher.KorrR && f.z.YWert(8) == vorher.YWert(8));
        if (antwort <= -2) {
            QVERIFY(f.d.aufrufe.empty());
            f.w->beiFortschritt = {};
            f.klicke(f.w->cmd1(2)); // a second run goes to its end
            QVERIFY(f.w->Label1(7)->isVisible() && f.w->cmd1(4)->isVisible());
        } else if (antwort == -1) {
            warten();
            QCOMPARE(zu.count(), 1);
            QCOMPARE(f.d.aufrufe.size(), std::size_t(1)); // "Die Änderungen an ... speichern?"
        } else {
            QTRY_COMPARE(ende.count(), 1); // sent once the run has returned
        }
    }
};

TK_QTTEST(RechnungTest);

#include "RechnungTest.moc"
