// The calculation run: regression and prognosis results, the elapsed-time display,
// the lock during a search and the chart buttons.

#include "Eingabefenster.h"
#include "Format.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QThread>

#include <atomic>
#include <cmath>

using namespace Qt::StringLiterals;
using tk::test::Eingabefenster;

namespace {

const QString ZeileS = u" Fall Summenwerte :       r = "_s;
const QString ZeileE = u" Fall Einzelwerte :            r = "_s;

// A logistic growth series: the Summenwerte search needs about a thousand steps.
std::vector<std::pair<QString, QString>> logistischePaare() {
    std::vector<std::pair<QString, QString>> p;
    for (int x = 1; x <= 8; ++x)
        p.emplace_back(QString::number(x),
                       QString::number(100 / (1 + std::exp(-(x - 5.0))), 'f', 6));
    return p;
}

QString zeile(const QString& vorsilbe, double r) {
    return vorsilbe + QString::fromStdString(tk::formatFest(r, 10));
}

} // namespace

class RechnungTest : public QObject {
    Q_OBJECT
private slots:
    // The typical run by keyboard alone: five pairs, the calculation, the chart button.
    void regressionTypisch() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Versuch 1"_s, tk::test::FuenfPaare);
        QCOMPARE(f.z.Bezeichnung, std::string("Versuch 1"));
        QCOMPARE(f.z.AnzPaare, 5);
        QVERIFY(f.z.AnzahlOK);
        QVERIFY(qAbs(f.z.EingabeY(3) - 6.2) < 1e-12);
        QVERIFY(qAbs(f.z.YWert(5) - 10.1) < 1e-12);
        QVERIFY(qAbs(f.z.EingabeX(1) - 1.0000001) < 1e-12); // kept clear of ln 1 = 0
        // all pairs entered: the labels and the X field show pair 1
        QCOMPARE(f.w->Label1(2)->text(), u" Wert X1 :"_s);
        QCOMPARE(f.w->Text1(1)->text(), u"1.0000001"_s);
        QCOMPARE(Eingabefenster::fokus(), f.w->cmd1(2));
        Eingabefenster::druecke(Qt::Key_Return); // "alle Eingaben OK"
        QVERIFY(f.z.ModellNr != 0);
        QVERIFY(std::fabs(f.z.KorrR) > 0.99);
        QVERIFY(f.w->cmd1(4)->isVisible());
        QVERIFY(!f.w->cmd1(6)->isVisible());
        QVERIFY(!f.w->Label1(6)->isVisible() && !f.w->Label1(7)->isVisible());
        QVERIFY(f.w->cmd1(5)->isVisible());
        QVERIFY(!f.w->KorrekturModus());
        QVERIFY(f.d.aufrufe.empty());

