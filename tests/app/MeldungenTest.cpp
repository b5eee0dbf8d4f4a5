// Error messages, single-value checks and the exit confirmation.

#include "Meldungen.h"
#include "Ende.h"
#include "FakeDialoge.h"
#include "Fehlermeldung.h"

#include <QTest>

using namespace Qt::StringLiterals;
using tk::Antwort;
using tk::Knoepfe;
using tk::Symbol;

class MeldungenTest : public QObject {
    Q_OBJECT
private slots:
    void zeigFehler_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text"); // empty: no message at all
        QTest::addColumn<QString>("titel");
        QTest::addColumn<Knoepfe>("knoepfe");
        QTest::addColumn<Symbol>("symbol");
        QTest::newRow("kein Fehler") << 0 << QString() << QString() << Knoepfe::OK << Symbol::Keins;
        QTest::newRow("Dialog abgebrochen")
            << 32755 << QString() << QString() << Knoepfe::OK << Symbol::Keins;
        QTest::newRow("Laufwerk")
            << 71
            << u"Legen Sie eine Diskette in das Laufwerk ein, und schliessen Sie den Schacht"_s
            << u"Fehler : Das Laufwerk ist nicht bereit !!"_s << Knoepfe::WiederholenAbbrechen
            << Symbol::Ausrufezeichen;

        QTest::newRow("voll")
            << 61 << u"Es ist kein freier Speicherplatz auf dem Ziellaufwerk vorhanden !"_s
            << QString() << Knoepfe::WiederholenAbbrechen << Symbol::Ausrufezeichen;

        QTest::newRow("unerwartet")
            << 11 << u"Unerwarteter Fehler Nr.:  11 wurde ausgelöst durch Quelle\rBeschreibung"_s
            << u"Fehler"_s << Knoepfe::OK << Symbol::Stop;
    }
    void zeigFehler() {
        QFETCH(int, code);
        QFETCH(QString, text);
        tk::test::FakeDialoge d;
        const tk::Fehler f(code, "Quelle", "Beschreibung");
        tk::ZeigFehler(d, f);
        if (text.isEmpty()) {
            QVERIFY(d.aufrufe.empty());
            return;
        }
        QCOMPARE(d.aufrufe.size(), std::size_t(1));
        QCOMPARE(d.aufrufe[0].text, text);
        QFETCH(QString, titel);
        QFETCH(Knoepfe, knoepfe);
        QFETCH(Symbol, symbol);
        QCOMPARE(d.aufrufe[0].titel, titel);
        QCOMPARE(d.aufrufe[0].knoepfe, knoepfe);
        QCOMPARE(d.aufrufe[0].symbol, symbol);
    }

    void zeigFehlerGibtAntwortWeiter() {
        tk::test::FakeDialoge d;
        d.antworte(Antwort::Wiederholen);
        QCOMPARE(tk::ZeigFehler(d, tk::Fehler(71, "Datei", "")), Antwort::Wiederholen);
        d.antworte(Antwort::Abbrechen);
        QCOMPARE(tk::ZeigFehler(d, tk::Fehler(71, "Datei", "")), Antwort::Abbrechen);
    }

    void pruefungen_data() {
        QTest::addColumn<int>("pruefung"); // 0 BetragNull, 1 MinPaare, 2 DruckerA4
        QTest::addColumn<double>("wert");
        QTest::addColumn<QString>("text"); // empty: passes silently
        QTest::addColumn<QString>("titel");
        const QString null = u"Betrag muss grösser Null sein !!"_s;
        const QString min = u"Es müssen mindestens 4 Wertepaare eingegeben werden"_s;
        const QString a4 = u"Richten Sie den Drucker auf Papierformat A4 ein !!"_s;
        const QString betrag = u"Betrag ändern"_s;
        const QString drucker = u"Drucker-Problem"_s;
        QTest::newRow("Null 0") << 0 << 0.0 << null << betrag;

        QTest::newRow("Null 1") << 0 << 1.0 << QString() << QString();
        QTest::newRow("Min 3") << 1 << 3.0 << min << betrag;
        QTest::newRow("Min 4") << 1 << 4.0 << QString() << QString();
        QTest::newRow("A4 -51") << 2 << -51.0 << a4 << drucker;
        QTest::newRow("A4 -50") << 2 << -50.0 << QString() << QString();

        QTest::newRow("A4 50") << 2 << 50.0 << QString() << QString();
        QTest::newRow("A4 51") << 2 << 51.0 << a4 << drucker;
    }
    void pruefungen() {
        QFETCH(int, pruefung);
        QFETCH(double, wert);
        QFETCH(QString, text);
        tk::test::FakeDialoge d;
        int ergebnis = 0;
        switch (pruefung) {
        case 0:
            tk::MeldBetragNull(d, wert, ergebnis);
            break;
        case 1:
            tk::MeldMinPaare(d, wert, ergebnis);
            break;
        default:
            tk::MeldDruckerA4(d, wert, ergebnis);
            break;
        }
        if (text.isEmpty()) {
            QCOMPARE(ergebnis, 0);
            QVERIFY(d.aufrufe.empty());
            return;
        }
        QCOMPARE(ergebnis, 1);
        QCOMPARE(d.aufrufe.size(), std::size_t(1));
        QCOMPARE(d.aufrufe[0].text, text);
        QFETCH(QString, titel);
        QCOMPARE(d.aufrufe[0].titel, titel);
        QCOMPARE(d.aufrufe[0].knoepfe, Knoepfe::OK);
        QCOMPARE(d.aufrufe[0].symbol, Symbol::Ausrufezeichen);
    }

    void endeAbfrage_data() {
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<bool>("ende");
        QTest::newRow("Ja") << Antwort::Ja << true;
        QTest::newRow("Nein") << Antwort::Nein << false;
        QTest::newRow("anders geschlossen") << Antwort::Abbrechen << true;
    }
    void endeAbfrage() {
        QFETCH(Antwort, antwort);
        QFETCH(bool, ende);
        tk::test::FakeDialoge d;
        d.antworte(antwort);
        QCOMPARE(tk::EndeAbfrage(d), ende);
        QCOMPARE(d.aufrufe.size(), std::size_t(1));
        QCOMPARE(d.aufrufe[0].text, u" Wollen Sie wirklich abbrechen (beenden) ??"_s);
        QCOMPARE(d.aufrufe[0].titel, u"<JA> beendet das Programm"_s);
        QCOMPARE(d.aufrufe[0].knoepfe, Knoepfe::JaNein);
        QCOMPARE(d.aufrufe[0].symbol, Symbol::Ausrufezeichen);
    }
};

QObject* neuMeldungenTest() {
    return new MeldungenTest;
}

#include "MeldungenTest.moc"
