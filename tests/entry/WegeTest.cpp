// Scripted user paths through the input window, each checked against the data set
// the user meant: pairs, title, file name, and whether old results still show.

#include "Eingabefenster.h"

#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace tk::test;
using Menue = tk::frmKurvex::Menue;

namespace {

const QByteArray AltDatei = "Alt\r\n 5 \r\n 1 \r\n 1  2.1 \r\n 2  3.9 \r\n 3  6.2 \r\n 4  7.8 \r\n"
                            " 5  10.1 \r\n";
const QString Fuenf = u"1 2.1|2 3.9|3 6.2|4 7.8|5 10.1"_s;

QPoint zeile(QListWidget* liste, int r) {
    return liste->visualItemRect(liste->item(r)).center();
}

// One step of a path. Words: T A X Y L focus title, count, X, Y or list; =text types
// (a '~' stands for a blank); > Enter; tab, btab, entf keys; k<i> clicks cmd1(i);
// l<r>, dl<r> click or double-click list row r; ja, nein answer the next question;
// datei:<name> or datei:- choose a file in the next dialog or cancel it; paste:<text>
// pastes; menu words Neu Oeffnen Speichern Unter Loeschen; fuenf types title "T" and
// five pairs; laden opens alt.rgr (title "Alt", the same five pairs).
void schritt(Eingabefenster& f, const QString& wort, const QTemporaryDir& ordner) {
    auto* w = f.w.get();
    const QMap<QString, QWidget*> felder = {{u"T"_s, w->Text2()},
                                            {u"A"_s, w->Text1(0)},
                                            {u"X"_s, w->Text1(1)},
                                            {u"Y"_s, w->Text1(2)},
                                            {u"L"_s, w->List1()}};
    const QMap<QString, Menue> menues = {{u"Neu"_s, Menue::Neu},
                                         {u"Oeffnen"_s, Menue::Oeffnen},
                                         {u"Speichern"_s, Menue::Speichern},
                                         {u"Unter"_s, Menue::SpeichernUnter},
                                         {u"Loeschen"_s, Menue::Loeschen}};
    const QMap<QString, int> tasten = {
        {u">"_s, Qt::Key_Return}, {u"tab"_s, Qt::Key_Tab}, {u"entf"_s, Qt::Key_Delete}};
    const auto zahl = [&](int ab) { return wort.mid(ab).toInt(); };
    if (felder.contains(wort)) {
        f.fokussieren(felder[wort]);
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
        QGuiApplication::clipboard()->setText(wort.mid(6).replace(u'~', u' '));
        QTest::keyClick(fokus(), Qt::Key_V, Qt::ControlModifier);
    } else if (wort == u"fuenf"_s) {
        f.datensatzTippen(u"T"_s, FuenfPaare);
    } else {
        QFAIL(qPrintable(u"unbekannter Schritt "_s + wort));
    }
    warten();
}

QString paare(const tk::Programmzustand& z) {
    QStringList p;
    for (int i = 1; i <= std::min(z.AnzPaare, z.EingabeX.groesse()); ++i)
        p << QString::number(z.EingabeX(i), 'g', 6) + u' ' + QString::number(z.EingabeY(i), 'g', 6);
    return p.join(u'|');
}

} // namespace

