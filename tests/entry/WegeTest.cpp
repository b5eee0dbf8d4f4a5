// Scripted user paths through the input window, checked against the data set the user
// meant (pairs, title, file name, results still shown), and the lines of its value list.

#include "entry/Werteliste.h"
#include "tests/support/Eingabefenster.h"
#include "tests/support/QtTestLauf.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTextBrowser>

using namespace Qt::StringLiterals;
using namespace tk::test;
using Menue = tk::frmKurvex::Menue;

namespace {

const QByteArray AltDatei = "Alt\r\n 5 \r\n 1 \r\n 1  2.1 \r\n 2  3.9 \r\n 3  6.2 \r\n 4  7.8 \r\n"
                            " 5  10.1 \r\n";

QPoint zeile(QListWidget* liste, int r) {
    return liste->visualItemRect(liste->item(r)).center();
}

// One step of a path. Words: T A X Y L focus title, count, X, Y or list; =text types
// (a '~' stands for a blank, a '/' in pasted text for a line break); > Enter; tab, btab, entf keys;
// k<i> clicks cmd1(i); l<r>, dl<r> click or double-click list row r; ja, nein answer the next
// question; datei:<name> or datei:- choose a file in the next dialog or cancel it; paste:<text>
// pastes; menu words Neu Oeffnen Speichern Unter Loeschen; fuenf types title "T" and
// five pairs; laden opens alt.rgr (title "Alt", the same five pairs). dd<r> double-clicks
// row r as a user does (the events of the first click run before the second); ^<key>
// Ctrl+key (upper case adds Shift); abbr answers Abbrechen; x closes the window;
// vergleich opens the model table; drop:<name> drops a file; zuletzt opens the first
// recent file; rm:<name> deletes a file. Checks: offen<n> model tables open, mod<0|1>
// the change mark, titel:<text> in the window title, F1 the manual, liste<r>:<text> a
// text in list row r.
QWidget* feld(tk::frmKurvex& w, const QString& name) {
    const QMap<QString, QWidget*> felder = {{u"T"_s, w.Text2()},
                                            {u"A"_s, w.Text1(0)},
                                            {u"X"_s, w.Text1(1)},
                                            {u"Y"_s, w.Text1(2)},
                                            {u"L"_s, w.List1()}};
    return felder.value(name);
}

void schritt(Eingabefenster& f, const QString& wort, const QTemporaryDir& ordner) {
    auto* w = f.w.get();
    const QMap<QString, Menue> menues = {{u"Neu"_s, Menue::Neu},
                                         {u"Oeffnen"_s, Menue::Oeffnen},
                                         {u"Speichern"_s, Menue::Speichern},
                                         {u"Unter"_s, Menue::SpeichernUnter},
                                         {u"Loeschen"_s, Menue::Loeschen}};
    const QMap<QString, int> tasten = {
        {u">"_s, Qt::Key_Return}, {u"tab"_s, Qt::Key_Tab}, {u"entf"_s, Qt::Key_Delete}};
    const auto zahl = [&](int ab) { return wort.mid(ab).toInt(); };
    if (QWidget* ziel = wort.size() == 1 ? feld(*w, wort) : nullptr) {
        f.fokussieren(ziel);
    } else if (menues.contains(wort)) {
        w->menue(menues[wort])->trigger();
    } else if (tasten.contains(wort)) {
        druecke(tasten[wort]);
    } else if (wort == u"btab"_s) {
        druecke(Qt::Key_Backtab, Qt::ShiftModifier);
    } else if (wort.startsWith(u'=')) {
        const QString text = wort.mid(1).replace(u'~', u' ');
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(fokus(), c.toLatin1());
            else // beyond what keyClick can send
                QTest::sendKeyEvent(QTest::Click, fokus(), Qt::Key_unknown, QString(c),
                                    Qt::NoModifier);
        }
    } else if (wort == u"laden"_s) {
        f.d.waehleDatei(ordner.filePath(u"alt.rgr"_s));
        w->menue(Menue::Oeffnen)->trigger();
    } else if (wort.startsWith(u'k')) {
        f.klicke(w->cmd1(zahl(1)));
    } else if (wort.startsWith(u"dd"_s)) {
        // The events of the first click run before the second, which arrives as a
        // double-click without a press of its own.
        const QPoint p = zeile(w->List1(), zahl(2));
        QTest::mouseClick(w->List1()->viewport(), Qt::LeftButton, {}, p);
        warten();
        QTest::mouseDClick(w->List1()->viewport(), Qt::LeftButton, {}, p);
    } else if (wort.startsWith(u'^')) {
        const QChar c = wort.at(1);
        druecke(Qt::Key_A + (c.toUpper().unicode() - u'A'),
                Qt::ControlModifier | (c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier));
    } else if (wort == u"abbr"_s) {
        f.d.antworte(tk::Antwort::Abbrechen);
    } else if (wort == u"x"_s) {
        w->close();
    } else if (wort == u"vergleich"_s) {
        w->menue(Menue::Modellvergleich)->trigger();
    } else if (wort.startsWith(u"offen"_s)) {
        int offen = 0;
        for (QWidget* t : QApplication::topLevelWidgets())
            offen += t->isVisible() && t->inherits("tk::frmModellvergleich");
        QCOMPARE(offen, zahl(5));
    } else if (wort.startsWith(u"mod"_s)) {
        QCOMPARE(w->isWindowModified(), zahl(3) == 1);
    } else if (wort.startsWith(u"titel:"_s)) {
        QVERIFY2(w->windowTitle().contains(wort.mid(6)), qPrintable(w->windowTitle()));
    } else if (wort.startsWith(u"drop:"_s)) {
        QMimeData daten;
        daten.setUrls({QUrl::fromLocalFile(ordner.filePath(wort.mid(5)))});
        QDragEnterEvent hinein({10, 10}, Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(w, &hinein);
        QVERIFY(hinein.isAccepted());
        QDropEvent ab({10, 10}, Qt::CopyAction, &daten, Qt::LeftButton, {});
        QApplication::sendEvent(w, &ab);
    } else if (wort == u"zuletzt"_s) {
        auto* menue = w->findChild<QMenu*>(u"zuletzt"_s);
        emit menue->aboutToShow();
        menue->actions().value(0)->trigger();
    } else if (wort.startsWith(u"rm:"_s)) {
        QFile::remove(ordner.filePath(wort.mid(3)));
    } else if (wort == u"F1"_s) {
        druecke(Qt::Key_F1);
        auto* text = w->findChild<QTextBrowser*>();
        QVERIFY(text && text->isVisible());
        QVERIFY(text->toPlainText().contains(u"Die neun Regressionsmodelle"_s));
    } else if (wort.startsWith(u"liste"_s)) {
        const QString soll = wort.section(u':', 1);
        QVERIFY2(w->List1()->item(wort.mid(5, 1).toInt())->text().contains(soll), qPrintable(soll));
    } else if (wort.startsWith(u"dl"_s)) {
        QTest::mouseClick(w->List1()->viewport(), Qt::LeftButton, {}, zeile(w->List1(), zahl(2)));
        QTest::mouseDClick(w->List1()->viewport(), Qt::LeftButton, {}, zeile(w->List1(), zahl(2)));
    } else if (wort.startsWith(u'l')) {
        QTest::mouseClick(w->List1()->viewport(), Qt::LeftButton, {}, zeile(w->List1(), zahl(1)));
    } else if (wort == u"ja"_s || wort == u"nein"_s) {
        f.d.antworte(wort == u"ja"_s ? tk::Antwort::Ja : tk::Antwort::Nein);
    } else if (wort.startsWith(u"datei:"_s)) {
        const QString name = wort.mid(6);
        f.d.waehleDatei(name == u"-"_s ? std::nullopt
                                       : std::optional<QString>(ordner.filePath(name)));
    } else if (wort.startsWith(u"paste:"_s)) {
        QGuiApplication::clipboard()->setText(wort.mid(6).replace(u'~', u' ').replace(u'/', u'\n'));
        QTest::keyClick(fokus(), Qt::Key_V, Qt::ControlModifier);
    } else if (wort == u"fuenf"_s) {
        f.datensatzTippen(u"T"_s, FuenfPaare);
    } else {
        QFAIL(qPrintable(u"unbekannter Schritt "_s + wort));
    }
    warten();
}

QString paareVon(const tk::Programmzustand& z) {
    QStringList p;
    for (int i = 1; i <= std::min(z.AnzPaare, z.EingabeX.groesse()); ++i)
        p << QString::number(z.EingabeX(i), 'g', 6) + u' ' + QString::number(z.EingabeY(i), 'g', 6);
    return p.join(u'|');
}

} // namespace

