#include "Abfragepanel.h"
#include "Ausgabe.h"
#include "Druckdienste.h"
#include "Druckseite.h"
#include "FakeDialoge.h"
#include "Format.h"
#include "QtDrucker.h"
#include "Testdaten.h"
#include "frmGrafikKurvex.h"

#include <QApplication>
#include <QDate>
#include <QFile>
#include <QLineEdit>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cmath>

using namespace tk;
using namespace tk::test;

namespace {

struct Wort {
    QRectF rahmen; // points, y down
    QString text;
};

// The words with their boxes, as poppler sees them; `seiten` counts the pages.
std::vector<Wort> woerter(const QString& datei, QSizeF& seite, int& seiten) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), datei, QStringLiteral("-")});
    p.waitForFinished(30000);
    const QString html = QString::fromUtf8(p.readAllStandardOutput());
    seiten = static_cast<int>(html.count(QStringLiteral("<page ")));
    const QRegularExpression seitenRe(
        QString::fromLatin1(R"x(<page width="([\d.]+)" height="([\d.]+)">)x"));
    if (const auto m = seitenRe.match(html); m.hasMatch())
        seite = {m.captured(1).toDouble(), m.captured(2).toDouble()};
    const QRegularExpression wortRe(QString::fromLatin1(
        R"x(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">(.*?)</word>)x"));
    std::vector<Wort> w;
    for (auto it = wortRe.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        w.push_back({QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                            QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())),
                     m.captured(5)});
    }
    return w;
}

const Wort* finde(const std::vector<Wort>& w, const QString& text) {
    for (const auto& x : w)
        if (x.text == text) return &x;
    return nullptr;
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
};

} // namespace

