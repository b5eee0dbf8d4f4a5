// The A4 page: the paper check, printing that leaves nothing half done, and the
// printed values read back from a PDF of the real chart window.

#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "charts/GrafikErgebnisse.h"
#include "print/Druckseite.h"
#include "print/QtDrucker.h"
#include "tests/print/AufzeichnungsDrucker.h"
#include "tests/support/FakeDialoge.h"
#include "tests/support/Panelaufbau.h"
#include "tests/support/QtTestLauf.h"
#include "tests/support/Teststaende.h"

#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <stdexcept>

using namespace tk;
using namespace Qt::StringLiterals;
using namespace tk::test;

namespace {

Programmzustand regressionsZustand() {
    return regression({{2, 5}, {3, 7}, {4, 9}, {5, 11}, {6, 13}}, "Versuchsreihe Regression");
}

QString pdfText(const QString& datei, const QString& art = QStringLiteral("-layout")) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {art, datei, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

// The lines of a page's tables (Courier) from the top down, each left (pairs) or right
// (queries) of 95 mm, its texts trimmed in order; "(E)" left out.
std::pair<std::vector<QStringList>, std::vector<QStringList>>
tabellen(const AufzeichnungsAusgabe& a) {
    std::map<double, std::map<double, QString>> zeilen[2];
    for (const auto& e : a.eintraege) {
        const double mitte = e.x1 + a.textBreite(e.text) / 2;
        if (e.art == Aufzeichnung::Art::Text && e.schrift.name == QStringLiteral("Courier New") &&
            e.text.trimmed() != QStringLiteral("(E)"))
            zeilen[mitte > 95][e.y1][e.x1] = e.text.trimmed();
    }
    std::vector<QStringList> r[2];
    for (int s : {0, 1})
        for (const auto& [y, texte] : zeilen[s]) {
            r[s].emplace_back();
            for (const auto& [x, t] : texte) r[s].back() << t;
        }
    return {r[0], r[1]};
}

void vergleiche(const QStringList& ist, const std::vector<double>& soll, const QString& wo) {
    QCOMPARE(ist.size(), qsizetype(soll.size()));
    for (qsizetype i = 0; i < ist.size(); ++i) {
        const double v = QString(ist[i]).replace(u',', u'.').toDouble();
        const double s = soll[static_cast<std::size_t>(i)];
        QVERIFY2(std::abs(v - s) <= 1e-5 * std::max(1.0, std::abs(s)),
                 qPrintable(wo + ": " + ist.join(u' ')));
    }
}

} // namespace

class DruckTest : public QObject {
    Q_OBJECT
private slots:
    // A page that is not A4 within 50 twips is refused, each wrong side with a message.
    void papierPruefung_data() {
        QTest::addColumn<double>("breite");
        QTest::addColumn<double>("hoehe");
        QTest::addColumn<int>("meldungen");
        QTest::newRow("A4") << 11907.0 << 16840.0 << 0;
        QTest::newRow("50 twips daneben") << 11957.0 << 16790.0 << 0;
        QTest::newRow("51 twips zu schmal") << 11856.0 << 16840.0 << 1;
        QTest::newRow("Letter") << 12240.0 << 15840.0 << 2;
        QTest::newRow("A4 quer") << 16840.0 << 11900.0 << 2;
    }

    void papierPruefung() {
        QFETCH(double, breite);
        QFETCH(double, hoehe);
        QFETCH(int, meldungen);
        FakeDialoge d;
        const auto z = regressionsZustand();
        GrafikZustand g;
        AufzeichnungsDrucker drucker(breite, hoehe, {200, 287});
        QCOMPARE(Druck(d, z, g, {}, drucker), meldungen == 0);
        QCOMPARE(d.meldungen().size(), std::size_t(meldungen));
        for (const auto& m : d.meldungen())
            QCOMPARE(m.text, QStringLiteral("Richten Sie den Drucker auf Papierformat A4 ein !!"));
        QCOMPARE(drucker.beendet, meldungen == 0 ? 1 : 0);
    }

    // Whatever fails, no page leaves half printed and the screen mode comes back.
    void fehlerDrucktNichts_data() {
        QTest::addColumn<int>("fehler"); // 0 chart fails, 1 no page, 2 foreign exception
        QTest::addColumn<int>("begonnen");
        QTest::addColumn<QString>("meldung");
        QTest::newRow("Grafik") << 0 << 0 << "";
        QTest::newRow("Drucker") << 1 << 1 << " 482 ";
        QTest::newRow("fremd") << 2 << 0 << "";
    }