class WegeTest : public QObject {
    Q_OBJECT
private slots:
    void weg_data() {
        QTest::addColumn<QString>("schritte");
        QTest::addColumn<QString>("paare");   // x y|x y|... (6 significant digits), "*"
        QTest::addColumn<QString>("titel");   // "*" = not checked
        QTest::addColumn<QString>("datei");   // name in the test folder, or empty
        QTest::addColumn<QString>("meldung"); // start of the last message, "-" = none at all
        QTest::addColumn<int>("ergebnis");    // results visible: 1, 0, -1 = not checked
        QTest::addColumn<QString>("xLabel");  // "" = not checked

        // Moving through the fields stores nothing.
        QTest::newRow("Tab nach Laden") << u"laden X tab tab tab X btab btab"_s << Fuenf << u"Alt"_s
                                        << u"alt.rgr"_s << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Tab nach Rechnung") << u"fuenf k2 X tab tab"_s << Fuenf << u"T"_s
                                           << QString() << u"-"_s << 1 << u" Wert X1 :"_s;
        // Correction ends with its pair.
        QTest::newRow("Korrektur endet")
            << u"fuenf l2 X =3.5 > =6 > X tab tab"_s << u"1 2.1|2 3.9|3.5 6|4 7.8|5 10.1"_s
            << u"T"_s << QString() << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Korrektur zurück zu X")
            << u"fuenf l2 X =3.5 > btab =3.7 > =6 >"_s << u"1 2.1|2 3.9|3.7 6|4 7.8|5 10.1"_s
            << u"T"_s << QString() << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Korrektur verlassen")
            << u"fuenf l2 X =9 A Y =8 tab"_s << u"1 8|2 3.9|9 6.2|4 7.8|5 10.1"_s << u"T"_s
            << QString() << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Löschen Nein")
            << u"fuenf nein dl1 X tab tab"_s << Fuenf << u"T"_s << QString()
            << u"Wollen Sie diese Zeile"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Löschen Ja")
            << u"fuenf k2 ja dl1"_s << u"1 2.1|3 6.2|4 7.8|5 10.1"_s << u"T"_s << QString()
            << u"Wollen Sie diese Zeile"_s << 0 << u" Wert X1 :"_s;
        QTest::newRow("Entf-Taste")
            << u"fuenf L ja entf"_s << u"2 3.9|3 6.2|4 7.8|5 10.1"_s << u"T"_s << QString()
            << u"Wollen Sie diese Zeile"_s << -1 << QString();
        // A list click during entry is refused: no phantom pair.
        QTest::newRow("Klick während Eingabe")
            << u"A =5 > > =1 > =2 > =2 > =4 > =3 l0 X =3 > =6 >"_s << u"1 2|2 4|3 6|0 0|0 0"_s
            << u"*"_s << QString() << u"Eingabe-Korrektur erst nach Eingabe-Ende !"_s << -1
            << u" Wert X4 :"_s;
        // The count: refused outside 4..21; once confirmed, changed only when asked.
        QTest::newRow("Anzahl 22") << u"A =22 >"_s << QString() << u"*"_s << QString()
                                   << u"Max. Anzahl = 21"_s << -1 << QString();
        QTest::newRow("Anzahl 21")
            << u"A =21 > >"_s << u"*"_s << u"*"_s << QString() << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Anzahl 3") << u"A =3 > >"_s << QString() << u"*"_s << QString()
                                  << u"Es müssen mindestens 4"_s << -1 << QString();
        QTest::newRow("Anzahl 0") << u"A =0 > >"_s << QString() << u"*"_s << QString()
                                  << u"Betrag muss grösser Null"_s << -1 << QString();
        QTest::newRow("Vergrössern Nein") << u"fuenf nein A =6 >"_s << Fuenf << u"T"_s << QString()
                                          << u"Wollen Sie die Anzahl"_s << -1 << QString();
        QTest::newRow("Verkleinern auf 3") << u"fuenf A =3 >"_s << Fuenf << u"T"_s << QString()
                                           << u"Es müssen mindestens 4"_s << -1 << QString();
        QTest::newRow("Verkleinern auf 4")
            << u"fuenf k2 ja A =4 >"_s << u"1 2.1|2 3.9|3 6.2|4 7.8"_s << u"T"_s << QString()
            << u"Wollen Sie die Anzahl"_s << 0 << u" Wert X1 :"_s;
        // "Neu" forgets pairs, title and file; "Löschen" only forgets its own file.
        QTest::newRow("Anzahl vor Bestätigung")
            << u"A =5 > A =7 >"_s << QString() << u"*"_s << QString() << u"-"_s << -1 << QString();
        QTest::newRow("Neu-Knopf")
            << u"fuenf k2 k3"_s << QString() << QString() << QString() << u"-"_s << 0 << QString();
        QTest::newRow("Neu nach Laden")
            << u"laden Neu A =4 > > =1 > =2 > Speichern"_s << u"1 2|0 0|0 0|0 0"_s << QString()
            << QString() << u"Dateiname unbekannt"_s << -1 << u" Wert X2 :"_s;
        QTest::newRow("Datei löschen Nein")
            << u"laden datei:alt.rgr nein Loeschen"_s << Fuenf << u"Alt"_s << u"alt.rgr"_s
            << u"Wollen Sie "_s << -1 << QString();
        QTest::newRow("Löschen fremd")
            << u"laden datei:n.rgr Unter datei:alt.rgr ja Loeschen"_s << Fuenf << u"Alt"_s
            << u"n.rgr"_s << u"Wollen Sie "_s << -1 << QString();
        QTest::newRow("Löschen eigene")
            << u"fuenf datei:n.rgr Unter datei:n.rgr ja Loeschen Speichern"_s << Fuenf << u"T"_s
            << QString() << u"Dateiname unbekannt"_s << -1 << QString();
        QTest::newRow("Speichern und Laden")
            << u"fuenf datei:n.rgr Unter Neu datei:n.rgr Oeffnen k2"_s << Fuenf << u"T"_s
            << u"n.rgr"_s << u"-"_s << 1 << u" Wert X1 :"_s;
        // Cancelled dialogs and unreadable files change nothing.
        for (const char* menue : {"Oeffnen", "Unter", "Loeschen"})
            QTest::newRow(menue) << u"fuenf datei:- "_s + QLatin1String(menue) << Fuenf << u"T"_s
                                 << QString() << u"-"_s << -1 << QString();
        QTest::newRow("kaputte Datei") << u"fuenf datei:kaputt.rgr Oeffnen"_s << Fuenf << u"T"_s
                                       << QString() << u"Datei \""_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("fehlende Datei")
            << u"fuenf datei:fehlt.rgr Oeffnen"_s << Fuenf << u"T"_s << QString()
            << u" Datei nicht gefunden"_s << -1 << QString();
        // Any change hides old results.
        QTest::newRow("Korrektur nach Rechnung")
            << u"fuenf k2 l4 X =5 > =11 >"_s << u"1 2.1|2 3.9|3 6.2|4 7.8|5 11"_s << u"T"_s
            << QString() << u"-"_s << 0 << u" Wert X1 :"_s;
        QTest::newRow("Vergrössern um 2")
            << u"fuenf k2 A =7 ja > =6 > =12 > =7 > =14 >"_s
            << u"1 2.1|2 3.9|3 6.2|4 7.8|5 10.1|6 12|7 14"_s << u"T"_s << QString()
            << u"Wollen Sie die Anzahl"_s << 0 << u" Wert X1 :"_s;
        QTest::newRow("Vergrössern, erst X6")
            << u"fuenf A =7 ja > X tab tab"_s << u"1 2.1|2 3.9|3 6.2|4 7.8|5 10.1|0 0|0 0"_s
            << u"T"_s << QString() << u"Wollen Sie die Anzahl"_s << -1 << u" Wert X6 :"_s;
        QTest::newRow("mindestens 4")
            << u"A =4 > > =1 > =2 > =2 > =4 > =3 > =6 > =4 > =8 > dl0"_s << u"1 2|2 4|3 6|4 8"_s
            << u"*"_s << QString() << u"Es müssen mindestens 4 Wertepaare eingegeben werden"_s << -1
            << u" Wert X1 :"_s;
        // Numbers: decimal comma, pasted text, out of range; no Y before its X.
        QTest::newRow("Komma") << u"A =4 > > =2,5 > =1,25 > paste:3,5 > paste:Wert:~7,5~kg >"_s
                               << u"2.5 1.25|3.5 7.5|0 0|0 0"_s << u"*"_s << QString() << u"-"_s
                               << -1 << u" Wert X3 :"_s;
        QTest::newRow("Y ohne X") << u"A =4 > > Y =5 >"_s << u"5 0|0 0|0 0|0 0"_s << u"*"_s
                                  << QString() << u"-"_s << -1 << u" Wert X1 :"_s;
        QTest::newRow("Tastenfilter")
            << u"A =4 > > =1a2b3 > =2e+4 > =1.5E-3 > =~7~ >"_s << u"123 20000|0.0015 7|0 0|0 0"_s
            << u"*"_s << QString() << u"-"_s << -1 << u" Wert X3 :"_s;
        QTest::newRow("keine Zahl eingefügt")
            << u"A =4 > > =2 > paste:abc > > =1 >"_s << u"2 1|0 0|0 0|0 0"_s << u"*"_s << QString()
            << u"-"_s << -1 << u" Wert X2 :"_s;
        QTest::newRow("zu gross") << u"A =4 > > =1E999 >"_s << u"0 0|0 0|0 0|0 0"_s << u"*"_s
                                  << QString() << u"Die Zahl liegt ausserhalb"_s << -1
                                  << u" Wert X1 :"_s;
        QTest::newRow("nur Minus")
            << u"A =4 > > =- >"_s << u"0 0|0 0|0 0|0 0"_s << u"*"_s << QString()
            << u"Bitte eine Zahl eingeben !"_s << -1 << u" Wert X1 :"_s;
        // Titles: at most 52 characters, only what the file can hold.
        QTest::newRow("Titel 60") << u"T ="_s + QString(60, u'x') + u" >"_s << QString()
                                  << QString(52, u'x') << QString() << u"-"_s << -1 << QString();
        QTest::newRow("Titel Zeichensatz")
            << u"T =Kosten~€~ł@ß~\"Zitat\" >"_s << QString() << u"Kosten € ß \"Zitat\""_s
            << QString() << u"-"_s << -1 << QString();
    }
    void weg() {
        QFETCH(QString, schritte);
        QTemporaryDir ordner;
        for (const auto& [name, text] :
             {std::pair{u"alt.rgr"_s, AltDatei},
              {u"kaputt.rgr"_s, QByteArray("T\r\n 5 \r\n 1 \r\n 1 2 \r\n")}}) {
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
        if (paare != u"*"_s) QCOMPARE(::paare(f.z), paare);
        QFETCH(QString, titel);
        if (titel != u"*"_s) QCOMPARE(QString::fromStdString(f.z.Bezeichnung), titel);
        QFETCH(QString, datei);
        QCOMPARE(QString::fromStdString(f.z.DateiName),
                 datei.isEmpty() ? QString() : ordner.filePath(datei));
        QFETCH(QString, meldung);
        const auto m = f.d.meldungen();
        if (meldung == u"-"_s)
            QVERIFY2(m.empty(), qPrintable(m.empty() ? QString() : m.back().text));
        else
            QVERIFY2(!m.empty() && m.back().text.startsWith(meldung),
                     qPrintable(m.empty() ? QString() : m.back().text));
        QVERIFY2(f.d.unerwartet.isEmpty(), qPrintable(f.d.unerwartet.join(u'|')));
        QFETCH(int, ergebnis);
        if (ergebnis >= 0) QCOMPARE(f.w->cmd1(4)->isVisible(), ergebnis == 1);
        QFETCH(QString, xLabel);
        if (!xLabel.isEmpty()) QCOMPARE(f.w->Label1(2)->text(), xLabel);
    }
};

QObject* neuWegeTest() {
    return new WegeTest;
}

#include "WegeTest.moc"
