// The "Datei" menu and "Eingabe speichern": save, overwrite, cancel, load, delete.

#include "Eingabefenster.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>

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

    // Every refused save says so, names the file and keeps the old one byte for byte.
    void speicherFehler_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("antwort");    // to the overwrite question
        QTest::addColumn<int>("verweigert"); // errno of creating a file, 0 = none
        QTest::addColumn<int>("oeffnen");    // errno of opening the existing file, 0 = none
        QTest::addColumn<int>("schreiben");  // errno of writing, 0 = none
        QTest::addColumn<QString>("grund");  // second line of the message, "" = saved
        const int ja = int(tk::Antwort::Ja);
        QTest::newRow("Nein") << u"alt.rgr"_s << int(tk::Antwort::Nein) << 0 << 0 << 0 << u"-"_s;
        QTest::newRow("ersetzt") << u"alt.rgr"_s << ja << 0 << 0 << 0 << QString();
        QTest::newRow("keine Berechtigung")
            << u"alt.rgr"_s << ja << EACCES << EACCES << 0 << u"Keine Berechtigung"_s;
        QTest::newRow("schreibgeschützt") << u"alt.rgr"_s << ja << EROFS << EROFS << 0 << u"\""_s;
        QTest::newRow("Platte voll")
            << u"alt.rgr"_s << ja << 0 << 0 << ENOSPC << u"Kein freier Speicherplatz"_s;
        QTest::newRow("Ordner gesperrt, Datei frei")
            << u"alt.rgr"_s << ja << EACCES << 0 << 0 << QString();
        QTest::newRow("Ordner gesperrt, Platte voll")
            << u"alt.rgr"_s << ja << EACCES << 0 << ENOSPC << u"Kein freier Speicherplatz"_s;
        QTest::newRow("Ordner fehlt")
            << u"fehlt/neu.rgr"_s << ja << 0 << 0 << 0 << u"Das Verzeichnis von"_s;
    }
    void speicherFehler() {
        QFETCH(QString, name);
        QFETCH(int, verweigert);
        QFETCH(int, oeffnen);
        QFETCH(int, schreiben);
        QTemporaryDir ordner;
        const QString pfad = ordner.filePath(name);
        const QByteArray alt = "alt\r\n 4 \r\n 1 \r\n";
        schreibe(ordner.filePath(u"alt.rgr"_s), alt);
        Eingabefenster f;
        QVERIFY(f.aktiv);
        const auto system = tk::Speicherwege::system();
        f.w->speicherwege.oeffnen = [=](const char* p, int flags, mode_t rechte) {
            const bool anlegen = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
            const int fehler = anlegen ? verweigert : oeffnen;
            if (fehler == 0) return system.oeffnen(p, flags, rechte);
            errno = fehler;
            return -1;
        };
        f.w->speicherwege.schreiben = [=](int fd, const void* d, std::size_t n, off_t stelle) {
            if (schreiben == 0) return system.schreiben(fd, d, n, stelle);
            errno = schreiben;
            return ssize_t(-1);
        };
        f.datensatzTippen(u"neu"_s, FuenfPaare);
        f.d.waehleDatei(pfad);
        QFETCH(int, antwort);
        f.d.antworte(static_cast<tk::Antwort>(antwort));
        ausloesen(*f.w, Menue::SpeichernUnter);
        const auto m = f.d.meldungen();
        const bool vorhanden = name == u"alt.rgr"_s;
        if (vorhanden) {
            QCOMPARE(m.at(0).text,
                     u"Wollen Sie die vorhandene Datei überschreiben ??\n\n"_s + pfad);
            QCOMPARE(m[0].knoepfe, tk::Knoepfe::JaNein);
        }
        QFETCH(QString, grund);
        QCOMPARE(f.z.DateiName.empty(), !grund.isEmpty()); // named only once saved there
        if (grund.isEmpty()) {                             // saved
            QCOMPARE(m.size(), std::size_t(vorhanden));
            QVERIFY(inhalt(pfad).startsWith("neu\r\n 5 \r\n"));
        } else {
            if (grund != u"-"_s) {
                QCOMPARE(m.size(), std::size_t(vorhanden) + 1);
                QVERIFY2(
                    m.back().text.startsWith(u"Die Daten wurden nicht gespeichert.\n"_s + grund),
                    qPrintable(m.back().text));
                QVERIFY(m.back().text.contains(pfad));
                QCOMPARE(m.back().symbol, tk::Symbol::Ausrufezeichen);
            }
            QCOMPARE(inhalt(ordner.filePath(u"alt.rgr"_s)), alt);
            QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
        }
    }
};

QObject* neuDateiTest() {
    return new DateiTest;
}

#include "DateiTest.moc"