        QSignalSpy grafik(f.w.get(), &tk::frmKurvex::grafikZeigen);
        const double r = f.z.KorrR;
        f.z.GrafikFall = 2;
        Eingabefenster::druecke(Qt::Key_Tab); // tab order: on to the chart button
        QCOMPARE(Eingabefenster::fokus(), f.w->cmd1(4));
        Eingabefenster::druecke(Qt::Key_Return);
        QCOMPARE(grafik.count(), 1);
        QCOMPARE(f.z.GrafikFall, 1);
        QCOMPARE(f.z.KorrR, r); // nothing copied in regression mode
    }

    void regressionOhneModellOhneGrafik() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"gleich"_s,
                          {{u"2"_s, u"1"_s}, {u"2"_s, u"2"_s}, {u"2"_s, u"3"_s}, {u"2"_s, u"4"_s}});
        f.d.okAutomatisch = true;
        Eingabefenster::druecke(Qt::Key_Return);
        QCOMPARE(f.z.ModellNr, 0);
        QVERIFY(!f.d.meldungen().empty()); // the failing fits were reported
        QVERIFY(!f.w->cmd1(4)->isVisible());
        QVERIFY(f.w->cmd1(5)->isVisible());
    }

    void prognoseBeideFaelle() {
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Wachstum"_s, logistischePaare());
        Eingabefenster::druecke(Qt::Key_Return);
        const auto& e = f.w->ergebnis();
        QVERIFY(e.S.entscheidend);
        QCOMPARE(e.S.typ, 5);
        QVERIFY(std::fabs(e.S.r - 1) < 1e-6);
        QVERIFY(f.w->Label1(6)->isVisible() && f.w->Label1(7)->isVisible());
        QCOMPARE(f.w->Label1(6)->text(), zeile(ZeileS, e.S.r));
        QCOMPARE(f.w->Label1(7)->text(), zeile(ZeileE, e.E.r));
        const QRegularExpression zehn(u"r = -?\\d\\.\\d{10}$"_s);
        QVERIFY(zehn.match(f.w->Label1(6)->text()).hasMatch());
        QVERIFY(zehn.match(f.w->Label1(7)->text()).hasMatch());
        QCOMPARE(f.w->cmd1(4)->isVisible(), e.S.entscheidend);
        QCOMPARE(f.w->cmd1(6)->isVisible(), e.E.entscheidend);
        QVERIFY(!f.w->Label3()->isVisible());
        QVERIFY(f.w->cmd1(5)->isVisible());
        QCOMPARE(Eingabefenster::fokus(), f.w->cmd1(2)); // the focus stays on the button
        // after the run the state holds the Einzelwerte case
        QCOMPARE(f.z.KorrR, e.E.r);

        QSignalSpy grafik(f.w.get(), &tk::frmKurvex::grafikZeigen);
        if (e.E.entscheidend) {
            f.klicke(f.w->cmd1(6));
            QCOMPARE(f.z.GrafikFall, 2);
            QCOMPARE(f.z.KMax, e.E.KMax);
        }
        f.klicke(f.w->cmd1(4)); // the other case, without a new calculation
        QCOMPARE(f.z.GrafikFall, 1);
        QCOMPARE(f.z.KMax, e.S.KMax);
        QCOMPARE(f.z.KurvenTyp, 5);
        QCOMPARE(f.z.WertXs, e.S.Xs);
        QCOMPARE(grafik.count(), e.E.entscheidend ? 2 : 1);
    }

    void prognoseOhneEntscheidendeKurve() {
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        // The first cumulative value is 0 once the negative K is shifted.
        f.datensatzTippen(
            u"negativ"_s,
            {{u"1"_s, u"-2"_s}, {u"2"_s, u"3"_s}, {u"3"_s, u"4"_s}, {u"4"_s, u"9"_s}});
        Eingabefenster::druecke(Qt::Key_Return);
        const auto& e = f.w->ergebnis();
        QVERIFY(!e.S.entscheidend);
        QVERIFY(!f.w->cmd1(4)->isVisible());
        QCOMPARE(f.w->Label1(6)->text(), ZeileS + u"0.0000000000"_s);
        QVERIFY(!f.d.meldungen().empty());
        QVERIFY(!f.w->Label3()->isVisible());
    }

    void zeitanzeigeUndSperre() {
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"Wachstum"_s, logistischePaare());
        QStringList anzeigen;
        int aufrufe = 0;
        bool gesperrt = true;
        std::atomic<int> berichte = 0;
        f.w->imRechenthread = [&](int fall) {
            // a slow Summenwerte search: a second passes in its first type
            if (fall == 0 && berichte++ == 0) QThread::msleep(1100);
        };
        f.w->beiFortschritt = [&] {
            ++aufrufe;
            if (!f.w->Label3()->isVisible()) gesperrt = false;
            anzeigen << f.w->Label3()->text();
            gesperrt = gesperrt && !f.w->Text1(1)->isEnabled() && !f.w->Text1(0)->isEnabled() &&
                       !f.w->List1()->isEnabled() && !f.w->cmd1(3)->isEnabled() &&
                       !f.w->cmd1(0)->isEnabled() &&
                       !f.w->menue(tk::frmKurvex::Menue::Oeffnen)->isEnabled() &&
                       f.w->menue(tk::frmKurvex::Menue::Beenden)->isEnabled();
        };
        Eingabefenster::druecke(Qt::Key_Return);
        QVERIFY(aufrufe >= 2);
        QVERIFY(gesperrt);
        QVERIFY2(anzeigen.contains(u"Berechnung Summenwerte:  1 Sek."_s),
                 qPrintable(anzeigen.join(u'|')));
        const QRegularExpression muster(u"^Berechnung (Summen|Einzel)werte:  \\d+ Sek\\.$"_s);
        for (const QString& a : anzeigen) QVERIFY2(muster.match(a).hasMatch(), qPrintable(a));
        // afterwards everything can be used again
        QVERIFY(f.w->Text1(1)->isEnabled() &&
                f.w->menue(tk::frmKurvex::Menue::Oeffnen)->isEnabled());
    }

    // A slow search can be stopped: by "Abbrechen" (the window stays usable and a second
    // run works), by "Beenden" (Yes stops it at once, No lets it run on) and by the
    // title bar (the search ends first, unasked). A stopped run shows no result.
    void unterbrechung_data() {
        QTest::addColumn<int>("antwort"); // -1: title bar, -2: "Abbrechen"
        QTest::newRow("Abbrechen") << -2;
        QTest::newRow("Beenden Ja") << int(tk::Antwort::Ja);
        QTest::newRow("Beenden Nein") << int(tk::Antwort::Nein);
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
        bool geschlossenWaehrendSuche = false;
        f.w->beiFortschritt = [&] {
            if (++aufrufe > 1) return;
            QVERIFY(f.w->abbrechenKnopf()->isVisible());
            if (antwort == -2) {
                QTest::mouseClick(f.w->abbrechenKnopf(), Qt::LeftButton);
            } else if (antwort == -1) {
                geschlossenWaehrendSuche = f.w->close();
            } else {
                f.d.antworte(static_cast<tk::Antwort>(antwort));
                f.w->menue(tk::frmKurvex::Menue::Beenden)->trigger();
            }
            gehandelt = true;
        };
        Eingabefenster::druecke(Qt::Key_Return);
        QVERIFY(!f.w->rechnet());
        QVERIFY(!f.w->Label3()->isVisible() && !f.w->abbrechenKnopf()->isVisible());
        if (antwort == int(tk::Antwort::Nein)) {
            QVERIFY(aufrufe > 1);
            QVERIFY(f.w->Label1(7)->isVisible());
            QVERIFY(f.w->ergebnis().S.entscheidend);
            return;
        }
        QCOMPARE(aufrufe, 1);         // the search stopped at once
        QVERIFY(berichteDanach <= 2); // at the next report of each case
        QVERIFY(!f.w->Label1(6)->isVisible() && !f.w->Label1(7)->isVisible());
        QVERIFY(!f.w->cmd1(4)->isVisible() && !f.w->cmd1(6)->isVisible());
        QVERIFY(f.z.KorrR == vorher.KorrR && f.z.YWert(8) == vorher.YWert(8));
        if (antwort == -2) {
            QVERIFY(f.d.aufrufe.empty());
            QVERIFY(f.w->Text1(1)->isEnabled() && f.w->cmd1(2)->isEnabled());
            f.w->beiFortschritt = {};
            f.klicke(f.w->cmd1(2)); // a second run goes to its end
            QVERIFY(f.w->ergebnis().S.entscheidend);
            QVERIFY(f.w->Label1(7)->isVisible() && f.w->cmd1(4)->isVisible());
        } else if (antwort == -1) {
            QVERIFY(!geschlossenWaehrendSuche);
            Eingabefenster::warten();
            QCOMPARE(zu.count(), 1);
            QVERIFY(!f.w->isVisible());
            QVERIFY(f.d.aufrufe.empty()); // no confirmation through the title bar
        } else {
            QTRY_COMPARE(ende.count(), 1); // sent once the run has returned
        }
    }
};

QObject* neuRechnungTest() {
    return new RechnungTest;
}

#include "RechnungTest.moc"
