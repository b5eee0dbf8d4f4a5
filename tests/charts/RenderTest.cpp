// Every chart of every data set renders on the real surfaces: the screen image and SVG.

#include "Datensaetze.h"
#include "Grafiken.h"
#include "QPainterAusgabe.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSvgGenerator>
#include <cmath>
#include <gtest/gtest.h>

namespace tk {
namespace {

struct Fall {
    std::string name;
    Programmzustand z;
};

// The bundled examples show every model family and curve type; a negative X and the
// logistic series of both cases complete the set.
std::vector<Fall> faelle() {
    std::vector<Fall> f;
    f.push_back({"negativ", test::regression({{-4, 3}, {-1.5, 5}, {0.5, 6}, {2, 9}, {5, 12}})});
    f.push_back({"summenwerte", test::prognose(test::logistischeSummen(), 1)});
    f.push_back({"einzelwerte", test::prognose(test::logistischeEinzelwerte(), 2)});
    for (const auto& datei : test::beispieldateien()) {
        const std::string name = QFileInfo(QString::fromStdString(datei)).baseName().toStdString();
        for (int fall : {1, 2}) {
            bool ok = false;
            Programmzustand z = test::ausDatei(datei, fall, &ok);
            if (!ok) continue;
            const bool prognose = z.ModusPrognostik;
            f.push_back({name + "_" + std::to_string(fall), std::move(z)});
            if (!prognose) break;
        }
    }
    return f;
}

QImage leeresBild(int breite, int hoehe) {
    QImage b(breite, hoehe, QImage::Format_ARGB32_Premultiplied);
    b.setDotsPerMeterX(3780); // 96 dpi
    b.setDotsPerMeterY(3780);
    b.fill(Qt::white);
    return b;
}

int dunklePixel(const QImage& b) {
    int n = 0;
    for (int y = 0; y < b.height(); y += 2)
        for (int x = 0; x < b.width(); x += 2) n += QColor(b.pixel(x, y)).lightness() < 128;
    return n;
}

TEST(Rendern, JedeGrafikJedesDatensatzesInBildUndSvg) {
    const QString ablage = qEnvironmentVariable("TK_GRAFIK_ABLAGE");
    auto alle = faelle();
    ASSERT_GE(alle.size(), 9u); // the examples were found
    for (auto& fall : alle) {
        SCOPED_TRACE(fall.name);
        for (bool druck : {false, true}) {
            GrafikZustand g;
            g.DruckModus = druck;
            QImage bild = leeresBild(druck ? 1587 : 1180, druck ? 2245 : 560); // A4 at 192 dpi
            if (druck) {
                bild.setDotsPerMeterX(7559);
                bild.setDotsPerMeterY(7559);
            }
            {
                QPainterAusgabe a(bild);
                ASSERT_NO_THROW(GrafikZeichnen(a, fall.z, g));
            }
            EXPECT_GT(dunklePixel(bild), 500);
            if (!ablage.isEmpty())
                bild.save(QDir(ablage).filePath(QString::fromStdString(fall.name) +
                                                (druck ? "_druck.png" : ".png")));
        }

        QByteArray svgDaten;
        QBuffer puffer(&svgDaten);
        QSvgGenerator svg;
        svg.setOutputDevice(&puffer);
        svg.setSize(QSize(1000, 600));
        svg.setResolution(96);
        {
            QPainter p(&svg);
            QPainterAusgabe a(p);
            GrafikZustand g;
            ASSERT_NO_THROW(GrafikZeichnen(a, fall.z, g));
        }
        EXPECT_TRUE(svgDaten.contains("<svg"));
        EXPECT_TRUE(svgDaten.contains("Wert") || svgDaten.contains("Funktion"));
    }
}

} // namespace
} // namespace tk