// The page of the real chart window printed into PDF files.
class PdfTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        QVERIFY(ordner_.isValid());
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext fehlt");
    }

    void seiteJeModus_data() {
        QTest::addColumn<int>("art");
        QTest::addColumn<int>("abfragen");
        QTest::addColumn<QStringList>("erwartet");
        const QStringList regression = {"Trend-Regression", "Versuchsreihe Regression", "Wert Y",
                                        "13.000000"};
        const QStringList prognose = {"Trend-Prognostik", "Versuchsreihe Prognose", "Wert K"};
        // Without queries, and with a full store (the longest query table).
        QTest::newRow("Regression ohne Abfragen") << 0 << 0 << regression;
        QTest::newRow("Regression, Speicher voll") << 0 << 21 << regression;
        QTest::newRow("Summenwerte ohne Abfragen") << 1 << 0 << prognose;
        QTest::newRow("Summenwerte, Speicher voll")
            << 1 << 10 << (prognose + QStringList{"KiG1/95", "KiG2/95", "100.0000"});
        QTest::newRow("Einzelwerte ohne Abfragen") << 2 << 0 << prognose;
        QTest::newRow("Einzelwerte, Speicher voll")
            << 2 << 7 << (prognose + QStringList{"KdxG1/95", "K(dx)", "(i+d)"});
    }

    void seiteJeModus() {
        QFETCH(int, art);
        QFETCH(int, abfragen);
        QFETCH(QStringList, erwartet);
        Fenster f(art);
        QVERIFY(f.aktiv);
        QVERIFY(f.panel);
        for (int k = 0; k < abfragen; ++k) f.panel->cmd4()->click();
        QCOMPARE(f.fenster->grafik().AnzAbfragen, abfragen);

        const QString datei =
            ablage(ordner_, QStringLiteral("seite_%1_%2.pdf").arg(art).arg(abfragen));
        PdfDrucker drucker(datei, QPageSize(QPageSize::A4));
        QVERIFY(Druck(*f.fenster, drucker));
        QVERIFY(f.dialoge.aufrufe.empty());
        QVERIFY(!f.fenster->grafik().DruckModus);

        // One A4 page: every text there, every word on the paper, no two words on top
        // of each other, the chart between its heading and the input table.
        QSizeF seite;
        int seiten = 0;
        const auto w = woerter(datei, seite, seiten);
        QCOMPARE(seiten, 1);
        QString text;
        for (const auto& x : w) text += x.text + QLatin1Char(' ');
        erwartet << QStringLiteral("Grafik :") << QStringLiteral("Eingabewerte :")
                 << QStringLiteral("Konstantenterm A")
                 << QDate::currentDate().toString(QStringLiteral("dd.MM.yyyy"));
        for (int i = 1; i <= f.z.AnzPaare; ++i) // every entered pair has its line
            erwartet << QString::fromStdString(Zahl(f.z.YWert(i)));
        for (const QString& t : erwartet) QVERIFY2(text.contains(t), qPrintable(t + "\n" + text));
        QCOMPARE(text.contains(QStringLiteral("Abfragewerte :")), abfragen > 0);
        QVERIFY(std::fabs(seite.width() - 595) < 1 && std::fabs(seite.height() - 842) < 1);
        for (const auto& x : w)
            QVERIFY2(QRectF(QPointF(0, 0), seite).contains(x.rahmen), qPrintable(x.text));
        for (std::size_t i = 0; i < w.size(); ++i)
            for (std::size_t j = i + 1; j < w.size(); ++j) {
                // Font boxes include the line gap: allow a point of it.
                const QRectF a = w[i].rahmen.adjusted(0.5, 1, -0.5, -1);
                QVERIFY2(!a.intersects(w[j].rahmen.adjusted(0.5, 1, -0.5, -1)),
                         qPrintable(w[i].text + " / " + w[j].text));
            }
        const Wort* grafik = finde(w, QStringLiteral("Grafik"));
        const Wort* eingabe = finde(w, QStringLiteral("Eingabewerte"));
        const Wort* legende = finde(w, QStringLiteral("Konstantenterm"));
        QVERIFY(grafik && eingabe && legende);
        QVERIFY(grafik->rahmen.bottom() < legende->rahmen.top());
        QVERIFY(legende->rahmen.bottom() < eingabe->rahmen.top());
    }

    void grafikFehlerDrucktNichts() {
        Programmzustand z = prognose(2);
        z.KoeffB = 0; // no horizon reaches 99 %: the density chart cannot be drawn
        FakeDialoge dialoge;
        Grafikdienste dienste;
        dienste.panelErzeugen = abfragepanelErzeugen;
        frmGrafikKurvex fenster(z, dialoge, dienste);
        dialoge.leeren();
        const QString datei = ablage(ordner_, QStringLiteral("ohne_grafik.pdf"));
        PdfDrucker drucker(datei, QPageSize(QPageSize::A4));
        QVERIFY(!Druck(fenster, drucker));
        QCOMPARE(dialoge.meldungen().size(), std::size_t(1));
        QVERIFY(!QFile::exists(datei));
        QVERIFY(!fenster.grafik().DruckModus);
    }

    void abgebrocheneSeiteBleibtNicht() {
        const QString datei = ablage(ordner_, QStringLiteral("abgebrochen.pdf"));
        PdfDrucker drucker(datei, QPageSize(QPageSize::A4));
        Ausgabe* seite = drucker.seiteBeginnen();
        QVERIFY(seite);
        seite->setzePosition(10, 10);
        seite->drucke(QStringLiteral("halbe Seite"));
        drucker.abbrechen();
        QVERIFY(!QFile::exists(datei));
        QVERIFY(!drucker.seiteGesendet());
    }

    // The preview shows the page; its print button takes the way of "Druck", whose paper
    // check refuses a page turned to landscape.
    void vorschauDrucktNurGeprueft() {
        Programmzustand z = prognose(1);
        FakeDialoge dialoge;
        const QString datei = ablage(ordner_, QStringLiteral("vorschau_quer.pdf"));
        Grafikdienste dienste;
        dienste.drucken = [&](frmGrafikKurvex& w) {
            PdfDrucker quer(datei, QPageSize(QPageSize::A4));
            quer.printer().setPageOrientation(QPageLayout::Landscape);
            Druck(w, quer);
        };
        frmGrafikKurvex fenster(z, dialoge, dienste);
        int seiten = -1;
        bool gedrueckt = false;
        // The preview is modal: look at it from the event loop, then print from it.
        QTimer pruefer;
        pruefer.setInterval(20);
        QObject::connect(&pruefer, &QTimer::timeout, [&] {
            auto* vorschau = QApplication::activeModalWidget();
            if (!vorschau || gedrueckt) return;
            if (auto* w = vorschau->findChild<QPrintPreviewWidget*>()) seiten = w->pageCount();
            gedrueckt = true;
            if (auto* k = vorschau->findChild<QPushButton*>(QStringLiteral("vorschauDrucken")))
                k->click();
            else
                vorschau->close();
        });
        pruefer.start();
        vorschauZeigen(fenster);
        pruefer.stop();
        QCOMPARE(seiten, 1);
        QVERIFY(!dialoge.meldungen().empty());
        for (const auto& m : dialoge.meldungen())
            QCOMPARE(m.text, QStringLiteral("Richten Sie den Drucker auf Papierformat A4 ein !!"));
        QVERIFY(!QFile::exists(datei));
        QVERIFY(!fenster.grafik().DruckModus);
    }

private:
    QTemporaryDir ordner_;
};

QObject* neuPdfTest() {
    return new PdfTest;
}

#include "PdfTest.moc"
