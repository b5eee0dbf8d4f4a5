// Saving from the input window when the disk refuses: the old file stays as it was.

#include "tests/support/Eingabefenster.h"
#include "tests/support/QtTestLauf.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>

using namespace Qt::StringLiterals;
using namespace tk::test;
using Menue = tk::frmKurvex::Menue;

namespace {

QByteArray inhalt(const QString& pfad) {
    QFile d(pfad);
    return d.open(QIODevice::ReadOnly) ? d.readAll() : QByteArray();
}

} // namespace

class DateiTest : public QObject {
    Q_OBJECT
private slots:
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
        const QString pfad = ordner.filePath(name), altPfad = ordner.filePath(u"alt.rgr"_s);
        const QByteArray alt = "alt\r\n 4 \r\n 1 \r\n";
        QFile altDatei(altPfad);
        QVERIFY(altDatei.open(QIODevice::WriteOnly) && altDatei.write(alt) == alt.size());
        altDatei.close();
        Eingabefenster f;
        QVERIFY(f.aktiv);
        const auto system = tk::Speicherwege::system();
        f.w->speicherwege.oeffnen = [=](const char* p, int flags, mode_t rechte) {
            const bool anlegen = (flags & O_CREAT) || (flags & O_TMPFILE) == O_TMPFILE;
            errno = anlegen ? verweigert : oeffnen;
            return errno == 0 ? system.oeffnen(p, flags, rechte) : -1;
        };
        f.w->speicherwege.schreiben = [=](int fd, const void* d, std::size_t n, off_t stelle) {
            errno = schreiben;
            return errno == 0 ? system.schreiben(fd, d, n, stelle) : ssize_t(-1);
        };
        f.datensatzTippen(u"neu"_s, FuenfPaare);
        f.d.waehleDatei(pfad);
        QFETCH(int, antwort);
        f.d.antworte(static_cast<tk::Antwort>(antwort));
        f.w->menue(Menue::SpeichernUnter)->trigger();
        const auto m = f.d.meldungen();
        const bool vorhanden = pfad == altPfad;
        if (vorhanden)
            QCOMPARE(m.at(0).text,
                     u"Wollen Sie die vorhandene Datei überschreiben ??\n\n"_s + pfad);
        QFETCH(QString, grund);
        QCOMPARE(f.z.DateiName.empty(), !grund.isEmpty()); // named only once saved there
        if (grund.isEmpty()) {                             // saved
            QCOMPARE(m.size(), std::size_t(vorhanden));
            QVERIFY(inhalt(pfad).startsWith("neu\r\n 5 \r\n"));
            return;
        }
        if (grund != u"-"_s) {
            QCOMPARE(m.size(), std::size_t(vorhanden) + 1);
            const QString text = m.back().text;
            QVERIFY2(text.startsWith(u"Die Daten wurden nicht gespeichert.\n"_s + grund) &&
                         text.contains(pfad),
                     qPrintable(text));
        }
        QCOMPARE(inhalt(altPfad), alt);
        QCOMPARE(QDir(ordner.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
    }
};

TK_QTTEST(DateiTest);

#include "DateiTest.moc"
