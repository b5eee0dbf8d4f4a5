#include "PdfTest.h"

#include "Abfragepanel.h"
#include "Druckseite.h"
#include "FakeDialoge.h"
#include "Format.h"
#include "QtDrucker.h"
#include "Testdaten.h"
#include "frmGrafikKurvex.h"

#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>

using namespace tk;
using namespace tk::test;

namespace {

QString pdfText(const QString& datei) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), datei, QStringLiteral("-")});
    if (!p.waitForFinished(30000)) return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

int seitenzahl(const QString& datei) {
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {datei});
    p.waitForFinished(30000);
    for (const QString& zeile : QString::fromUtf8(p.readAllStandardOutput()).split('\n'))
        if (zeile.startsWith(QStringLiteral("Pages:"))) return zeile.mid(6).trimmed().toInt();
    return -1;
}

Programmzustand zustandFuer(int art) {
    return art == 0 ? regression() : prognose(art);
}

// TK_DRUCK_ORDNER keeps the printed pages for a look.
QString ablage(const QTemporaryDir& ordner, const QString& name) {
    const QString behalten = qEnvironmentVariable("TK_DRUCK_ORDNER");
    return behalten.isEmpty() ? ordner.filePath(name) : behalten + QLatin1Char('/') + name;
}

struct Fenster {
    explicit Fenster(int art) : z(zustandFuer(art)) {
        Grafikdienste dienste;
        dienste.panelErzeugen = abfragepanelErzeugen;
        dienste.drucken = [this](frmGrafikKurvex&) { ++druckAufrufe; };
        fenster = std::make_unique<frmGrafikKurvex>(z, dialoge, dienste);
        fenster->show();
        aktiv = QTest::qWaitForWindowActive(fenster.get());
        panel = fenster->findChild<Abfragepanel*>();
    }
    Programmzustand z;
    FakeDialoge dialoge;
    std::unique_ptr<frmGrafikKurvex> fenster;
    Abfragepanel* panel = nullptr;
    bool aktiv = false;
    int druckAufrufe = 0;
};

} // namespace

void PdfTest::initTestCase() {
    QVERIFY(ordner_.isValid());
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext fehlt");
}

void PdfTest::seiteJeModus_data() {
    QTest::addColumn<int>("art");
    QTest::addColumn<int>("abfragen");
    QTest::addColumn<QStringList>("erwartet");
    const QStringList regression = {"Trend-Regression", "Versuchsreihe Regression", "Wert Y",
                                    "13.000000"};
    const QStringList summen = {"Trend-Prognostik", "Versuchsreihe Prognose", "Wert K"};
    const QStringList einzel = {"Trend-Prognostik", "Versuchsreihe Prognose", "Wert K"};
    QTest::newRow("Regression ohne Abfragen") << 0 << 0 << regression;
    QTest::newRow("Regression mit Abfragen") << 0 << 3 << (regression + QStringList{"Wert X"});
    QTest::newRow("Summenwerte ohne Abfragen") << 1 << 0 << summen;
    QTest::newRow("Summenwerte mit Abfragen")
        << 1 << 2 << (summen + QStringList{"KiG1/95", "KiG2/95", "100.0000"});
    QTest::newRow("Einzelwerte ohne Abfragen") << 2 << 0 << einzel;
    QTest::newRow("Einzelwerte mit Abfragen")
        << 2 << 2 << (einzel + QStringList{"KdxG1/95", "K(dx)", "(i+d)"});
}

void PdfTest::seiteJeModus() {
    QFETCH(int, art);
    QFETCH(int, abfragen);
    QFETCH(QStringList, erwartet);
    Fenster f(art);
    QVERIFY(f.aktiv);
    QVERIFY(f.panel);
    for (int k = 0; k < abfragen; ++k) f.panel->cmd4()->click();
    QCOMPARE(f.fenster->grafik().AnzAbfragen, abfragen);

    const QString datei = ablage(ordner_, QStringLiteral("seite_%1_%2.pdf").arg(art).arg(abfragen));
    PdfDrucker drucker(datei, QPageSize(QPageSize::A4));
    QVERIFY(Druck(*f.fenster, drucker));
    QVERIFY(f.dialoge.aufrufe.empty());
    QVERIFY(!f.fenster->grafik().DruckModus);
    QCOMPARE(seitenzahl(datei), 1);

    const QString text = pdfText(datei);
    QVERIFY(!text.isEmpty());
    erwartet << QStringLiteral("Grafik :") << QStringLiteral("Eingabewerte :")
             << QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
    for (const QString& t : erwartet) QVERIFY2(text.contains(t), qPrintable(t + "\n" + text));
    QCOMPARE(text.contains(QStringLiteral("Abfragewerte :")), abfragen > 0);
    // Every entered pair has its line.
    for (int i = 1; i <= f.z.AnzPaare; ++i)
        QVERIFY(text.contains(QString::fromStdString(Zahl(f.z.YWert(i)))));
}

void PdfTest::letterWirdAbgelehnt() {
    Fenster f(0);
    QVERIFY(f.aktiv);
    const QString datei = ablage(ordner_, QStringLiteral("letter.pdf"));
    PdfDrucker drucker(datei, QPageSize(QPageSize::Letter));
    QVERIFY(!Druck(*f.fenster, drucker));
    QVERIFY(!f.dialoge.meldungen().empty());
    for (const auto& m : f.dialoge.meldungen())
        QCOMPARE(m.text, QStringLiteral("Richten Sie den Drucker auf Papierformat A4 ein !!"));
    QVERIFY(!QFile::exists(datei));
    QVERIFY(!drucker.seiteGesendet());
}
