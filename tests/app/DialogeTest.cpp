// The program's messages as the dialogs receive them, and the real message boxes and
// file dialogs: German buttons, icons, answers.

#include "app/Fehlermeldung.h"
#include "app/QtDialoge.h"
#include "app/Uebersetzung.h"
#include "entry/frmKurvex.h"
#include "programm/Startoptionen.h"
#include "tests/support/FakeDialoge.h"
#include "tests/support/QtTestLauf.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace Qt::StringLiterals;
using tk::Antwort;
using tk::Knoepfe;
using tk::Symbol;

namespace {

// Runs `pruefen` on the modal dialog as soon as it is open.
template <typename Dialog> void sobaldOffen(std::function<void(Dialog*)> pruefen) {
    auto* t = new QTimer;
    t->setInterval(10);
    QObject::connect(t, &QTimer::timeout, [t, pruefen] {
        if (auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            t->stop();
            t->deleteLater();
            pruefen(d);
        }
    });
    t->start();
}

} // namespace

class DialogeTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QVERIFY(tk::deutschLaden(*QCoreApplication::instance())); }

    // Error messages pass the answer on; no box for "no error" and a stopped run.
    void fehlermeldung_data() {
        QTest::addColumn<int>("code");
        QTest::addColumn<int>("antwort");  // queued for the box, -1 = none
        QTest::addColumn<int>("ergebnis"); // returned answer
        QTest::addColumn<QString>("text"); // start of the message, empty = none
        const int ok = int(Antwort::OK), wdh = int(Antwort::Wiederholen);
        const int abbr = int(Antwort::Abbrechen);
        QTest::newRow("kein Fehler") << 0 << -1 << ok << QString();
        QTest::newRow("abgebrochen") << 32755 << -1 << ok << QString();
        QTest::newRow("Laufwerk") << 71 << wdh << wdh << u"Legen Sie"_s;
        QTest::newRow("voll") << 61 << abbr << abbr << u"Es ist kein freier"_s;
    }
    void fehlermeldung() {
        QFETCH(int, code);
        QFETCH(int, antwort);
        tk::test::FakeDialoge d;
        if (antwort >= 0) d.antworte(static_cast<Antwort>(antwort));
        QTEST(int(tk::ZeigFehler(d, tk::Fehler(code, "Quelle", "Text"))), "ergebnis");
        QFETCH(QString, text);
        QCOMPARE(d.aufrufe.size(), std::size_t(text.isEmpty() ? 0 : 1));
        if (!text.isEmpty()) QVERIFY2(d.aufrufe[0].text.startsWith(text), qPrintable(text));
    }

    void filter_data() {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<QString>("qt");
        QTest::newRow("Regression") << u"(*.rgr)|*.rgr"_s << u"(*.rgr)"_s;
        QTest::newRow("Beschreibung")
            << u"Daten|*.dat|Alle|*.*"_s << u"Daten (*.dat);;Alle (*.*)"_s;
        QTest::newRow("alle") << u"Alle|*.*"_s << u"Alle (*.*)"_s;
    }
    void filter() {
        QFETCH(QString, filter);
        QTEST(tk::qtFilter(filter), "qt");
    }

    void meldungsfenster_data() {
        QTest::addColumn<Knoepfe>("knoepfe");
        QTest::addColumn<Symbol>("symbol");
        QTest::addColumn<QString>("beschriftungen");
        QTest::addColumn<QString>("druecken");
        QTest::addColumn<Antwort>("antwort");
        QTest::addColumn<int>("icon");
        QTest::newRow("OK") << Knoepfe::OK << Symbol::Ausrufezeichen << u"OK"_s << u"OK"_s
                            << Antwort::OK << int(QMessageBox::Warning);
        QTest::newRow("Enter bei Ja Nein")
            << Knoepfe::JaNein << Symbol::Frage << u"Ja Nein"_s << u"<Enter>"_s << Antwort::Ja
            << int(QMessageBox::Question);
        QTest::newRow("Taste n") << Knoepfe::JaNein << Symbol::Frage << u"Ja Nein"_s << u"<n>"_s
                                 << Antwort::Nein << int(QMessageBox::Question);
        QTest::newRow("Taste j") << Knoepfe::JaNeinAbbrechen << Symbol::Frage
                                 << u"Abbrechen Ja Nein"_s << u"<j>"_s << Antwort::Ja
                                 << int(QMessageBox::Question);
        QTest::newRow("Escape bei Ja Nein")
            << Knoepfe::JaNein << Symbol::Frage << u"Ja Nein"_s << u"<Esc>"_s << Antwort::Nein
            << int(QMessageBox::Question);
        QTest::newRow("Abbrechen")
            << Knoepfe::JaNeinAbbrechen << Symbol::Frage << u"Abbrechen Ja Nein"_s << u"Abbrechen"_s
            << Antwort::Abbrechen << int(QMessageBox::Question);
        QTest::newRow("Wiederholen")
            << Knoepfe::WiederholenAbbrechen << Symbol::Stop << u"Abbrechen Wiederholen"_s
            << u"Wiederholen"_s << Antwort::Wiederholen << int(QMessageBox::Critical);
    }
    void meldungsfenster() {
        QFETCH(QString, druecken);
        QStringList gesehen;
        QString text;
        int icon = -1;
        sobaldOffen<QMessageBox>([&](QMessageBox* box) {
            text = box->textFormat() == Qt::PlainText ? box->text() : QString();
            icon = box->icon();
            for (QAbstractButton* k : box->buttons()) gesehen << k->text().remove(u'&');
            const QMap<QString, Qt::Key> tasten = {{u"<Esc>"_s, Qt::Key_Escape},
                                                   {u"<Enter>"_s, Qt::Key_Return},
                                                   {u"<j>"_s, Qt::Key_J},
                                                   {u"<n>"_s, Qt::Key_N}};
            if (tasten.contains(druecken)) QTest::keyClick(box, tasten[druecken]);
            for (QAbstractButton* k : box->buttons())
                if (k->text().remove(u'&') == druecken) k->click();
        });
        tk::QtDialoge dialoge;
        QFETCH(Knoepfe, knoepfe);
        QFETCH(Symbol, symbol);
        // Text from a file never formats the box nor carries control characters.
        QTEST(dialoge.meldung(u" <b>A</b>\x1b[2J\u009b\n "_s, u"Achtung"_s, knoepfe, symbol),
              "antwort");
        QCOMPARE(text, u" <b>A</b>\\x1B[2J\\x9B\n "_s);
        QTEST(icon, "icon");
        gesehen.sort();
        QTEST(gesehen.join(u' '), "beschriftungen");
    }

    void dateidialogHaengtEndungAn() {
        QTemporaryDir ordner;
        QString titel;
        sobaldOffen<QFileDialog>([&](QFileDialog* d) {
            titel = d->windowTitle();
            d->setDirectory(ordner.path());
            d->selectFile(u"neu"_s);
            QMetaObject::invokeMethod(d, "accept");
        });
        tk::QtDialoge dialoge;
        const auto gewaehlt = dialoge.dateiSpeichern(u"(*.rgr)|*.rgr"_s);
        QCOMPARE(titel, u"Speichern unter"_s);
        QVERIFY(gewaehlt.has_value());
        // the extension is added
        QCOMPARE(QDir::fromNativeSeparators(*gewaehlt), QDir(ordner.path()).filePath(u"neu.rgr"_s));

        sobaldOffen<QFileDialog>([&](QFileDialog* d) { d->reject(); });
        QVERIFY(!dialoge.dateiOeffnen(u"(*.pro)|*.pro"_s).has_value());

        // The import lists both kinds of table file.
        QStringList muster;
        sobaldOffen<QFileDialog>([&](QFileDialog* d) {
            muster = d->findChild<QFileSystemModel*>()->nameFilters();
            d->reject();
        });
        dialoge.dateiOeffnen(tk::frmKurvex::importFilter());
        QCOMPARE(muster, (QStringList{u"*.csv"_s, u"*.txt"_s}));
    }

    // The command line of the window program, before any window opens.
    void startoptionen_data() {
        QTest::addColumn<QString>("argumente");
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("ergebnis"); // the file, or the start of the message
        using A = tk::Startoptionen::Art;
        QTest::newRow("keine") << QString() << int(A::Start) << QString();
        QTest::newRow("Datei") << u"a.rgr"_s << int(A::Start) << u"a.rgr"_s;
        QTest::newRow("Qt-Optionen")
            << u"-style fusion --platform=xcb -reverse a.pro"_s << int(A::Start) << u"a.pro"_s;
        QTest::newRow("Hilfe") << u"a.rgr --help"_s << int(A::Hilfe) << QString();
        QTest::newRow("unbekannt")
            << u"--hilfe a.rgr"_s << int(A::Fehler) << u"Unbekannte Option: --hilfe"_s;
        QTest::newRow("zwei Dateien")
            << u"a.rgr b.rgr"_s << int(A::Fehler) << u"Es kann nur eine Datei"_s;
        QTest::newRow("Datei mit Strich") << u"-- -a.rgr"_s << int(A::Start) << u"-a.rgr"_s;
    }
    void startoptionen() {
        QFETCH(QString, argumente);
        std::vector<std::string> a;
        for (const QString& s : argumente.split(u' ', Qt::SkipEmptyParts))
            a.push_back(s.toStdString());
        const tk::Startoptionen o = tk::startoptionen(a);
        QTEST(int(o.art), "art");
        QFETCH(QString, ergebnis);
        QVERIFY(
            QString::fromStdString(o.art == tk::Startoptionen::Art::Fehler ? o.meldung : o.datei)
                .startsWith(ergebnis));
    }
};

TK_QTTEST(DialogeTest);

#include "DialogeTest.moc"
