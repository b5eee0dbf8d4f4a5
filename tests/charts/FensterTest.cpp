// The chart window driven through its real buttons and menu.

#include "charts/Bildflaeche.h"
#include "charts/frmGrafikKurvex.h"
#include "tests/support/AufzeichnungsAusgabe.h"
#include "tests/support/FakeDialoge.h"
#include "tests/support/Teststaende.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
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
    // Chooses an entry of the menu "Ansicht" with the mouse.
    void ansicht(const char* eintrag) {
        QMenu* menue = kind<QMenu>("mnuAnsicht");
        const QRect knopf = w->menuBar()->actionGeometry(menue->menuAction());
        QTest::mouseClick(w->menuBar(), Qt::LeftButton, {}, knopf.center());
        ASSERT_TRUE(QTest::qWaitFor([&] { return menue->isVisible(); }));
        const QRect feld = menue->actionGeometry(kind<QAction>(eintrag));
        QTest::mouseClick(menue, Qt::LeftButton, {}, feld.center());
    }
};

// The chart is there on opening, without a message; the density chart has no numbers
// to switch, the others switch them off and on again. "Ansicht" switches to the data's
// own units and back; the printout (and the export, drawn the same way) follows it.
TEST(Grafikfenster, OeffnetMitGrafikUndSchaltetNumerierungUndAnsicht) {
    for (int art : {0, 1, 2}) {
        Fenster f(art == 0 ? regressionsZustand() : test::logistisch(art));
        f.zeigen();
        EXPECT_TRUE(f.dialoge.aufrufe.empty());
        EXPECT_EQ(f.w->bild().deviceIndependentSize().toSize(), f.kind<QWidget>("Bild1")->size());
        EXPECT_EQ(f.kind<QPushButton>("cmd1_3")->isVisible(), art != 2);
        const QImage mit = f.w->bild();
        f.ansicht("mnuOriginal");
        EXPECT_NE(f.w->bild(), mit);
        AufzeichnungsAusgabe papier(200, 287);
        {
            const DruckModusBereich druck(f.w->grafik(), true);
            EXPECT_TRUE(f.w->zeichneAuf(papier));
        }
        const auto l = papier.linien(); // only that view has a grid
        EXPECT_TRUE(
            std::any_of(l.begin(), l.end(), [](auto& g) { return g.farbe == Farbe::Hellgrau; }));
        f.ansicht("mnuLinearisiert");
        EXPECT_EQ(f.w->bild(), mit);
        if (art == 2) continue;
        f.klick("cmd1_3");
        EXPECT_NE(f.w->bild(), mit);
        f.klick("cmd1_3");
        EXPECT_EQ(f.w->bild(), mit);
    }
}

// A larger window shows the same chart enlarged in both directions alike; the export
// keeps the chart's own size.
TEST(Grafikfenster, GroesseresFensterVergroessertDieGrafik) {
    const auto tinte = [](const QImage& b) { // the box around all that is darker than grey
        QRect r;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (QColor(b.pixel(x, y)).lightness() < 128) r |= QRect(x, y, 1, 1);
        return r;
    };
    Fenster f(regressionsZustand());
    f.zeigen();
    const auto* bild = f.kind<Bildflaeche>("Bild1");
    const QRect klein = tinte(f.w->bild());
    const double zoom = bild->zoom();
    f.w->resize(f.w->size() * 2);
    ASSERT_TRUE(QTest::qWaitFor([&] { return f.w->bild().size() == bild->size(); }));
    const double k = bild->zoom() / zoom;
    ASSERT_GT(k, 1.5);
    const QRect gross = tinte(f.w->bild());
    EXPECT_NEAR(gross.width(), klein.width() * k, 4);
    EXPECT_NEAR(gross.height(), klein.height() * k, 4);
    QTemporaryDir ordner;
    f.exportieren(ordner.filePath(QStringLiteral("g.png")));
    EXPECT_NEAR(QImage(ordner.filePath(QStringLiteral("g.png"))).width(),
                bild->groesseMm().width() / 25.4 * 192, 1);
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
