// Pairs pasted from a spreadsheet into the real input window.

#include "Eingabefenster.h"
#include "QtTestLauf.h"
#include "Regression.h"

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

QString zeilen(int n) {
    QString s;
    for (int i = 1; i <= n; ++i) s += QString::number(i) + u";1\n"_s;
    return s;
}

Paare gespeichert(const tk::Programmzustand& z) {
    Paare p;
    for (int i = 1; i <= z.AnzPaare; ++i) p.push_back({z.EingabeX(i), z.EingabeY(i)});
    return p;
}

} // namespace

Q_DECLARE_METATYPE(Paare)

class EinfuegenTest : public QObject {
    Q_OBJECT
private slots:
    void einfuegen_data() {
        QTest::addColumn<bool>("vorher"); // five pairs typed and fitted before
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("antwort"); // to the question whether to replace them
        QTest::addColumn<Paare>("paare");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("leer") << false << Tabelle << -1 << Eingefuegt << QString();
        QTest::newRow("Semikolon") << false << u"2019;0\r\n2020;1\r\n2021;3,5\r\n2022;7,25;\r\n"_s
                                   << -1 << Eingefuegt << QString();
        QTest::newRow("Blanks") << false << u"  2019   0\n2020 1\n\n2021 3.5\n2022 +7.25E0\n"_s
                                << -1 << Eingefuegt << QString();
        QTest::newRow("Datei") << false
                               << u"\uFEFF\"x\",\"y\"\n2019,0\n2020,1\n2021,3.5\n2022,7.25\n"_s
                               << -1 << Eingefuegt << QString();
        QTest::newRow("ersetzen") << true << Tabelle << int(tk::Antwort::Ja) << Eingefuegt
                                  << u"ersetzen"_s;
        QTest::newRow("behalten") << true << Tabelle << int(tk::Antwort::Nein) << Getippt
                                  << u"ersetzen"_s;
        const std::pair<const char*, QString> abgelehnt[] = {
            {"1;2\n2;3\n3;abc\n4;5\n", u"Zeile 3: \"3;abc\""_s},
            {"X;Y\nA;B\n1;2\n2;3\n3;4\n4;5\n", u"Zeile 2"_s},
            {"1;2;3\n2;3;4\n3;4;5\n4;5;6\n", u"Zeile 1"_s},
            {"1;1.234,5\n2;3\n3;4\n4;5\n", u"Zeile 1"_s},
            {"1;1E999\n2;3\n3;4\n4;5\n", u"Zeile 1"_s},
            {"1;inf\n2;3\n3;4\n4;5\n", u"Zeile 1"_s},
            {"1;2\n2;3\n3;4\n", u"mindestens 4"_s}};
        int nr = 0;
        for (const auto& [text, meldung] : abgelehnt)
            QTest::addRow("abgelehnt %d", ++nr)
                << true << QString::fromUtf8(text) << -1 << Getippt << meldung;
        QTest::newRow("zu viele") << true << zeilen(22) << -1 << Getippt << u"Max. Anzahl = 21"_s;
    }
    void einfuegen() {
        QFETCH(bool, vorher);
        QFETCH(QString, text);
        QFETCH(int, antwort);
        QFETCH(Paare, paare);
        QFETCH(QString, meldung);
        Eingabefenster f;
        QVERIFY(f.aktiv);
        if (vorher) {
            f.datensatzTippen(u"T"_s, tk::test::FuenfPaare);
            f.klicke(f.w->cmd1(2));
            QVERIFY(f.w->vergleichsdaten());
        }
        if (antwort >= 0) f.d.antworte(static_cast<tk::Antwort>(antwort));
        QTemporaryFile datei;
        if (QByteArray(QTest::currentDataTag()) == "Datei") {
            QVERIFY(datei.open());
            datei.write(text.toUtf8());
            datei.close();
            f.d.waehleDatei(datei.fileName());
            f.w->menue(tk::frmKurvex::Menue::Importieren)->trigger();
        } else {
            QApplication::clipboard()->setText(text);
            f.w->menue(tk::frmKurvex::Menue::Einfuegen)->trigger();
        }
        tk::test::warten();

        QCOMPARE(gespeichert(f.z), paare);
        QCOMPARE(f.w->List1()->count(), int(paare.size()));
        QCOMPARE(f.w->Text1(0)->text().toInt(), int(paare.size()));
        const auto m = f.d.meldungen();
        QCOMPARE(m.size(), meldung.isEmpty() ? 0u : 1u);
        if (!m.empty()) QVERIFY2(m[0].text.contains(meldung), qPrintable(m[0].text));
        // Old results go with the data they belonged to, and only then.
        const bool geaendert = paare == Eingefuegt;
        QCOMPARE(bool(f.w->vergleichsdaten()), vorher && !geaendert);
        QCOMPARE(f.w->cmd1(4)->isHidden(), !vorher || geaendert);

        // The pasted set is a complete one: it can be fitted at once.
        f.klicke(f.w->cmd1(2));
        const auto d = f.w->vergleichsdaten();
        QVERIFY(d && d->regression.modellNr != 0);
    }
};

int main(int argc, char* argv[]) {
    return tk::test::qtTestsAusfuehren(argc, argv, {[] { return new EinfuegenTest; }});
}

#include "EinfuegenTest.moc"
