// The A4 page: the paper check, printing that leaves nothing half done, and the
// printed values read back from a PDF of the real chart window.

#include "calc/Auswertung.h"
#include "calc/Format.h"
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
#include <stdexcept>

using namespace tk;
using namespace tk::test;

namespace {

QString zahl(double v) {
    return QString::fromStdString(Zahl(v));
}

Programmzustand regressionsZustand() {
    return regression({{2, 5}, {3, 7}, {4, 9}, {5, 11}, {6, 13}}, "Versuchsreihe Regression");
}

QString pdfText(const QString& datei, const QString& art = QStringLiteral("-layout")) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {art, datei, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
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

    // A stored query printed from the real window: its values read back from the PDF.
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
        const auto& z = a.z;
        QStringList soll = titel;
        if (art == 0) soll << zahl(16);                            // Y at X = 7.5
        if (art == 1) soll << zahl(KGrenz2(z, a.g().AbfrageY[1])); // upper limit of K
        if (art == 2) soll << zahl(PhiWert(z, 12).value()); // density at the band's right end
        // A number on its own, not the start of a longer one.
        for (const QString& t : soll) {
            const QRegularExpression zahlAllein(QStringLiteral("(?<![\\d.])") +
                                                QRegularExpression::escape(t) +
                                                QStringLiteral("(?![\\d])"));
            QVERIFY2(text.contains(zahlAllein), qPrintable(t + "\n" + text));
        }
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
};

TK_QTTEST(DruckTest);

#include "DruckTest.moc"
