// The chart window driven through its real buttons and menu.

#include "AufzeichnungsAusgabe.h"
#include "FakeDialoge.h"
#include "Teststaende.h"
#include "frmGrafikKurvex.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
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
    Programmzustand z = test::logistisch(1);
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
    void klick(const char* knopf) { QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton); }
    void menue(const char* eintrag) { kind<QAction>(eintrag)->trigger(); }
    void zeigen() {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QCoreApplication::processEvents();
    }
};

struct ModusFall {
    const char* name;
    int art; // 0 regression, 1 Summenwerte, 2 Einzelwerte
    const char* titel;
    bool numerierung;
};
class Modus : public ::testing::TestWithParam<ModusFall> {};

// The chart is there on opening, without a message; the density chart has no numbers.
TEST_P(Modus, OeffnetMitGrafikOhneMeldung) {
    const auto& m = GetParam();
    Fenster f(m.art == 0 ? regressionsZustand() : test::logistisch(m.art));
    f.zeigen();
    EXPECT_EQ(f.w->windowTitle(), QString::fromLatin1(m.titel));
    EXPECT_EQ(f.kind<QPushButton>("cmd1_3")->isVisible(), m.numerierung);
    EXPECT_TRUE(f.dialoge.aufrufe.empty());
    EXPECT_EQ(f.w->bild().deviceIndependentSize().toSize(), f.kind<QWidget>("Bild1")->size());
}

