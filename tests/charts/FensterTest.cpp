// The chart window driven through its real buttons and menu.

#include "AufzeichnungsAusgabe.h"
#include "Datensaetze.h"
#include "FakeDialoge.h"
#include "QtDialoge.h"
#include "frmGrafikKurvex.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace tk {
namespace {

using test::FakeDialoge;

Programmzustand regressionsZustand() {
    return test::regression({{2, 8.1}, {3, 10.9}, {4, 14.2}, {5, 16.8}, {6, 20.3}},
                            "Umsatz Filiale Nord");
}

// A prognosis state whose curve cannot be drawn (type 1 needs A > 0).
Programmzustand kaputterZustand() {
    Programmzustand z = test::prognose(test::logistischeSummen(), 1);
    z.KurvenTyp = 1;
    z.KonstA = -1;
    return z;
}

struct Fenster {
    Programmzustand z;
    FakeDialoge dialoge;
    std::unique_ptr<frmGrafikKurvex> w;

    explicit Fenster(Programmzustand zustand, Grafikdienste dienste = {}) : z(std::move(zustand)) {
        w = std::make_unique<frmGrafikKurvex>(z, dialoge, std::move(dienste));
    }
    template <typename T> T* kind(const char* name) const {
        auto* k = w->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(k, nullptr) << name;
        return k;
    }
    QPushButton* knopf(const char* name) const { return kind<QPushButton>(name); }
    QAction* aktion(const char* name) const { return kind<QAction>(name); }
    void zeigen() {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QCoreApplication::processEvents();
    }
};

struct ModusFall {
    const char* name;
    bool prognose;
    int fall;
    const char* titel;
    bool numerierung;
};
class Modus : public ::testing::TestWithParam<ModusFall> {};

TEST_P(Modus, TitelGrafikUndNumerierungsknopf) {
    const auto& m = GetParam();
    Fenster f(m.prognose ? test::prognose(m.fall == 1 ? test::logistischeSummen()
                                                      : test::logistischeEinzelwerte(),
                                          m.fall)
                         : regressionsZustand());
    f.zeigen();
    EXPECT_EQ(f.w->windowTitle(), QString::fromLatin1(m.titel));
    EXPECT_EQ(f.knopf("cmd1_3")->isVisible(), m.numerierung);
    // The chart is there on opening, without a message.
    EXPECT_TRUE(f.dialoge.aufrufe.empty());
    EXPECT_FALSE(f.w->bild().isNull());
    EXPECT_EQ(f.w->bild().deviceIndependentSize().toSize(), f.kind<QWidget>("Bild1")->size());
    EXPECT_EQ(f.kind<QLabel>("Label7")->text(), QString::fromStdString(f.z.Bezeichnung));
}

INSTANTIATE_TEST_SUITE_P(
    Grafiken, Modus,
    ::testing::Values(ModusFall{"Regression", false, 1, "Trend-Regression : Grafik", true},
                      ModusFall{"Summenwerte", true, 1, "Trend-Prognostik : Grafik", true},
                      ModusFall{"Einzelwerte", true, 2, "Trend-Prognostik : Grafik", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Grafikfenster, NumerierungAusUndWiederEin) {
    Fenster f(regressionsZustand());
    f.zeigen();
    const QImage mit = f.w->bild();
    QTest::mouseClick(f.knopf("cmd1_3"), Qt::LeftButton);
    EXPECT_FALSE(f.w->grafik().NumerierungEin);
    const QImage ohne = f.w->bild();
    EXPECT_NE(mit, ohne);
    QTest::mouseClick(f.knopf("cmd1_3"), Qt::LeftButton);
    EXPECT_TRUE(f.w->grafik().NumerierungEin);
    EXPECT_EQ(f.w->bild(), mit);
}

TEST(Grafikfenster, GroessenaenderungZeichnetNeuMitZentriertemRahmen) {
    Fenster f(regressionsZustand());
    f.zeigen();
    f.w->resize(f.w->width() + 200, f.w->height() + 100);
    QTest::qWait(50);
    auto* bild1 = f.kind<QWidget>("Bild1");
    EXPECT_EQ(f.w->bild().deviceIndependentSize().toSize(), bild1->size());
    const double breiteMm = bild1->width() * 25.4 / bild1->logicalDpiX();
    EXPECT_NEAR(f.w->grafik().RandLinks, (120 - breiteMm) / 2, 1e-9);
}

struct WegFall {
    const char* name;
    const char* ausloeser; // button or menu item; empty: title bar
    int erwartet;          // 0 start, 1 input
};
class Rueckweg : public ::testing::TestWithParam<WegFall> {};

TEST_P(Rueckweg, MeldetGenauEinenWegUndSchliesst) {
    const auto& w = GetParam();
    Fenster f(regressionsZustand());
    f.zeigen();
    QSignalSpy eingabe(f.w.get(), &frmGrafikKurvex::zurueckZurEingabe);
    QSignalSpy start(f.w.get(), &frmGrafikKurvex::zurueckZumStart);
    QSignalSpy ende(f.w.get(), &frmGrafikKurvex::beenden);
    const std::string a = w.ausloeser;
    if (a.empty())
        f.w->close();
    else if (a.rfind("cmd", 0) == 0)
        QTest::mouseClick(f.knopf(w.ausloeser), Qt::LeftButton);
    else
        f.aktion(w.ausloeser)->trigger();
    EXPECT_EQ(eingabe.count(), w.erwartet == 1 ? 1 : 0);
    EXPECT_EQ(start.count(), w.erwartet == 0 ? 1 : 0);
    EXPECT_EQ(ende.count(), 0);
    EXPECT_FALSE(f.w->isVisible());
    EXPECT_TRUE(f.dialoge.aufrufe.empty());
}

INSTANTIATE_TEST_SUITE_P(Wege, Rueckweg,
                         ::testing::Values(WegFall{"KnopfEingabe", "cmd1_1", 1},
                                           WegFall{"KnopfStart", "cmd1_0", 0},
                                           WegFall{"MenueEingabe", "mnuEingabe", 1},
                                           WegFall{"MenueStart", "mnuStart", 0},
                                           WegFall{"Titelleiste", "", 1}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Grafikfenster, BeendenNachBestaetigung) {
    for (Antwort antwort : {Antwort::Nein, Antwort::Ja}) {
        Fenster f(regressionsZustand());
        f.zeigen();
        QSignalSpy ende(f.w.get(), &frmGrafikKurvex::beenden);
        QSignalSpy eingabe(f.w.get(), &frmGrafikKurvex::zurueckZurEingabe);
        f.dialoge.antworte(antwort);
        f.aktion("mnuEnde")->trigger();
        ASSERT_EQ(f.dialoge.meldungen().size(), 1u);
        EXPECT_EQ(f.dialoge.meldungen()[0].knoepfe, Knoepfe::JaNein);
        EXPECT_EQ(ende.count(), antwort == Antwort::Ja ? 1 : 0);
        EXPECT_EQ(f.w->isVisible(), antwort == Antwort::Nein);
        EXPECT_EQ(eingabe.count(), 0);
    }
}

TEST(Grafikfenster, FehlerhafteGrafikMeldetEinmalUndFensterBleibtBenutzbar) {
    Fenster f(kaputterZustand());
    f.zeigen();
    f.w->resize(f.w->width() + 50, f.w->height() + 50);
    QTest::qWait(50);
    ASSERT_EQ(f.dialoge.meldungen().size(), 1u);
    EXPECT_EQ(
        f.dialoge.meldungen()[0].text,
        QStringLiteral("Negative Basis mit Zahl < 1 potenziert !! Zahlenpaare kontrollieren!"));
    EXPECT_TRUE(f.dialoge.unerwartet.isEmpty());

    // The surface comes back with its own settings.
    AufzeichnungsAusgabe a;
    const Schrift vorher{QStringLiteral("Courier New"), 10, true, false};
    a.setzeSchrift(vorher);
    EXPECT_FALSE(f.w->zeichneAuf(a));
    EXPECT_EQ(f.dialoge.meldungen().size(), 2u);
    EXPECT_EQ(a.schrift(), vorher);
    EXPECT_FALSE(a.benutzerKoordinaten());

    // Still usable: going back works.
    QSignalSpy eingabe(f.w.get(), &frmGrafikKurvex::zurueckZurEingabe);
    QTest::mouseClick(f.knopf("cmd1_1"), Qt::LeftButton);
    EXPECT_EQ(eingabe.count(), 1);
}

struct ExportFall {
    const char* name;    // typed into the save dialog
    const char* filter;  // the type chosen there
    const char* datei;   // the file written
    const char* kennung; // start of the file
};
class Export : public ::testing::TestWithParam<ExportFall> {};

// Through the real save dialog: a name without extension gets the chosen type's.
TEST_P(Export, SchreibtDenGewaehltenTyp) {
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    Programmzustand z = test::prognose(test::logistischeSummen(), 1);
    QtDialoge dialoge;
    frmGrafikKurvex w(z, dialoge);
    QTimer::singleShot(0, [&] {
        auto* d = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        d->setDirectory(ordner.path());
        for (const QString& f : d->nameFilters())
            if (f.contains(QString::fromLatin1(fall.filter))) d->selectNameFilter(f);
        d->selectFile(QString::fromLatin1(fall.name));
        QMetaObject::invokeMethod(d, "accept", Qt::QueuedConnection);
    });
    w.findChild<QAction*>(QStringLiteral("mnuExport"))->trigger();
    QFile datei(ordner.filePath(QString::fromLatin1(fall.datei)));
    ASSERT_TRUE(datei.open(QIODevice::ReadOnly));
    const QByteArray inhalt = datei.readAll();
    EXPECT_TRUE(inhalt.left(200).contains(fall.kennung));
    EXPECT_GT(inhalt.size(), 1000);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Formate, Export,
                         ::testing::Values(ExportFall{"grafik", "*.png", "grafik.png", "PNG"},
                                           ExportFall{"grafik", "*.svg", "grafik.svg", "<svg"},
                                           ExportFall{"grafik", "*.pdf", "grafik.pdf", "%PDF"},
                                           ExportFall{"grafik.PDF", "*.png", "grafik.PDF", "%PDF"}),
                         [](const auto& info) { return std::string(info.param.datei).substr(7); });

// Cancelled: no message. A chart that fails: one message and no file.
TEST(Grafikfenster, AbgebrochenerOderFehlerhafterExportSchreibtNichts) {
    Fenster ok(regressionsZustand());
    ok.dialoge.waehleDatei(std::nullopt);
    ok.aktion("mnuExport")->trigger();
    EXPECT_EQ(ok.dialoge.aufrufe.size(), 1u);
    EXPECT_TRUE(ok.dialoge.meldungen().empty());

    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("kaputt.svg"));
    Fenster f(kaputterZustand());
    f.dialoge.leeren();
    f.dialoge.waehleDatei(pfad);
    f.aktion("mnuExport")->trigger();
    EXPECT_EQ(f.dialoge.meldungen().size(), 1u);
    EXPECT_FALSE(QFile::exists(pfad));
}

QByteArray inhaltVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

bool schreibe(const QString& pfad, const QByteArray& inhalt) {
    QFile datei(pfad);
    return datei.open(QIODevice::WriteOnly) && datei.write(inhalt) == inhalt.size();
}

struct UeberschreibFall {
    const char* name;
    bool kaputt;     // the chart cannot be drawn
    Antwort antwort; // to "überschreiben ??"
    bool ersetzt;    // the user's file was replaced
    std::size_t meldungen;
};
class Ueberschreiben : public ::testing::TestWithParam<UeberschreibFall> {};

// An existing file is replaced only after Ja and only by a complete chart.
TEST_P(Ueberschreiben, FragtUndLaesstDieDateiSonstInRuhe) {
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    const QString pfad = ordner.filePath(QStringLiteral("bild.svg"));
    const QByteArray alt("Daten des Benutzers");
    ASSERT_TRUE(schreibe(pfad, alt));
    Fenster f(fall.kaputt ? kaputterZustand() : regressionsZustand());
    f.dialoge.leeren();
    f.dialoge.waehleDatei(pfad);
    f.dialoge.antworte(fall.antwort);
    f.aktion("mnuExport")->trigger();
    const auto m = f.dialoge.meldungen();
    ASSERT_EQ(m.size(), fall.meldungen);
    EXPECT_EQ(m[0].text, QStringLiteral("Wollen Sie die vorhandene Datei überschreiben ??"));
    EXPECT_EQ(m[0].titel, QStringLiteral("Achtung"));
    EXPECT_EQ(m[0].knoepfe, Knoepfe::JaNein);
    EXPECT_EQ(m[0].symbol, Symbol::Keins);
    EXPECT_TRUE(f.dialoge.unerwartet.isEmpty());
    const QByteArray jetzt = inhaltVon(pfad);
    if (fall.ersetzt)
        EXPECT_TRUE(jetzt.left(200).contains("<svg"));
    else
        EXPECT_EQ(jetzt, alt);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1); // no leftovers
}

INSTANTIATE_TEST_SUITE_P(Faelle, Ueberschreiben,
                         ::testing::Values(UeberschreibFall{"Ja", false, Antwort::Ja, true, 1},
                                           UeberschreibFall{"Nein", false, Antwort::Nein, false, 1},
                                           UeberschreibFall{"JaAberGrafikKaputt", true, Antwort::Ja,
                                                            false, 2}),
                         [](const auto& info) { return std::string(info.param.name); });

class NichtAnlegbar : public ::testing::TestWithParam<const char*> {};

// A file that cannot be created is reported with its name, in every format.
TEST_P(NichtAnlegbar, MeldetDenDateinamen) {
    QTemporaryDir ordner;
    const QString pfad =
        ordner.filePath(QStringLiteral("fehlt/grafik.") + QString::fromLatin1(GetParam()));
    Fenster f(regressionsZustand());
    f.dialoge.leeren();
    f.dialoge.waehleDatei(pfad);
    f.aktion("mnuExport")->trigger();
    const auto m = f.dialoge.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].text.contains(QStringLiteral(" 75 "))) << m[0].text.toStdString();
    EXPECT_TRUE(m[0].text.contains(pfad)) << m[0].text.toStdString();
    EXPECT_FALSE(QFile::exists(pfad));
}

