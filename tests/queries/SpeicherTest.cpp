#include "Format.h"
#include "Panelaufbau.h"
#include "Testdaten.h"

using namespace tk;
using namespace tk::test;

namespace {
Programmzustand zustandFuer(int art) {
    return art == 0 ? regression() : prognose(art);
}
} // namespace

class SpeicherTest : public QObject {
    Q_OBJECT
private slots:
    void grenzeUndRueckfrage_data() {
        QTest::addColumn<int>("art"); // 0 regression, 1 Summenwerte, 2 Einzelwerte
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("ja");
        for (auto [art, maximum, name] :
             {std::tuple{0, 21, "Regression"}, std::tuple{1, 10, "Summenwerte"},
              std::tuple{2, 7, "Einzelwerte"}}) {
            QTest::newRow((std::string(name) + " Ja").c_str()) << art << maximum << true;
            QTest::newRow((std::string(name) + " Nein").c_str()) << art << maximum << false;
        }
    }

    void grenzeUndRueckfrage() {
        QFETCH(int, art);
        QFETCH(int, maximum);
        QFETCH(bool, ja);
        Panelaufbau a(zustandFuer(art));
        QVERIFY(a.aktiv);
        // Each query is told apart by its first value, written straight into the field.
        for (int k = 1; k <= maximum; ++k) {
            a.feld(0)->setText(QString::number(k));
            a.panel->cmd4()->click();
        }
        QVERIFY(a.dialoge.aufrufe.empty());
        QCOMPARE(a.g().AnzAbfragen, maximum);

        a.feld(0)->setText(QStringLiteral("99"));
        a.dialoge.antworte(ja ? Antwort::Ja : Antwort::Nein);
        a.panel->cmd4()->click();
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(1));
        const auto m = a.dialoge.meldungen().front();
        QCOMPARE(m.text,
                 QStringLiteral("Beachte :  Mehr als %1 Abfragen nicht möglich !!!").arg(maximum));
        QCOMPARE(m.titel, QStringLiteral("Achtung : Mit >Ja< wird die zuletzt mit OK bestätigte "
                                         "Abfrage gültig und die Erste gelöscht!"));
        QCOMPARE(m.knoepfe, Knoepfe::JaNein);
        QCOMPARE(m.symbol, Symbol::Frage);
        QCOMPARE(a.g().AnzAbfragen, maximum);
        const auto M = static_cast<std::size_t>(maximum);
        if (ja) {
            QCOMPARE(a.g().AbfrageX[1], 2.0);
            QCOMPARE(a.g().AbfrageX[M - 1], double(maximum));
            QCOMPARE(a.g().AbfrageX[M], 99.0);
        } else {
            QCOMPARE(a.g().AbfrageX[1], 1.0);
            QCOMPARE(a.g().AbfrageX[M], double(maximum));
        }
        QCOMPARE(a.dialoge.offeneAntworten(), std::size_t(0));
    }

    void zeichnetNurInPrognose_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("zeichnungen");
        QTest::newRow("Regression") << 0 << 0;
        QTest::newRow("Summenwerte") << 1 << 1;
        QTest::newRow("Einzelwerte") << 2 << 1;
    }

    void zeichnetNurInPrognose() {
        QFETCH(int, art);
        QFETCH(int, zeichnungen);
        Panelaufbau a(zustandFuer(art));
        a.feld(1)->setFocus(Qt::TabFocusReason);
        QCoreApplication::processEvents();
        a.ok();
        QCOMPARE(a.gezeichnet->count(), zeichnungen);
        QCOMPARE(a.g().GrenzwertFest, art != 0);
        QCOMPARE(a.g().AnzAbfragen, 1);
        QVERIFY(a.feld(0)->hasFocus());
    }

    void speichertFeldwerte() {
        // The OK click first leaves the field, and stores what that wrote.
        Panelaufbau a(prognose(1));
        a.tippe(1, QStringLiteral("50"));
        a.ok();
        QCOMPARE(a.g().AnzAbfragen, 1);
        QCOMPARE(a.g().AbfrageS[1], 50.0);
        QCOMPARE(a.g().AbfrageY[1], 50.0);
        QVERIFY(std::fabs(a.g().AbfrageX[1] - 5) < 1e-6);

        Panelaufbau r(regression());
        r.tippe(0, QStringLiteral("3"));
        r.ok();
        QCOMPARE(r.g().AbfrageX[1], 3.0);
        QCOMPARE(r.g().AbfrageY[1], 7.0);
    }
};

QObject* neuSpeicherTest() {
    return new SpeicherTest;
}

#include "SpeicherTest.moc"
