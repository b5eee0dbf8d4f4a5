// The window sequence along the user's paths: exactly one visible window, fresh
// windows, reset on return to start, program end only when confirmed.

#include "programm/Fensterfolge.h"
#include "tests/support/Eingabefenster.h"
#include "tests/support/QtTestLauf.h"

#include <QAction>
#include <QListWidget>
#include <QPointer>
#include <QSignalSpy>

using namespace Qt::StringLiterals;
using namespace tk::test;
using Fenster = tk::Fensterfolge::Fenster;

namespace {

void aufraeumen() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QList<QWidget*> sichtbareFenster() {
    QList<QWidget*> l;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) l << w;
    return l;
}

// "Beenden" confirmed at the first progress report of a prognosis run: the program
// ends only once the run has returned.
void beendenWaehrendSuche(tk::Fensterfolge& f, FakeDialoge& d) {
    QPointer<tk::frmKurvex> e = f.eingabe();
    QVERIFY(QTest::qWaitForWindowActive(e));
    datensatzTippen(*e, u"Wachstum"_s, logistischePaare());
    QSignalSpy ende(&f, &tk::Fensterfolge::programmEnde);
    bool rechnetBeimEnde = true;
    const auto verbindung = QObject::connect(&f, &tk::Fensterfolge::programmEnde,
                                             [&] { rechnetBeimEnde = e && e->rechnet(); });
    int berichte = 0;
    e->beiFortschritt = [&] {
        if (berichte++ > 0) return;
        d.antworte(tk::Antwort::Nein); // do not save the typed data set
        e->menue(tk::frmKurvex::Menue::Beenden)->trigger();
    };
    QTest::mouseClick(e->cmd1(2), Qt::LeftButton);
    QVERIFY(berichte <= 2); // the search ended at the next report
    QTRY_COMPARE(ende.count(), 1);
    QObject::disconnect(verbindung);
    QVERIFY(!rechnetBeimEnde);
    aufraeumen();
    QVERIFY(!e);
}

// Steps: p, r choose a mode in the start window; ja, nein, abbr answer the next question;
// ende presses "Ende" or "Beenden"; x closes the visible window; tippen types the
// typical data set; rechnen, grafik press those buttons; eingabe, start go back
// from the chart (start also from the input window); suche ends during a search.
void schritt(tk::Fensterfolge& f, FakeDialoge& d, const QString& wort) {
    if (wort == u"p"_s || wort == u"r"_s) {
        QVERIFY(QTest::qWaitForWindowActive(f.start()));
        QPushButton* k = f.start()->cmd1(wort == u"p"_s ? 0 : 1);
        k->setFocus();
        QTest::keyClick(k, Qt::Key_Return);
    } else if (wort == u"ja"_s || wort == u"nein"_s || wort == u"abbr"_s) {
        d.antworte(wort == u"ja"_s     ? tk::Antwort::Ja
                   : wort == u"nein"_s ? tk::Antwort::Nein
                                       : tk::Antwort::Abbrechen);
    } else if (wort == u"ende"_s && f.aktuell() == Fenster::Start) {
        QTest::mouseClick(f.start()->cmd1(2), Qt::LeftButton);
    } else if (wort == u"ende"_s && f.aktuell() == Fenster::Grafik) {
        f.grafik()->findChild<QAction*>(u"mnuEnde"_s)->trigger();
    } else if (wort == u"ende"_s) {
        f.eingabe()->menue(tk::frmKurvex::Menue::Beenden)->trigger();
    } else if (wort == u"x"_s) {
        f.sichtbar()->close();
    } else if (wort == u"tippen"_s) {
        QVERIFY(QTest::qWaitForWindowActive(f.eingabe()));
        datensatzTippen(*f.eingabe(), u"Reihe"_s, FuenfPaare);
    } else if (wort == u"rechnen"_s || wort == u"grafik"_s) {
        QTest::mouseClick(f.eingabe()->cmd1(wort == u"rechnen"_s ? 2 : 4), Qt::LeftButton);
    } else if (wort == u"eingabe"_s) {
        emit f.grafik()->zurueckZurEingabe();
    } else if (wort == u"start"_s && f.aktuell() == Fenster::Grafik) {
        f.grafik()->findChild<QPushButton*>(u"cmd1_0"_s)->click();
    } else if (wort == u"start"_s) {
        QTest::mouseClick(f.eingabe()->cmd1(0), Qt::LeftButton);
    } else if (wort == u"suche"_s) {
        beendenWaehrendSuche(f, d);
    } else {
        QFAIL(qPrintable(u"unbekannter Schritt "_s + wort));
    }
    aufraeumen();
}

} // namespace

