// Scripted user paths through the input window, checked against the data set the user
// meant (pairs, title, file name, results still shown), and the lines of its value list.

#include "Eingabefenster.h"
#include "QtTestLauf.h"
#include "Werteliste.h"

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

QPoint zeile(QListWidget* liste, int r) {
    return liste->visualItemRect(liste->item(r)).center();
}

// One step of a path. Words: T A X Y L focus title, count, X, Y or list; =text types
// (a '~' stands for a blank); > Enter; tab, btab, entf keys; k<i> clicks cmd1(i);
// l<r>, dl<r> click or double-click list row r; ja, nein answer the next question;
// datei:<name> or datei:- choose a file in the next dialog or cancel it; paste:<text>
// pastes; menu words Neu Oeffnen Speichern Unter Loeschen; fuenf types title "T" and
// five pairs; laden opens alt.rgr (title "Alt", the same five pairs).
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

struct Weg {
    const char* name;
    const char* schritte;
    const char* paare;         // x y|x y|... (6 significant digits), "*" = not checked
    const char* titel;         // "*" = not checked
    const char* datei;         // name in the test folder, or empty
    const char* meldung = "-"; // start of the last message, "-" = none at all
    int ergebnis = -1;         // results visible: 1, 0, -1 = not checked
    int xNr = 0;               // the pair the X label names, 0 = not checked
};

constexpr const char* Fuenf = "1 2.1|2 3.9|3 6.2|4 7.8|5 10.1";

const Weg wege[] = {
    // Moving through the fields stores nothing.
    {"Tab nach Laden", "laden X tab tab tab X btab btab", Fuenf, "Alt", "alt.rgr", "-", -1, 1},
    {"Tab nach Rechnung", "fuenf k2 X tab tab", Fuenf, "T", "", "-", 1, 1},
    // Correction ends with its pair.
    {"Korrektur endet", "fuenf l2 X =3.5 > =6 > X tab tab", "1 2.1|2 3.9|3.5 6|4 7.8|5 10.1", "T",
     "", "-", -1, 1},
    {"Korrektur zurück zu X", "fuenf l2 X =3.5 > btab =3.7 > =6 >",
     "1 2.1|2 3.9|3.7 6|4 7.8|5 10.1", "T", "", "-", -1, 1},
    {"Korrektur verlassen", "fuenf l2 X =9 A Y =8 tab", "1 8|2 3.9|9 6.2|4 7.8|5 10.1", "T", "",
     "-", -1, 1},
    {"Löschen Nein", "fuenf nein dl1 X tab tab", Fuenf, "T", "", "Wollen Sie diese Zeile", -1, 1},
    {"Löschen Ja", "fuenf k2 ja dl1", "1 2.1|3 6.2|4 7.8|5 10.1", "T", "", "Wollen Sie diese Zeile",
     0, 1},
    {"Entf-Taste", "fuenf L ja entf", "2 3.9|3 6.2|4 7.8|5 10.1", "T", "",
     "Wollen Sie diese Zeile"},
    // A list click during entry is refused: no phantom pair.
    {"Klick während Eingabe", "A =5 > > =1 > =2 > =2 > =4 > =3 l0 X =3 > =6 >",
     "1 2|2 4|3 6|0 0|0 0", "*", "", "Eingabe-Korrektur erst nach Eingabe-Ende !", -1, 4},
    // The count: refused outside 4..21; once confirmed, changed only when asked.
    {"Anzahl 22", "A =22 >", "", "*", "", "Max. Anzahl = 21"},
    {"Anzahl 21", "A =21 > >", "*", "*", "", "-", -1, 1},
    {"Anzahl 3", "A =3 > >", "", "*", "", "Es müssen mindestens 4"},
    {"Anzahl 0", "A =0 > >", "", "*", "", "Betrag muss grösser Null"},
    {"Vergrössern Nein", "fuenf nein A =6 >", Fuenf, "T", "", "Wollen Sie die Anzahl"},
    {"Verkleinern auf 3", "fuenf A =3 >", Fuenf, "T", "", "Es müssen mindestens 4"},
    {"Verkleinern auf 4", "fuenf k2 ja A =4 >", "1 2.1|2 3.9|3 6.2|4 7.8", "T", "",
     "Wollen Sie die Anzahl", 0, 1},
    // "Neu" forgets pairs, title and file; "Löschen" only forgets its own file.
    {"Anzahl vor Bestätigung", "A =5 > A =7 >", "", "*", ""},
    {"Neu-Knopf", "fuenf k2 k3", "", "", "", "-", 0},
    {"Neu nach Laden", "laden Neu A =4 > > =1 > =2 > Speichern", "1 2|0 0|0 0|0 0", "", "",
     "Dateiname unbekannt", -1, 2},
    {"Datei löschen Nein", "laden datei:alt.rgr nein Loeschen", Fuenf, "Alt", "alt.rgr",
     "Wollen Sie "},
    {"Löschen fremd", "laden datei:n.rgr Unter datei:alt.rgr ja Loeschen", Fuenf, "Alt", "n.rgr",
     "Wollen Sie "},
    {"Löschen eigene", "fuenf datei:n.rgr Unter datei:n.rgr ja Loeschen Speichern", Fuenf, "T", "",
     "Dateiname unbekannt"},
    {"Speichern und Laden", "fuenf datei:n.rgr Unter Neu datei:n.rgr Oeffnen k2", Fuenf, "T",
     "n.rgr", "-", 1, 1},
    // Cancelled dialogs and unreadable files change nothing.
    {"Oeffnen", "fuenf datei:- Oeffnen", Fuenf, "T", ""},
    {"Unter", "fuenf datei:- Unter", Fuenf, "T", ""},
    {"Loeschen", "fuenf datei:- Loeschen", Fuenf, "T", ""},
    {"kaputte Datei", "fuenf datei:kaputt.rgr Oeffnen", Fuenf, "T", "", "Datei \"", -1, 1},
    {"fehlende Datei", "fuenf datei:fehlt.rgr Oeffnen", Fuenf, "T", "", " Datei nicht gefunden"},
    // Any change hides old results.
    {"Korrektur nach Rechnung", "fuenf k2 l4 X =5 > =11 >", "1 2.1|2 3.9|3 6.2|4 7.8|5 11", "T", "",
     "-", 0, 1},
    {"Vergrössern um 2", "fuenf k2 A =7 ja > =6 > =12 > =7 > =14 >",
     "1 2.1|2 3.9|3 6.2|4 7.8|5 10.1|6 12|7 14", "T", "", "Wollen Sie die Anzahl", 0, 1},
    {"Vergrössern, erst X6", "fuenf A =7 ja > X tab tab", "1 2.1|2 3.9|3 6.2|4 7.8|5 10.1|0 0|0 0",
     "T", "", "Wollen Sie die Anzahl", -1, 6},
    {"mindestens 4", "A =4 > > =1 > =2 > =2 > =4 > =3 > =6 > =4 > =8 > dl0", "1 2|2 4|3 6|4 8", "*",
     "", "Es müssen mindestens 4 Wertepaare eingegeben werden", -1, 1},
    // Numbers: decimal comma, pasted text, out of range; no Y before its X.
    {"Komma", "A =4 > > =2,5 > =1,25 > paste:3,5 > paste:Wert:~7,5~kg >",
     "2.5 1.25|3.5 7.5|0 0|0 0", "*", "", "-", -1, 3},
    {"Y ohne X", "A =4 > > Y =5 >", "5 0|0 0|0 0|0 0", "*", "", "-", -1, 1},
    {"Tastenfilter", "A =4 > > =1a2b3 > =2e+4 > =1.5E-3 > =~7~ >", "123 20000|0.0015 7|0 0|0 0",
     "*", "", "-", -1, 3},
    {"keine Zahl eingefügt", "A =4 > > =2 > paste:abc > > =1 >", "2 1|0 0|0 0|0 0", "*", "", "-",
     -1, 2},
    {"zu gross", "A =4 > > =1E999 >", "0 0|0 0|0 0|0 0", "*", "", "Die Zahl liegt ausserhalb", -1,
     1},
    {"nur Minus", "A =4 > > =- >", "0 0|0 0|0 0|0 0", "*", "", "Bitte eine Zahl eingeben !", -1, 1},
    // Titles: at most 52 characters, only what the file can hold.
    {"Titel 60", "T =xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx >", "",
     "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx", ""},
    {"Titel Zeichensatz", "T =Kosten~€~ł@ß~\"Zitat\" >", "", "Kosten € ß \"Zitat\"", ""},
};

} // namespace

