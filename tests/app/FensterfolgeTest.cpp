// The window sequence: one visible window, fresh windows, reset on return to start,
// program end.

#include "Fensterfolge.h"
#include "FakeDialoge.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <cmath>
#include <vector>

using namespace Qt::StringLiterals;
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

// A data set typed into the input window; by default the regression set of the
// typical run.
void datensatzTippen(tk::frmKurvex& w, const std::vector<double>& y = {2.1, 3.9, 6.2, 7.8, 10.1}) {
    auto tippen = [](QLineEdit* f, const QString& t) {
        f->setFocus();
        QCoreApplication::processEvents();
        QTest::keyClicks(f, t);
        QTest::keyClick(f, Qt::Key_Return);
        QCoreApplication::processEvents();
    };
    tippen(w.Text2(), u"Reihe"_s);
    tippen(w.Text1(0), QString::number(y.size()));
    QTest::mouseClick(w.cmd1(1), Qt::LeftButton);
    QCoreApplication::processEvents();
    for (std::size_t i = 0; i < y.size(); ++i) {
        tippen(w.Text1(1), QString::number(static_cast<int>(i) + 1));
        tippen(w.Text1(2), QString::number(y[i]));
    }
}

} // namespace

class FensterfolgeTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { aufraeumen(); }

    void startetMitStartfenster() {
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        f.starten();
        QCOMPARE(f.aktuell(), Fenster::Start);
        QCOMPARE(sichtbareFenster(), QList<QWidget*>{f.start()});
    }

    // The mode is chosen with the keyboard alone; the start window makes way.
    void modusWahlOeffnetEingabe_data() {
        QTest::addColumn<int>("knopf");
        QTest::addColumn<bool>("prognose");
        QTest::addColumn<QString>("titel");
        QTest::newRow("Prognostik") << 0 << true << u" Trend-Prognostik :  Eingabe"_s;
        QTest::newRow("Regression") << 1 << false << u" Trend-Regression :  Eingabe"_s;
    }
    void modusWahlOeffnetEingabe() {
        QFETCH(int, knopf);
        QFETCH(bool, prognose);
        QFETCH(QString, titel);
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        f.zustand().ModusPrognostik = !prognose;
        f.starten();
        QVERIFY(QTest::qWaitForWindowActive(f.start()));
        f.start()->cmd1(knopf)->setFocus();
        QTest::keyClick(f.start()->cmd1(knopf), Qt::Key_Return);
        aufraeumen();
        QCOMPARE(f.aktuell(), Fenster::Eingabe);
        QCOMPARE(f.zustand().ModusPrognostik, prognose);
        QVERIFY(!f.start()); // unloaded
        QCOMPARE(sichtbareFenster(), QList<QWidget*>{f.eingabe()});
        QCOMPARE(f.eingabe()->windowTitle(), titel);
        QVERIFY(d.aufrufe.empty());
    }

    // A file given on the command line: its mode's input window, or a message and
    // the start window.
    void startetMitDatei_data() {
        QTest::addColumn<QString>("datei");
        QTest::addColumn<bool>("prognose");
        QTest::addColumn<int>("paare"); // 0: the file is refused
        const QString b = QStringLiteral(TK_BEISPIELE "/");
        QTest::newRow("rgr") << b + u"umsatz-linear.rgr"_s << false << 10;
        QTest::newRow("pro") << b + u"absatz-logistisch.pro"_s << true << 8;
        QTest::newRow("fehlt") << u"/nicht/da.pro"_s << false << 0;
        QTest::newRow("Endung") << b + u"../README.md"_s << false << 0;
    }
    void startetMitDatei() {
        QFETCH(QString, datei);
        QFETCH(bool, prognose);
        QFETCH(int, paare);
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        f.starten(datei.toStdString());
        aufraeumen();
        QCOMPARE(d.aufrufe.size(), paare ? 0u : 1u);
        QCOMPARE(f.aktuell(), paare ? Fenster::Eingabe : Fenster::Start);
        QCOMPARE(sichtbareFenster().size(), 1);
        QCOMPARE(f.zustand().AnzPaare, paare);
        if (!paare) return;
        QCOMPARE(f.zustand().ModusPrognostik, prognose);
        QCOMPARE(f.zustand().DateiName, datei.toStdString());
        QCOMPARE(f.eingabe()->List1()->count(), paare);
    }

    void zurueckZumStartSetztAllesZurueck() {
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        f.starten();
        QTest::mouseClick(f.start()->cmd1(1), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(f.eingabe()));
        datensatzTippen(*f.eingabe());
        QTest::mouseClick(f.eingabe()->cmd1(2), Qt::LeftButton); // calculate
        QCOMPARE(f.zustand().AnzPaare, 5);
        QVERIFY(f.zustand().ModellNr != 0);
        f.zustand().DateiName = "/tmp/alt.rgr";

        QTest::mouseClick(f.eingabe()->cmd1(0), Qt::LeftButton); // "Zurück zum Start"
        aufraeumen();
        QCOMPARE(f.aktuell(), Fenster::Start);
        QVERIFY(!f.eingabe());
        QCOMPARE(sichtbareFenster(), QList<QWidget*>{f.start()});
        QCOMPARE(f.zustand().AnzPaare, 0);
        QCOMPARE(f.zustand().KorrR, 0.0);
        QVERIFY(!f.zustand().AnzahlOK);

        // the other mode: an empty input window with the prognosis captions
        QTest::mouseClick(f.start()->cmd1(0), Qt::LeftButton);
        aufraeumen();
        tk::frmKurvex* e = f.eingabe();
        QVERIFY(e);
        QCOMPARE(e->windowTitle(), u" Trend-Prognostik :  Eingabe"_s);
        QCOMPARE(e->Label1(2)->text(), u" Bezugshorizont X1 :"_s);
        QVERIFY(e->Text2()->text().isEmpty() && e->Text1(0)->text().isEmpty());
        QCOMPARE(e->List1()->count(), 0);
        QVERIFY(!e->Text1(1)->isVisible());
        QVERIFY(f.zustand().Bezeichnung.empty());
        QVERIFY(f.zustand().DateiName.empty());
        QCOMPARE(f.zustand().ModellNr, 0);
        QCOMPARE(f.zustand().Kennzahl, 1);
        QVERIFY(d.aufrufe.empty());
    }

    // "Ende"/"Beenden" asks (and nothing else, no save prompt); the title bar ends
    // at once.
    void beenden_data() {
        QTest::addColumn<bool>("ausEingabe");
        QTest::addColumn<int>("antwort"); // -1: closed by the title bar
        QTest::addColumn<bool>("ende");
        QTest::newRow("Start Nein") << false << int(tk::Antwort::Nein) << false;
        QTest::newRow("Start Ja") << false << int(tk::Antwort::Ja) << true;
        QTest::newRow("Start Titelleiste") << false << -1 << true;
        QTest::newRow("Eingabe Nein") << true << int(tk::Antwort::Nein) << false;
        QTest::newRow("Eingabe Ja") << true << int(tk::Antwort::Ja) << true;
        QTest::newRow("Eingabe Titelleiste") << true << -1 << true;
    }
    void beenden() {
        QFETCH(bool, ausEingabe);
        QFETCH(int, antwort);
        QFETCH(bool, ende);
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        QSignalSpy programmEnde(&f, &tk::Fensterfolge::programmEnde);
        f.starten();
        if (ausEingabe) {
            QTest::mouseClick(f.start()->cmd1(1), Qt::LeftButton);
            aufraeumen();
        }
        QWidget* vorher = f.sichtbar();
        if (antwort < 0)
            QVERIFY(vorher->close());
        else if (d.antworte(static_cast<tk::Antwort>(antwort)); ausEingabe)
            f.eingabe()->menue(tk::frmKurvex::Menue::Beenden)->trigger();
        else
            QTest::mouseClick(f.start()->cmd1(2), Qt::LeftButton);
        aufraeumen();
        QCOMPARE(programmEnde.count(), ende ? 1 : 0);
        if (ende) {
            QVERIFY(sichtbareFenster().isEmpty());
            QCOMPARE(f.aktuell(), Fenster::Keins);
        } else {
            QCOMPARE(sichtbareFenster(), QList<QWidget*>{vorher});
        }
        QCOMPARE(d.meldungen().size(), std::size_t(antwort < 0 ? 0 : 1));
    }

    // "Beenden" during a search, from the progress report or from the event loop the
    // search keeps running: the program ends only after the run has returned.
    void beendenWaehrendSuche_data() {
        QTest::addColumn<bool>("ausTimer");
        QTest::newRow("Fortschritt") << false;
        QTest::newRow("Ereignisschleife") << true;
    }
    void beendenWaehrendSuche() {
        QFETCH(bool, ausTimer);
        tk::test::FakeDialoge d;
        tk::Fensterfolge f(d);
        QSignalSpy programmEnde(&f, &tk::Fensterfolge::programmEnde);
        f.starten();
        QTest::mouseClick(f.start()->cmd1(0), Qt::LeftButton); // prognosis
        QVERIFY(QTest::qWaitForWindowActive(f.eingabe()));
        std::vector<double> k;
        for (int x = 1; x <= 8; ++x)
            k.push_back(std::round(1e6 * 100 / (1 + std::exp(5.0 - x))) / 1e6);
        datensatzTippen(*f.eingabe(), k);
        QPointer<tk::frmKurvex> e = f.eingabe();
        bool rechnetBeimEnde = true;
        connect(&f, &tk::Fensterfolge::programmEnde, this,
                [&] { rechnetBeimEnde = e && e->rechnet(); });
        auto beenden = [&] {
            d.antworte(tk::Antwort::Ja);
            e->menue(tk::frmKurvex::Menue::Beenden)->trigger();
        };
        int meldungen = 0;
        int nachBeenden = -1;
        e->beiFortschritt = [&] {
            ++meldungen;
            if (meldungen > 1) return;
            if (!ausTimer) {
                beenden();
                nachBeenden = meldungen;
                return;
            }
            // Fires inside the processEvents of the next progress report.
            QTimer::singleShot(0, e, [&] {
                beenden();
                nachBeenden = meldungen;
                QVERIFY(e); // still there while the search is on the stack
                QCOMPARE(programmEnde.count(), 0);
            });
            QThread::msleep(20);
        };
        QTest::mouseClick(e->cmd1(2), Qt::LeftButton);
        QVERIFY(nachBeenden > 0);
        QVERIFY(meldungen - nachBeenden <= 1); // the search ended at the next report
        QVERIFY(e);
        QTRY_COMPARE(programmEnde.count(), 1); // sent once the run has returned
        aufraeumen();
        QVERIFY(!rechnetBeimEnde);
        QVERIFY(!e);
        QVERIFY(!f.eingabe());
        QVERIFY(sichtbareFenster().isEmpty());
    }

    void grafikUndZurueck_data() {
        QTest::addColumn<QString>("weg");
        QTest::addColumn<int>("ziel");
        QTest::newRow("Titelleiste") << u"schliessen"_s << int(Fenster::Eingabe);
        QTest::newRow("Zurück zur Eingabe") << u"eingabe"_s << int(Fenster::Eingabe);
        QTest::newRow("Zurück zum Start") << u"start"_s << int(Fenster::Start);
    }
    void grafikUndZurueck() {
        QFETCH(QString, weg);
        QFETCH(int, ziel);
        tk::test::FakeDialoge d;
        d.okAutomatisch = true;
        tk::Fensterfolge f(d);
        f.starten();
        QTest::mouseClick(f.start()->cmd1(1), Qt::LeftButton);
        QVERIFY(QTest::qWaitForWindowActive(f.eingabe()));
        datensatzTippen(*f.eingabe());
        QTest::mouseClick(f.eingabe()->cmd1(2), Qt::LeftButton);
        tk::frmKurvex* e = f.eingabe();
        QTest::mouseClick(e->cmd1(4), Qt::LeftButton); // "Grafik"
        aufraeumen();
        QCOMPARE(f.aktuell(), Fenster::Grafik);
        QVERIFY(f.grafik());
        QCOMPARE(sichtbareFenster(), QList<QWidget*>{f.grafik()});
        QVERIFY(f.eingabe() == e); // only hidden

        if (weg == u"schliessen"_s)
            f.grafik()->close();
        else if (weg == u"eingabe"_s)
            emit f.grafik()->zurueckZurEingabe();
        else
            emit f.grafik()->zurueckZumStart();
        aufraeumen();
        QCOMPARE(int(f.aktuell()), ziel);
        QCOMPARE(sichtbareFenster().size(), 1);
        if (ziel == int(Fenster::Eingabe)) {
            QVERIFY(f.eingabe() == e);
            QVERIFY(e->isVisible());
            QVERIFY(e->cmd1(4)->isVisible()); // the results survived
            QCOMPARE(e->List1()->count(), 5);
        } else {
            QVERIFY(f.start()->isVisible());
            QCOMPARE(f.zustand().AnzPaare, 0);
        }
    }
};

QObject* neuFensterfolgeTest() {
    return new FensterfolgeTest;
}

#include "FensterfolgeTest.moc"