INSTANTIATE_TEST_SUITE_P(Formate, NichtAnlegbar, ::testing::Values("png", "svg", "pdf"));

// A failure outside the error table ends the handler with a message, not the program.
TEST(Grafikfenster, FremdeAusnahmeBeimDruckWirdGemeldet) {
    Grafikdienste dienste;
    dienste.drucken = [](frmGrafikKurvex&) { throw std::runtime_error("Drucker weg"); };
    Fenster f(regressionsZustand(), dienste);
    f.dialoge.leeren();
    QTest::mouseClick(f.knopf("cmd1_2"), Qt::LeftButton);
    const auto m = f.dialoge.meldungen();
    ASSERT_EQ(m.size(), 1u);
    EXPECT_TRUE(m[0].text.contains(QStringLiteral(" 51 ")));
    EXPECT_TRUE(m[0].text.contains(QStringLiteral("Drucker weg")));
}

class TestPanel : public Abfragebereich {
public:
    using Abfragebereich::Abfragebereich;
    void nachZeichnen() override { ++aufrufe; }
    int aufrufe = 0;
};

TEST(Grafikfenster, AbfragebereichUnterDemBildUndDiensteFuerDruck) {
    TestPanel* panel = nullptr;
    int gedruckt = 0, vorschau = 0;
    Grafikdienste dienste;
    dienste.panelErzeugen = [&](frmGrafikKurvex& w) {
        panel = new TestPanel(&w);
        panel->setMinimumHeight(120);
        return panel;
    };
    // Drawing for the printer leaves the panel alone; only the screen picture feeds it.
    dienste.drucken = [&](frmGrafikKurvex& w) {
        AufzeichnungsAusgabe seite(190, 270);
        w.zeichneAuf(seite);
        ++gedruckt;
    };
    dienste.vorschau = [&](frmGrafikKurvex&) { ++vorschau; };
    Fenster f(regressionsZustand(), dienste);
    f.zeigen();
    ASSERT_NE(panel, nullptr);
    EXPECT_GE(panel->aufrufe, 1);
    auto* bild1 = f.kind<QWidget>("Bild1");
    EXPECT_GE(panel->mapTo(f.w.get(), QPoint(0, 0)).y(),
              bild1->mapTo(f.w.get(), QPoint(0, bild1->height())).y());
    const int vorher = panel->aufrufe;
    QTest::mouseClick(f.knopf("cmd1_3"), Qt::LeftButton);
    EXPECT_EQ(panel->aufrufe, vorher + 1);
    QTest::mouseClick(f.knopf("cmd1_2"), Qt::LeftButton);
    EXPECT_EQ(gedruckt, 1);
    QTemporaryDir ordner;
    f.dialoge.waehleDatei(ordner.filePath(QStringLiteral("x.png")));
    f.aktion("mnuExport")->trigger();
    ASSERT_TRUE(QFile::exists(ordner.filePath(QStringLiteral("x.png"))));
    EXPECT_EQ(panel->aufrufe, vorher + 1);
    ASSERT_TRUE(f.aktion("mnuVorschau")->isEnabled());
    f.aktion("mnuVorschau")->trigger();
    EXPECT_EQ(vorschau, 1);
}

} // namespace
} // namespace tk