class WegeTest : public QObject {
    Q_OBJECT
private slots:
    void weg_data() {
        QTest::addColumn<int>("nr");
        for (std::size_t i = 0; i < std::size(wege); ++i) QTest::newRow(wege[i].name) << int(i);
    }
    void weg() {
        QFETCH(int, nr);
        const Weg& weg = wege[nr];
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
        for (const QString& wort :
             QString::fromUtf8(weg.schritte).split(u' ', Qt::SkipEmptyParts)) {
            schritt(f, wort, ordner);
            if (QTest::currentTestFailed()) return;
        }
        f.fokussieren(f.w->Text2()); // whatever field was open is left
        const auto text = [](const char* s) { return QString::fromUtf8(s); };
        if (text(weg.paare) != u"*"_s) QCOMPARE(paare(f.z), text(weg.paare));
        if (text(weg.titel) != u"*"_s)
            QCOMPARE(QString::fromStdString(f.z.Bezeichnung), text(weg.titel));
        QCOMPARE(QString::fromStdString(f.z.DateiName),
                 *weg.datei ? ordner.filePath(text(weg.datei)) : QString());
        const auto m = f.d.meldungen();
        const QString letzte = m.empty() ? u"-"_s : m.back().text;
        QVERIFY2(text(weg.meldung) == u"-"_s ? m.empty() : letzte.startsWith(text(weg.meldung)),
                 qPrintable(letzte));
        QVERIFY2(f.d.unerwartet.isEmpty(), qPrintable(f.d.unerwartet.join(u'|')));
        if (weg.ergebnis >= 0) QCOMPARE(f.w->cmd1(4)->isVisible(), weg.ergebnis == 1);
        if (weg.xNr) QCOMPARE(f.w->Label1(2)->text(), u" Wert X%1 :"_s.arg(weg.xNr));
    }

    void listenzeile() {
        QCOMPARE(tk::listenZeile(7, 12.5, 0.0001), u"   7       12.5000000         0.0001000"_s);
        QCOMPARE(tk::listenZeile(21, 0, -3.25), u"  21    0.0000000E+00        -3.2500000"_s);
    }
};

TK_QTTEST(WegeTest);

#include "WegeTest.moc"
