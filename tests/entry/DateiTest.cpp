// The "Datei" menu and "Eingabe speichern": save, overwrite, cancel, load, delete.

#include "Eingabefenster.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using tk::test::Eingabefenster;
using tk::test::FuenfPaare;
using Menue = tk::frmKurvex::Menue;

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile d(pfad);
    if (!d.open(QIODevice::ReadOnly)) return {};
    return d.readAll();
}

void schreibe(const QString& pfad, const QByteArray& text) {
    QFile d(pfad);
    QVERIFY(d.open(QIODevice::WriteOnly));
    d.write(text);
}

void ausloesen(tk::frmKurvex& w, Menue m) {
    w.menue(m)->trigger();
    Eingabefenster::warten();
}

} // namespace

class DateiTest : public QObject {
    Q_OBJECT
private slots:
    void speichernUndLaden_data() {
        QTest::addColumn<bool>("prognose");
        QTest::addColumn<QString>("titel");
        QTest::addColumn<QString>("zurueck");
        QTest::addColumn<QString>("endung");
        QTest::newRow("Kommas") << false << u"Versuch, Reihe 1, Tag 2"_s
                                << u"Versuch, Reihe 1, Tag 2"_s << u"rgr"_s;
        QTest::newRow("At-Zeichen") << false << u"a@b"_s << u"a,b"_s << u"rgr"_s;
        QTest::newRow("Prognose") << true << u"Umsatz, 2024"_s << u"Umsatz, 2024"_s << u"pro"_s;
    }
    void speichernUndLaden() {
        QFETCH(bool, prognose);
        QFETCH(QString, endung);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"daten."_s + endung);
        const QString filter = u"(*."_s + endung + u")|*."_s + endung;
        {
            Eingabefenster f(prognose);
            QVERIFY(f.aktiv);
            QFETCH(QString, titel);
            f.datensatzTippen(titel, FuenfPaare);
            f.d.waehleDatei(pfad);
            f.klicke(f.w->cmd1(5)); // "Eingabe speichern" without a name: save as
            QCOMPARE(f.d.aufrufe.size(), std::size_t(1));
            QCOMPARE(f.d.aufrufe[0].art, tk::test::Aufruf::Art::Speichern);
            QCOMPARE(f.d.aufrufe[0].text, filter);
            QVERIFY(QFile::exists(pfad));
            QCOMPARE(QString::fromStdString(f.z.DateiName), pfad);
            QVERIFY(!inhalt(pfad).contains(','));
        }
        Eingabefenster g(prognose);
        QVERIFY(g.aktiv);
        g.d.waehleDatei(pfad);
        ausloesen(*g.w, Menue::Oeffnen);
        QCOMPARE(g.d.aufrufe.size(), std::size_t(1));
        QCOMPARE(g.d.aufrufe[0].art, tk::test::Aufruf::Art::Oeffnen);
        QCOMPARE(g.d.aufrufe[0].text, filter);
        QFETCH(QString, zurueck);
        QCOMPARE(g.w->Text2()->text(), zurueck);
        QCOMPARE(QString::fromStdString(g.z.Bezeichnung), g.w->Text2()->text());
        QCOMPARE(g.z.AnzPaare, 5);
        QCOMPARE(g.w->Text1(0)->text(), u" 5"_s);
        QCOMPARE(g.w->Text1(1)->text(), u"1.0000001"_s);
        QCOMPARE(g.w->Text1(2)->text(), u"2.1000000"_s);
        QCOMPARE(g.w->List1()->count(), 5);
        QCOMPARE(g.w->EingabeIndex(), 5);
        QVERIFY(g.z.AnzahlOK);
        QVERIFY(g.w->List1()->isVisible() && g.w->cmd1(5)->isVisible() &&
                g.w->cmd1(2)->isVisible());
        QVERIFY(qAbs(g.z.EingabeY(5) - 10.1) < 1e-12);
        QCOMPARE(QString::fromStdString(g.z.DateiName), pfad);
    }

    void ersterWertImFeld_data() {
        QTest::addColumn<QString>("x");
        QTest::addColumn<QString>("feld");
        QTest::newRow("klein") << u"0.00000005"_s << u"5.0000000E-08"_s;
        QTest::newRow("gross") << u"2000000"_s << u"2.0000000E+06"_s;
        QTest::newRow("halb") << u"0.5"_s << u"0.5000000"_s;
    }
    void ersterWertImFeld() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"w.rgr"_s);
        QFETCH(QString, x);
        schreibe(pfad,
                 "Werte\r\n 4 \r\n 1 \r\n " + x.toLatin1() + " 1 \r\n 2 2 \r\n 3 3 \r\n 4 4 \r\n");
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.d.waehleDatei(pfad);
        ausloesen(*f.w, Menue::Oeffnen);
        QVERIFY(f.d.meldungen().empty());
        QFETCH(QString, feld);
        QCOMPARE(f.w->Text1(1)->text(), feld);
    }

    void ueberschreiben_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("geschrieben");
        QTest::newRow("Ja") << int(tk::Antwort::Ja) << true;
        QTest::newRow("Nein") << int(tk::Antwort::Nein) << false;
    }
    void ueberschreiben() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"alt.rgr"_s);
        schreibe(pfad, "alt\r\n");
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"neu"_s, FuenfPaare);
        f.d.waehleDatei(pfad);
        QFETCH(int, antwort);
        f.d.antworte(static_cast<tk::Antwort>(antwort));
        ausloesen(*f.w, Menue::SpeichernUnter);
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QCOMPARE(m[0].text, u"Wollen Sie die vorhandene Datei überschreiben ??"_s);
        QCOMPARE(m[0].titel, u"Achtung"_s);
        QCOMPARE(m[0].knoepfe, tk::Knoepfe::JaNein);
        QCOMPARE(m[0].symbol, tk::Symbol::Keins);
        QFETCH(bool, geschrieben);
        QCOMPARE(inhalt(pfad).startsWith("neu\r\n"), geschrieben);
        QCOMPARE(inhalt(pfad) == "alt\r\n", !geschrieben);
        // "Speichern" and "Eingabe speichern" go to the known file and ask again
        f.d.antworte(tk::Antwort::Nein);
        ausloesen(*f.w, Menue::Speichern);
        f.d.antworte(tk::Antwort::Nein);
        f.klicke(f.w->cmd1(5));
        QCOMPARE(f.d.meldungen().size(), std::size_t(3));
        QCOMPARE(f.d.offeneAntworten(), std::size_t(0));
    }

    void dateinameUnbekannt() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"T"_s, FuenfPaare);
        ausloesen(*f.w, Menue::Speichern);
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QCOMPARE(m[0].text, u"Dateiname unbekannt"_s);
        QCOMPARE(m[0].titel, u"Zuerst speichern mit Menü >Speichern unter ..< !!"_s);
        QCOMPARE(m[0].knoepfe, tk::Knoepfe::OK);
        QCOMPARE(m[0].symbol, tk::Symbol::Ausrufezeichen);
        QVERIFY(f.z.DateiName.empty());
    }

    void abbrechenOhneMeldung_data() {
        QTest::addColumn<int>("menue");
        QTest::newRow("Öffnen") << int(Menue::Oeffnen);
        QTest::newRow("Speichern unter") << int(Menue::SpeichernUnter);
        QTest::newRow("Löschen") << int(Menue::Loeschen); // no question without a file
    }
    void abbrechenOhneMeldung() {
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"bleibt"_s, FuenfPaare);
        f.d.waehleDatei(std::nullopt);
        QFETCH(int, menue);
        ausloesen(*f.w, static_cast<Menue>(menue));
        QCOMPARE(f.d.aufrufe.size(), std::size_t(1));
        QVERIFY(f.d.meldungen().empty());
        QVERIFY(f.z.DateiName.empty());
        QCOMPARE(f.z.AnzPaare, 5);
        QCOMPARE(f.w->List1()->count(), 5);
    }

    void loeschen_data() {
        QTest::addColumn<int>("antwort");
        QTest::addColumn<bool>("bleibt");
        QTest::newRow("Ja") << int(tk::Antwort::Ja) << false;
        QTest::newRow("Nein") << int(tk::Antwort::Nein) << true;
        QTest::newRow("Abbrechen") << int(tk::Antwort::Abbrechen) << true;
    }
    void loeschen() {
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"weg.pro"_s);
        schreibe(pfad, "x\r\n");
        Eingabefenster f(true);
        QVERIFY(f.aktiv);
        f.d.waehleDatei(pfad);
        QFETCH(int, antwort);
        f.d.antworte(static_cast<tk::Antwort>(antwort));
        ausloesen(*f.w, Menue::Loeschen);
        QCOMPARE(f.d.aufrufe[0].text, u"(*.pro)|*.pro"_s);
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), std::size_t(1));
        QCOMPARE(m[0].text, u"Wollen Sie "_s + pfad + u" wirklich löschen ??"_s);
        QCOMPARE(m[0].titel, u"Achtung"_s);
        QCOMPARE(m[0].knoepfe, tk::Knoepfe::JaNeinAbbrechen);
        QCOMPARE(m[0].symbol, tk::Symbol::Frage);
        QFETCH(bool, bleibt);
        QCOMPARE(QFile::exists(pfad), bleibt);
        QCOMPARE(QString::fromStdString(f.z.DateiName), pfad);
    }

    void unlesbareDateiAendertNichts_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::newRow("zu wenige Paare") << QByteArray("kurz\r\n 5 \r\n 1 \r\n 1 2 \r\n 3 4 \r\n");
        QTest::newRow("kein Zahlenwert") << QByteArray("kaputt\r\n abc \r\n");
        QTest::newRow("fehlt") << QByteArray();
    }
    void unlesbareDateiAendertNichts() {
        QFETCH(QByteArray, text);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(u"kaputt.rgr"_s);
        if (!text.isEmpty()) schreibe(pfad, text);
        Eingabefenster f;
        QVERIFY(f.aktiv);
        f.datensatzTippen(u"bleibt"_s, FuenfPaare);
        const QStringList zeilenVorher = [&] {
            QStringList l;
            for (int i = 0; i < f.w->List1()->count(); ++i) l << f.w->List1()->item(i)->text();
            return l;
        }();
        f.d.waehleDatei(pfad);
        ausloesen(*f.w, Menue::Oeffnen);
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), std::size_t(1)); // reported through the error message
        QVERIFY(m[0].titel.startsWith(u"Fehler"_s));
        QCOMPARE(f.z.AnzPaare, 5);
        QCOMPARE(f.z.Bezeichnung, std::string("bleibt"));
        QCOMPARE(f.w->Text2()->text(), u"bleibt"_s);
        QVERIFY(qAbs(f.z.EingabeY(5) - 10.1) < 1e-12);
        QVERIFY(f.z.DateiName.empty());
        QStringList zeilenNachher;
        for (int i = 0; i < f.w->List1()->count(); ++i)
            zeilenNachher << f.w->List1()->item(i)->text();
        QCOMPARE(zeilenNachher, zeilenVorher);
    }
};

QObject* neuDateiTest() {
    return new DateiTest;
}

#include "DateiTest.moc"