    void fehlerDrucktNichts() {
        QFETCH(int, fehler);
        QFETCH(int, begonnen);
        QFETCH(QString, meldung);
        struct OhneSeite : AufzeichnungsDrucker {
            using AufzeichnungsDrucker::AufzeichnungsDrucker;
            Ausgabe* seiteBeginnen() override { return ++begonnen, nullptr; }
        };
        FakeDialoge d;
        const auto z = regressionsZustand();
        GrafikZustand g;
        std::unique_ptr<AufzeichnungsDrucker> drucker =
            fehler == 1 ? std::make_unique<OhneSeite>(11907, 16840, QSizeF(200, 287))
                        : std::make_unique<AufzeichnungsDrucker>(11907, 16840, QSizeF(200, 287));
        bool druckModus = false;
        auto grafik = [&](Ausgabe&) -> bool {
            druckModus = g.DruckModus;
            if (fehler == 2) throw std::runtime_error("kaputt");
            return fehler != 0;
        };
        if (fehler == 2)
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, DruckSeite(d, z, g, grafik, *drucker));
        else
            QVERIFY(!DruckSeite(d, z, g, grafik, *drucker));
        QVERIFY(druckModus);
        QVERIFY(!g.DruckModus);
        QCOMPARE(drucker->begonnen, begonnen);
        QCOMPARE(drucker->beendet, 0);
        QCOMPARE(d.meldungen().size(), std::size_t(meldung.isEmpty() ? 0 : 1));
        if (!meldung.isEmpty()) QVERIFY(d.meldungen()[0].text.contains(meldung));
    }

