// The chart window driven through its real buttons and menu.

#include "AufzeichnungsAusgabe.h"
#include "FakeDialoge.h"
#include "Format.h"
#include "Teststaende.h"
#include "frmGrafikKurvex.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>

namespace tk {
namespace {

Programmzustand regressionsZustand() {
    return test::regression({{2, 8.1}, {3, 10.9}, {4, 14.2}, {5, 16.8}, {6, 20.3}});
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
    test::FakeDialoge dialoge;
    std::unique_ptr<frmGrafikKurvex> w;

    explicit Fenster(Programmzustand zustand, Grafikdienste dienste = {}) : z(std::move(zustand)) {
        w = std::make_unique<frmGrafikKurvex>(z, dialoge, std::move(dienste));
    }
    template <typename T> T* kind(const char* name) const {
        return w->findChild<T*>(QString::fromLatin1(name));
    }
    void klick(const char* knopf) { QTest::mouseClick(kind<QPushButton>(knopf), Qt::LeftButton); }
    void exportieren(const QString& pfad) {
        dialoge.waehleDatei(pfad);
        kind<QAction>("mnuExport")->trigger();
    }
    void zeigen() {
        w->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(w.get()));
        QCoreApplication::processEvents();
    }
};

// The chart is there on opening, without a message; the density chart has no numbers
// to switch, the others switch them off and on again.
TEST(Grafikfenster, OeffnetMitGrafikUndSchaltetNumerierung) {
    for (int art : {0, 1, 2}) {
        Fenster f(art == 0 ? regressionsZustand() : test::logistisch(art));
        f.zeigen();
        EXPECT_TRUE(f.dialoge.aufrufe.empty());
        EXPECT_EQ(f.w->bild().deviceIndependentSize().toSize(), f.kind<QWidget>("Bild1")->size());
        EXPECT_EQ(f.kind<QPushButton>("cmd1_3")->isVisible(), art != 2);
        if (art == 2) continue;
        const QImage mit = f.w->bild();
        f.klick("cmd1_3");
        EXPECT_NE(f.w->bild(), mit);
        f.klick("cmd1_3");
        EXPECT_EQ(f.w->bild(), mit);
    }
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

// "Ansicht" chosen with the mouse switches the picture; the export and the printout
// show the view on the screen.
TEST(Grafikfenster, AnsichtGiltFuerBildExportUndDruck) {
    Fenster f(regressionsZustand());
    f.zeigen();
    const QImage linear = f.w->bild();
    const auto waehle = [&](const char* eintrag) {
        QMenuBar* leiste = f.w->menuBar();
        QMenu* menue = f.kind<QMenu>("mnuAnsicht");
        QTest::mouseClick(leiste, Qt::LeftButton, {},
                          leiste->actionGeometry(menue->menuAction()).center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return menue->isVisible(); }));
        QTest::mouseClick(menue, Qt::LeftButton, {},
                          menue->actionGeometry(f.kind<QAction>(eintrag)).center());
    };
    waehle("mnuOriginal");
    EXPECT_NE(f.w->bild(), linear);
    EXPECT_FALSE(f.kind<QAction>("mnuLinearisiert")->isChecked());
    const std::string a = "A = " + Zahl(f.z.KonstA);
    const QString legende =
        QString::fromStdString(a + "   B = " + Zahl(f.z.KoeffB) + "   r = " + Zahl(f.z.KorrR));
    AufzeichnungsAusgabe papier(200, 287);
    {
        const DruckModusBereich druck(f.w->grafik(), true);
        EXPECT_TRUE(f.w->zeichneAuf(papier));
    }
    EXPECT_EQ(papier.texteMit(legende).size(), 1u);
    QTemporaryDir ordner;
    f.exportieren(ordner.filePath(QStringLiteral("g.svg")));
    EXPECT_TRUE(inhaltVon(ordner.filePath(QStringLiteral("g.svg"))).contains(a.c_str()));
    waehle("mnuLinearisiert");
    EXPECT_EQ(f.w->bild(), linear);
    EXPECT_TRUE(f.dialoge.meldungen().empty());
}

// The extension picks the format; none means PNG.
TEST(Grafikfenster, ExportSchreibtDasFormatDerEndung) {
    const std::tuple<const char*, const char*, const char*> faelle[] = {{"g.png", "g.png", "PNG"},
                                                                        {"g.svg", "g.svg", "<svg"},
                                                                        {"g.PDF", "g.PDF", "%PDF"},
                                                                        {"g", "g.png", "PNG"}};
    for (const auto& [gewaehlt, datei, kennung] : faelle) {
        QTemporaryDir ordner;
        Fenster f(regressionsZustand());
        f.exportieren(ordner.filePath(QString::fromLatin1(gewaehlt)));
        EXPECT_TRUE(f.dialoge.meldungen().empty());
        const QByteArray inhalt = inhaltVon(ordner.filePath(QString::fromLatin1(datei)));
        EXPECT_TRUE(inhalt.left(200).contains(kennung)) << gewaehlt;
        EXPECT_EQ(QDir(ordner.path()).entryList(QDir::Files).size(), 1);
    }
}

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
    f.dialoge.antworte(fall.antwort);
    f.exportieren(ziel);
    const auto m = f.dialoge.meldungen();
    ASSERT_EQ(m.size(), fall.meldungen);
    EXPECT_EQ(m[0].text.contains(QStringLiteral(" 75 ")), fall.ordnerFehlt);
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

} // namespace
} // namespace tk
