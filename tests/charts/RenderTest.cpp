// Every chart of every data set renders on the real surfaces, in both views: screen,
// paper and SVG.

#include "tests/support/Teststaende.h"
#include "zeichnung/Grafiken.h"
#include "zeichnung/QPainterAusgabe.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <gtest/gtest.h>

namespace tk {
namespace {

// The bundled examples show every model family and curve type; a negative X and the
// logistic series of both cases complete the set.
std::vector<std::pair<std::string, Programmzustand>> faelle() {
    std::vector<std::pair<std::string, Programmzustand>> f;
    f.emplace_back("negativ", test::regression({{-4, 3}, {-1.5, 5}, {0.5, 6}, {2, 9}, {5, 12}}));
    f.emplace_back("summenwerte", test::prognose(test::logistischeSummen(), 1));
    f.emplace_back("einzelwerte", test::prognose(test::logistischeEinzelwerte(), 2));
    for (const auto& datei : test::beispieldateien()) {
        const auto name = QFileInfo(QString::fromStdString(datei)).baseName().toStdString();
        for (int fall : {1, 2}) {
            bool ok = false;
            Programmzustand z = test::ausDatei(datei, fall, &ok);
            const bool prognose = z.ModusPrognostik;
            if (ok) f.emplace_back(name + "_" + std::to_string(fall), std::move(z));
            if (!prognose) break;
        }
    }
    return f;
}

int dunklePixel(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); y += 2)
        for (int x = 0; x < b.width(); x += 2) n += QColor(b.pixel(x, y)).lightness() < 128;
    return n;
}

TEST(Rendern, JedeGrafikJedesDatensatzesInBildUndSvg) {
    auto alle = faelle();
    ASSERT_GE(alle.size(), 9u); // the examples were found
    for (auto& [name, z] : alle) {
        SCOPED_TRACE(name);
        for (int art = 0; art < 4; ++art) { // screen and paper, both views
            const bool druck = art & 1;
            GrafikZustand g;
            g.DruckModus = druck;
            g.Originalmassstab = art & 2;
            QImage bild(druck ? 1587 : 1180, druck ? 2245 : 560, QImage::Format_RGB32);
            const int jeMeter = druck ? 7559 : 3780; // 192 dpi (A4) or 96 dpi
            bild.setDotsPerMeterX(jeMeter);
            bild.setDotsPerMeterY(jeMeter);
            bild.fill(Qt::white);
            {
                QPainterAusgabe a(bild);
                ASSERT_NO_THROW(GrafikZeichnen(a, z, g));
            }
            EXPECT_GT(dunklePixel(bild), 500);
        }
        QByteArray svgDaten;
        QBuffer puffer(&svgDaten);
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(QSize(1000, 600));
        {
            QPainter p(&svg);
            QPainterAusgabe a(p);
            GrafikZustand g;
            ASSERT_NO_THROW(GrafikZeichnen(a, z, g));
        }
        EXPECT_TRUE(svgDaten.contains("Wert") || svgDaten.contains("Funktion"));
    }
}

} // namespace
} // namespace tk