    // A stored query printed from the real window into a PDF: its heads and marks read back.
    void abfrageImPdf_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<QString>("eingabe"); // into field 0 (regression, Summen) or 1
        QTest::addColumn<QStringList>("titel");
        // each query lies beyond the data: "(E)" marks it, a note explains the mark
        const QStringList e{"1 (E)", "(E) Extrapolation"};
        QTest::newRow("Regression") << 0 << "7.5" << QStringList{"Trend-Regression", "Wert Y"} + e;
        QTest::newRow("Summenwerte") << 1 << "12" << QStringList{"Trend-Prognostik", "KiG2/95"} + e;
        QTest::newRow("Einzelwerte")
            << 2 << "12" << QStringList{"Trend-Prognostik", "KdxG2/95"} + e;
    }

    void abfrageImPdf() {
        QFETCH(int, art);
        QFETCH(QString, eingabe);
        QFETCH(QStringList, titel);
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext fehlt");
        Panelaufbau a(art == 0 ? regressionsZustand() : logistisch(art));
        QVERIFY(a.aktiv);
        a.eingeben(art == 2 ? 1 : 0, eingabe);
        a.ok();
        QTemporaryDir ordner;
        const QString datei = ordner.filePath(QStringLiteral("seite.pdf"));
        {
            PdfDrucker drucker(datei, QPageSize(QPageSize::A4));
            QVERIFY(Druck(*a.fenster, drucker));
        }
        QVERIFY(a.dialoge.aufrufe.empty());
        const QString text = pdfText(datei);
        for (const QString& t : titel) QVERIFY2(text.contains(t), qPrintable(t + "\n" + text));
        // Every word ends left of the frame's right rule, 173 mm right of where the
        // mode's name starts.
        const QRegularExpression wort(QStringLiteral("xMin=\"([\\d.]+)\".*xMax=\"([\\d.]+)\""
                                                     "[^>]*>([^<]*)</word>"));
        double links = -1, rechts = 0;
        for (auto it = wort.globalMatch(pdfText(datei, QStringLiteral("-bbox"))); it.hasNext();) {
            const auto m = it.next();
            if (m.captured(3) == titel[0] && links < 0) links = m.captured(1).toDouble();
            rechts = std::max(rechts, m.captured(2).toDouble());
        }
        QVERIFY(links > 0);
        QVERIFY2(rechts <= links + 173 / 25.4 * 72, qPrintable(QString::number(rechts - links)));
    }

    // One query more than the store holds, typed into the real panel. The printed pairs and queries
    // and the exported query table read back against the engine, column by column, row by row.
    void tabellenGelesen_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("maximum");
        QTest::newRow("Regression") << 0 << 21;
        QTest::newRow("Summenwerte") << 1 << 10;
        QTest::newRow("Einzelwerte") << 2 << 7;
    }

    void tabellenGelesen() {
        QFETCH(int, art);
        QFETCH(int, maximum);
        Panelaufbau a(art == 0 ? regressionsZustand() : logistisch(art));
        QVERIFY(a.aktiv);
        const auto& z = a.z;
        std::vector<std::vector<double>> soll; // in the exported table's order
        for (int k = 0; k <= maximum; ++k) {
            // beyond the data, where the limits open
            double x = art == 0 ? 1 + 0.3 * k : 9.5 + 0.5 * k;
            a.eingeben(art == 2 ? 1 : 0, QString::number(x));
            if (k == maximum) { // a full store asks: "Nein" keeps it, "Ja" drops the oldest
                a.dialoge.antworte(Antwort::Nein);
                a.ok();
                a.dialoge.antworte(Antwort::Ja);
            }
            a.ok();
            if (art == 1) x = a.text(0).toDouble(); // as the share shown gives it back
            const double K = a.text(2).toDouble(), xi = a.text(0).toDouble();
            if (art == 1) QVERIFY(std::abs(K - WertKi(z, x)) < 1e-3);
            const Bandwerte b = art == 2 ? bandwerte(z, xi, x) : Bandwerte{};
            if (k > 0)
                soll.push_back(art == 0 ? std::vector{double(k), x, WertYQ(z, x).value()}
                               : art == 1
                                   ? std::vector{double(k), 100 * K / z.KMax, x, K, KGrenz1(z, K),
                                                 KGrenz2(z, K)}
                                   : std::vector{double(k), xi, x, b.Kdx, b.KdxG1, b.KdxG2,
                                                 PhiWert(z, xi).value(), PhiWert(z, x).value()});
        }
        QCOMPARE(a.g().AnzAbfragen, maximum);
        QCOMPARE(a.dialoge.meldungen().size(), std::size_t(2));
        QCOMPARE(a.dialoge.meldungen()[1].knoepfe, Knoepfe::JaNein);
        AufzeichnungsDrucker drucker(11907, 16840, {200, 287});
        QVERIFY(Druck(*a.fenster, drucker));
        const auto [paare, abfragen] = tabellen(*drucker.seite);
        QCOMPARE(paare.size(), std::size_t(z.AnzPaare + 1));
        for (int i = 1; i <= z.AnzPaare; ++i)
            vergleiche(paare[i], {double(i), z.XWert(i), z.YWert(i)}, u"Paar"_s);
        const std::size_t zeilen = art + 1; // lines per query, also of the head
        const std::vector<int> reihenfolge[3] = {
            {0, 1, 2}, {0, 1, 2, 4, 3, 5}, {0, 1, 2, 4, 3, 5, 6, 7}}; // printed order
        QCOMPARE(abfragen.size(), zeilen * (maximum + 1) + 1);        // and the note "(E)"
        const auto tabelle = ergebnisseAlsTabelle(*a.fenster);
        const auto kopf = std::find(tabelle.begin(), tabelle.end(), Tabellenzeile{"Abfragen"}) + 1;
        QCOMPARE(tabelle.end() - kopf, std::ptrdiff_t(maximum + 1));
        for (int k = 1; k <= maximum; ++k) {
            const auto& s = soll[static_cast<std::size_t>(k - 1)];
            QStringList gedruckt;
            for (std::size_t l = 0; l < zeilen; ++l) gedruckt += abfragen[zeilen * k + l];
            std::vector<double> druck;
            for (int i : reihenfolge[art]) druck.push_back(s[static_cast<std::size_t>(i)]);
            vergleiche(gedruckt, druck, u"gedruckt"_s);
            QStringList exportiert;
            for (const auto& f : kopf[k])
                if (f != "Extrapolation") exportiert << QString::fromStdString(f);
            std::vector<double> export_(s.begin(), s.begin() + std::min<qsizetype>(s.size(), 6));
            vergleiche(exportiert, export_, u"exportiert"_s);
        }
        const QString fall[] = {u"Trend-Regression"_s, u"Fall Summenwerte"_s,
                                u"Fall Einzelwerte"_s};
        QVERIFY(QString::fromStdString(exportText(*a.fenster, u"e.csv"_s)).contains(fall[art]));
    }
};

TK_QTTEST(DruckTest);

#include "DruckTest.moc"