INSTANTIATE_TEST_SUITE_P(
    Grafiken, Modus,
    ::testing::Values(ModusFall{"Regression", 0, "Trend-Regression : Grafik", true},
                      ModusFall{"Summenwerte", 1, "Trend-Prognostik : Grafik", true},
                      ModusFall{"Einzelwerte", 2, "Trend-Prognostik : Grafik", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Grafikfenster, NumerierungAusUndWiederEin) {
    Fenster f(regressionsZustand());
    f.zeigen();
    const QImage mit = f.w->bild();
    f.klick("cmd1_3");
    EXPECT_NE(f.w->bild(), mit);
    f.klick("cmd1_3");
    EXPECT_EQ(f.w->bild(), mit);
}

// A chart that fails is reported once, not again on every resize; the window stays
// usable.
TEST(Grafikfenster, FehlerhafteGrafikMeldetEinmal) {
    Fenster f(kaputterZustand());
    f.zeigen();
    f.w->resize(f.w->width() + 50, f.w->height() + 50);
    QTest::qWait(50);
    ASSERT_EQ(f.dialoge.meldungen().size(), 1u);
    EXPECT_TRUE(f.dialoge.meldungen()[0].text.contains(QStringLiteral("Negative Basis")));
    QSignalSpy eingabe(f.w.get(), &frmGrafikKurvex::zurueckZurEingabe);
    f.klick("cmd1_1");
    EXPECT_EQ(eingabe.count(), 1);
}

QByteArray inhaltVon(const QString& pfad) {
    QFile datei(pfad);
    return datei.open(QIODevice::ReadOnly) ? datei.readAll() : QByteArray();
}

struct ExportFall {
    const char* gewaehlt; // name given in the save dialog
    const char* datei;    // the file written
    const char* kennung;  // start of its contents
};
class Export : public ::testing::TestWithParam<ExportFall> {};

// The extension picks the format; none means PNG.
TEST_P(Export, SchreibtDasFormatDerEndung) {
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    Fenster f(regressionsZustand());
    f.dialoge.waehleDatei(ordner.filePath(QString::fromLatin1(fall.gewaehlt)));
    f.menue("mnuExport");
    EXPECT_TRUE(f.dialoge.meldungen().empty());
    const QByteArray inhalt = inhaltVon(ordner.filePath(QString::fromLatin1(fall.datei)));
    EXPECT_TRUE(inhalt.left(200).contains(fall.kennung));
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
}

INSTANTIATE_TEST_SUITE_P(Formate, Export,
                         ::testing::Values(ExportFall{"g.png", "g.png", "PNG"},
                                           ExportFall{"g.svg", "g.svg", "<svg"},
                                           ExportFall{"g.PDF", "g.PDF", "%PDF"},
                                           ExportFall{"g", "g.png", "PNG"}));

struct ExportFehler {
    const char* name;
    const char* endung;
    bool kaputt;     // the chart cannot be drawn
    Antwort antwort; // to "überschreiben ??"
    bool ordnerFehlt;
    std::size_t meldungen;
};
class ExportScheitert : public ::testing::TestWithParam<ExportFehler> {};

// Every way an export can fail leaves the user's file as it was and no leftovers.
TEST_P(ExportScheitert, LaesstDieDateiDesBenutzersUnberuehrt) {
    const auto& fall = GetParam();
    QTemporaryDir ordner;
    const QString pfad = ordner.filePath(QStringLiteral("bild.") + fall.endung);
    const QString ziel =
        fall.ordnerFehlt ? ordner.filePath(QStringLiteral("fehlt/bild.") + fall.endung) : pfad;
    const QByteArray alt("Daten des Benutzers");
    {
        QFile datei(pfad);
        ASSERT_TRUE(datei.open(QIODevice::WriteOnly) && datei.write(alt) == alt.size());
    }
    Fenster f(fall.kaputt ? kaputterZustand() : regressionsZustand());
    f.dialoge.leeren();
    f.dialoge.waehleDatei(ziel);
    f.dialoge.antworte(fall.antwort);
    f.menue("mnuExport");
    const auto m = f.dialoge.meldungen();
    ASSERT_EQ(m.size(), fall.meldungen);
    if (fall.ordnerFehlt) {
        EXPECT_TRUE(m[0].text.contains(QStringLiteral(" 75 ")));
        EXPECT_TRUE(m[0].text.contains(ziel));
    } else {
        EXPECT_EQ(m[0].text, QStringLiteral("Wollen Sie die vorhandene Datei überschreiben ??"));
    }
    EXPECT_EQ(inhaltVon(pfad), alt);
    EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
    EXPECT_FALSE(QFile::exists(ziel) && ziel != pfad);
}

std::vector<ExportFehler> exportFehler() {
    std::vector<ExportFehler> v;
    for (const char* e : {"png", "svg", "pdf"}) {
        v.push_back({"Nein", e, false, Antwort::Nein, false, 1});
        v.push_back({"GrafikKaputt", e, true, Antwort::Ja, false, 2});
        v.push_back({"OrdnerFehlt", e, false, Antwort::Ja, true, 1});
    }
    return v;
}

INSTANTIATE_TEST_SUITE_P(Wege, ExportScheitert, ::testing::ValuesIn(exportFehler()),
                         [](const auto& info) {
                             return std::string(info.param.name) + "_" + info.param.endung;
                         });

// A failure outside the error table ends the handler with a message, not the program.
TEST(Grafikfenster, FremdeAusnahmeBeimDruckWirdGemeldet) {
    Grafikdienste dienste;
    dienste.drucken = [](frmGrafikKurvex&) { throw std::runtime_error("Drucker weg"); };
    Fenster f(regressionsZustand(), dienste);
    f.dialoge.leeren();
    f.klick("cmd1_2");
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

// Only the screen picture feeds the panel: printing and export leave it alone.
TEST(Grafikfenster, AbfragebereichHoertNurVomBildschirmbild) {
    TestPanel* panel = nullptr;
    Grafikdienste dienste;
    dienste.panelErzeugen = [&](frmGrafikKurvex& w) { return panel = new TestPanel(&w); };
    dienste.drucken = [&](frmGrafikKurvex& w) {
        AufzeichnungsAusgabe seite(190, 270);
        w.zeichneAuf(seite);
    };
    Fenster f(regressionsZustand(), dienste);
    f.zeigen();
    ASSERT_NE(panel, nullptr);
    const int vorher = panel->aufrufe;
    EXPECT_GE(vorher, 1);
    f.klick("cmd1_3");
    EXPECT_EQ(panel->aufrufe, vorher + 1);
    f.klick("cmd1_2");
    QTemporaryDir ordner;
    f.dialoge.waehleDatei(ordner.filePath(QStringLiteral("x.png")));
    f.menue("mnuExport");
    EXPECT_EQ(panel->aufrufe, vorher + 1);
}

} // namespace
} // namespace tk