class WegeTest : public QObject {
    Q_OBJECT
private slots:
    // The paths and what they must leave behind, from wege.txt.
    void weg_data() {
        for (const char* spalte : {"schritte", "paare", "titel", "datei", "meldung"})
            QTest::addColumn<QString>(spalte);
        QTest::addColumn<int>("ergebnis");
        QTest::addColumn<int>("xNr");
        QFile liste(QStringLiteral(TK_WEGE));
        QVERIFY(liste.open(QIODevice::ReadOnly | QIODevice::Text));
        for (const QString& zeile : QString::fromUtf8(liste.readAll()).split(u'\n')) {
            if (zeile.isEmpty() || zeile.startsWith(u'#')) continue;
            const QStringList w = zeile.split(u" | "_s);
            QCOMPARE(w.size(), 8);
            QTest::newRow(qPrintable(w[0]))
                << w[1] << w[2] << w[3] << w[4] << w[5] << w[6].toInt() << w[7].toInt();
        }
    }
    void weg() {
        QFETCH(QString, schritte);
        QTemporaryDir ordner;
        for (const auto& [name, text] :
             {std::pair{u"alt.rgr"_s, AltDatei},
              {u"kaputt.rgr"_s, QByteArray("T\r\n 5 \r\n 1 \r\n 1 2 \r\n")},
              {u"werte.csv"_s, QByteArray("X;Y\n1;2\n2;4\n3;7\n4;8\n")},
              {u"a.pro"_s, AltDatei}}) {
            QFile datei(ordner.filePath(name));
            QVERIFY(datei.open(QIODevice::WriteOnly));
            datei.write(text);
        }
        Eingabefenster f;
        QVERIFY(f.aktiv);
        for (const QString& wort : schritte.split(u' ', Qt::SkipEmptyParts)) {
            schritt(f, wort, ordner);
            if (QTest::currentTestFailed()) return;
        }
        f.fokussieren(f.w->Text2()); // whatever field was open is left
        QFETCH(QString, paare);
        QFETCH(QString, titel);
        QFETCH(QString, datei);
        QFETCH(QString, meldung);
        QFETCH(int, ergebnis);
        QFETCH(int, xNr);
        if (paare != u"*"_s) QCOMPARE(paareVon(f.z), paare);
        if (titel != u"*"_s) QCOMPARE(QString::fromStdString(f.z.Bezeichnung), titel);
        QCOMPARE(QString::fromStdString(f.z.DateiName),
                 datei.isEmpty() ? QString() : ordner.filePath(datei));
        const auto m = f.d.meldungen();
        const QString letzte = m.empty() ? u"-"_s : m.back().text;
        QVERIFY2(meldung == u"-"_s ? m.empty() : letzte.startsWith(meldung), qPrintable(letzte));
        QVERIFY2(f.d.unerwartet.isEmpty(), qPrintable(f.d.unerwartet.join(u'|')));
        if (ergebnis >= 0) QCOMPARE(f.w->cmd1(4)->isVisible(), ergebnis == 1);
        if (xNr) QCOMPARE(f.w->Label1(2)->text(), u" Wert X%1 :"_s.arg(xNr));
    }

    void listenzeile() {
        QCOMPARE(tk::listenZeile(7, 12.5, 0.0001), u"   7       12.5000000         0.0001000"_s);
        QCOMPARE(tk::listenZeile(21, 0, -3.25), u"  21    0.0000000E+00        -3.2500000"_s);
    }
};

TK_QTTEST(WegeTest);

#include "WegeTest.moc"