class FensterfolgeTest : public QObject {
    Q_OBJECT
private slots:
    void weg_data() {
        QTest::addColumn<QString>("datei"); // given on the command line
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<int>("fenster");   // the one visible, Keins after the end
        QTest::addColumn<int>("meldungen"); // shown in all
        QTest::addColumn<int>("paare");     // of the data set
        QTest::addColumn<bool>("prognose");
        const int start = int(Fenster::Start), eingabe = int(Fenster::Eingabe);
        const int grafik = int(Fenster::Grafik), keins = int(Fenster::Keins);
        const QString b = QStringLiteral(TK_BEISPIELE "/");
        const auto weg = [](const char* name, const QString& datei, const char* schritte,
                            int fenster, int meldungen, int paare, bool prognose) {
            QTest::newRow(name) << datei << QString::fromUtf8(schritte) << fenster << meldungen
                                << paare << prognose;
        };
        weg("Start", {}, "", start, 0, 0, false);
        weg("Prognostik", {}, "p", eingabe, 0, 0, true);
        weg("Datei rgr", b + u"umsatz-linear.rgr"_s, "", eingabe, 0, 10, false);
        weg("Datei pro", b + u"absatz-logistisch.pro"_s, "", eingabe, 0, 8, true);
        weg("Datei fehlt", u"/nicht/da.pro"_s, "", start, 1, 0, false);
        weg("Datei Endung", b + u"../README.md"_s, "", start, 1, 0, false);
        // Back to start gives up the data set and its results.
        weg("zurück zum Start", {}, "r tippen rechnen nein start", start, 1, 0, false);
        weg("neu nach Start", {}, "r tippen rechnen nein start p", eingabe, 1, 0, true);
        weg("Start Abbrechen", {}, "r tippen abbr start", eingabe, 1, 5, false);
        // The chart window hides the input window, which keeps its results.
        weg("Grafik", {}, "r tippen rechnen grafik", grafik, 0, 5, false);
        weg("Grafik Titelleiste", {}, "r tippen rechnen grafik x", eingabe, 0, 5, false);
        weg("Grafik zurück", {}, "r tippen rechnen grafik eingabe", eingabe, 0, 5, false);
        weg("Grafik Start", {}, "r tippen rechnen grafik nein start", start, 1, 0, false);
        weg("Grafik Start Abbrechen", {}, "r tippen rechnen grafik abbr start", grafik, 1, 5,
            false);
        // With changes the end asks only whether to save them.
        weg("Grafik Ende geändert", {}, "r tippen rechnen grafik nein ende", keins, 1, 5, false);
        weg("Eingabe x geändert", {}, "r tippen abbr x", eingabe, 1, 5, false);
        // Ending asks (and nothing else); the title bar ends at once.
        weg("Start Nein", {}, "nein ende", start, 1, 0, false);
        weg("Start Ja", {}, "ja ende", keins, 1, 0, false);
        weg("Start x", {}, "x", keins, 0, 0, false);
        weg("Eingabe Nein", {}, "r nein ende", eingabe, 1, 0, false);
        weg("Eingabe Ja", {}, "r ja ende", keins, 1, 0, false);
        weg("Eingabe x", {}, "r x", keins, 0, 0, false);
        weg("während der Suche", {}, "p suche", keins, 1, 8, true);
    }
    void weg() {
        QFETCH(QString, datei);
        QFETCH(QString, schritte);
        FakeDialoge d;
        tk::Fensterfolge f(d);
        QSignalSpy programmEnde(&f, &tk::Fensterfolge::programmEnde);
        f.starten(datei.toStdString());
        aufraeumen();
        for (const QString& wort : schritte.split(u' ', Qt::SkipEmptyParts)) {
            schritt(f, d, wort);
            if (QTest::currentTestFailed()) return;
        }
        QFETCH(int, fenster);
        QCOMPARE(int(f.aktuell()), fenster);
        QCOMPARE(programmEnde.count(), fenster == int(Fenster::Keins) ? 1 : 0);
        const QList<QWidget*> sichtbar =
            f.sichtbar() ? QList<QWidget*>{f.sichtbar()} : QList<QWidget*>{};
        QCOMPARE(sichtbareFenster(), sichtbar);
        QFETCH(int, meldungen);
        QCOMPARE(int(d.meldungen().size()), meldungen);
        // A file given at start is named in what is said about it.
        if (meldungen > 0 && !datei.isEmpty()) QVERIFY(d.meldungen().back().text.contains(datei));
        QVERIFY(d.unerwartet.isEmpty());
        QFETCH(int, paare);
        QCOMPARE(f.zustand().AnzPaare, paare);
        QFETCH(bool, prognose);
        QCOMPARE(f.zustand().ModusPrognostik, prognose);
        if (fenster == int(Fenster::Start)) {
            QCOMPARE(f.zustand().KorrR, 0.0);
            QVERIFY(!f.zustand().AnzahlOK && f.zustand().DateiName.empty());
        } else if (fenster == int(Fenster::Eingabe)) {
            QCOMPARE(f.eingabe()->List1()->count(), paare);
            QCOMPARE(f.eingabe()->cmd1(4)->isVisible(), schritte.contains(u"grafik"_s));
            if (!datei.isEmpty()) QCOMPARE(f.zustand().DateiName, datei.toStdString());
        }
    }
};

TK_QTTEST(FensterfolgeTest);

#include "FensterfolgeTest.moc"
