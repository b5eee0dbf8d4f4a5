// Pairs pasted from a spreadsheet or imported into the real input window.

#include "tests/support/Eingabefenster.h"
#include "tests/support/QtTestLauf.h"

#include <QAction>
#include <QClipboard>
#include <QListWidget>
#include <QTemporaryFile>

using namespace Qt::StringLiterals;
using tk::test::Eingabefenster;
using Paare = std::vector<std::pair<double, double>>;

namespace {

const QString Tabelle = u"Jahr\tUmsatz\r\n2019\t0\r\n2020\t1\r\n2021\t3,5\r\n2022\t7,25\r\n"_s;
// As typing would store them: 0 and 1 are moved off the logarithms' singular points.
const Paare Eingefuegt = {{2019, 1e-7}, {2020, 1 + 1e-7}, {2021, 3.5}, {2022, 7.25}};
const Paare Getippt = {{1 + 1e-7, 2.1}, {2, 3.9}, {3, 6.2}, {4, 7.8}, {5, 10.1}};

struct Fall {
    const char* name;
    bool vorher;                   // five pairs typed and fitted before
    QString text;                  // pasted; imported from a file when the name is "Datei"
    int antwort;                   // to the question whether to replace them, -1 = none
    const char* meldung;           // part of the one message, "" = none
    const char* spalten = nullptr; // answer to "which columns", "" = cancel, null = not asked
};

QString zeilen(int n) {
    QString s;
    for (int i = 1; i <= n; ++i) s += QString::number(i) + u";1\n"_s;
    return s;
}

const int ja = int(tk::Antwort::Ja), nein = int(tk::Antwort::Nein);
const Fall faelle[] = {
    {"leer", false, Tabelle, -1, ""},
    {"Semikolon", false, u"2019;0\r\n+2020;+1\r\n2021;3,5\r\n2022;7,25;\r\n"_s, -1, ""},
    {"Datei", false, u"\uFEFF\"x\",\"y\"\n2019,0\n2020,1\n2021,3.5\n2022,7.25\n"_s, -1, ""},
    {"ersetzen", true, Tabelle, ja, "ersetzen"},
    {"behalten", true, Tabelle, nein, "ersetzen"},
    {"Text", true, u"1;2\n2;3\n3;abc\n4;5\n"_s, -1, "Zeile 3: \"3;abc\""},
    {"drei Spalten", false, u"Jahr;Nr;Umsatz\n2019;9;0\n2020;8;1\n2021;7;3,5\n2022;6;7,25\n"_s, -1,
     "", "1, 3"},
    {"Spaltenwahl abgebrochen", true, u"1;2;3\n2;3;4\n3;4;5\n4;5;6\n"_s, -1, "", ""},
    {"Spalte fehlt", true, u"1;2;3\n2;3;4\n3;4;5\n4;5;6\n"_s, -1, "keine Spalte 4", "1;4"},
    {"leere Zwischenablage", true, u" \r\n;\r\n"_s, -1, "leer"},
    {"zu viele", true, zeilen(22), -1, "Max. Anzahl = 21"}};

} // namespace

class EinfuegenTest : public QObject {
    Q_OBJECT
private slots:
    void einfuegen_data() {
        QTest::addColumn<int>("nr");
        for (std::size_t i = 0; i < std::size(faelle); ++i) QTest::newRow(faelle[i].name) << int(i);
    }
    void einfuegen() {
        QFETCH(int, nr);
        const Fall& fall = faelle[std::size_t(nr)];
        Eingabefenster f;
        QVERIFY(f.aktiv);
        if (fall.vorher) {
            f.datensatzTippen(u"T"_s, tk::test::FuenfPaare);
            f.klicke(f.w->cmd1(2));
            QVERIFY(f.w->vergleichsdaten());
        }
        if (fall.antwort >= 0) f.d.antworte(static_cast<tk::Antwort>(fall.antwort));
        if (fall.spalten)
            f.d.tippeAntwort(*fall.spalten ? std::optional(QString(fall.spalten)) : std::nullopt);
        QTemporaryFile datei;
        if (QByteArray(fall.name) == "Datei") {
            QVERIFY(datei.open());
            datei.write(fall.text.toUtf8());
            datei.close();
            f.d.waehleDatei(datei.fileName());
            f.w->menue(tk::frmKurvex::Menue::Importieren)->trigger();
        } else {
            QApplication::clipboard()->setText(fall.text);
            f.w->menue(tk::frmKurvex::Menue::Einfuegen)->trigger();
        }
        tk::test::warten();

        const bool geaendert = !fall.vorher || fall.antwort == int(tk::Antwort::Ja);
        const Paare& soll = geaendert ? Eingefuegt : Getippt;
        Paare ist;
        for (int i = 1; i <= f.z.AnzPaare; ++i) ist.push_back({f.z.EingabeX(i), f.z.EingabeY(i)});
        QVERIFY(ist == soll);
        QVERIFY2(f.d.unerwartet.isEmpty(), qPrintable(f.d.unerwartet.join(u'|')));
        QVERIFY(f.w->List1()->count() == int(soll.size()) &&
                f.w->Text1(0)->text().toInt() == int(soll.size()));
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), *fall.meldung ? 1u : 0u);
        if (!m.empty()) QVERIFY2(m[0].text.contains(fall.meldung), qPrintable(m[0].text));
        // Old results go with the data they belonged to, and only then.
        QCOMPARE(bool(f.w->vergleichsdaten()), fall.vorher && !geaendert);
        QCOMPARE(f.w->cmd1(4)->isHidden(), geaendert);

        // The pasted set is a complete one: it can be fitted at once.
        f.klicke(f.w->cmd1(2));
        QVERIFY(f.w->vergleichsdaten() && f.w->vergleichsdaten()->regression.modellNr != 0);
    }
};

TK_QTTEST(EinfuegenTest);

#include "EinfuegenTest.moc"
