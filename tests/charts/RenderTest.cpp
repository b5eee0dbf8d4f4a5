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
#include <tuple>

namespace tk {
namespace {

using test::Paare;

struct Fall {
    std::string name;
    Programmzustand z;
};

Paare aus(double (*f)(double), std::initializer_list<double> xs) {
    Paare p;
    for (double x : xs) p.emplace_back(x, f(x));
    return p;
}

std::vector<Fall> faelle() {
    std::vector<Fall> f;
    const auto xs = {2.0, 3.0, 5.0, 7.5, 10.0, 14.0, 20.0};
    f.push_back(
        {"linear", test::regression({{2, 8.1}, {3, 10.9}, {4, 14.2}, {5, 16.8}, {6, 20.3}})});
    f.push_back({"fallend", test::regression({{2, 14}, {3, 11.2}, {4, 7.9}, {5, 5.1}, {6, 1.8}})});
    f.push_back({"exponentiell",
                 test::regression(aus([](double x) { return 2 * std::exp(0.3 * x); }, xs))});
    f.push_back(
        {"potenz", test::regression(aus([](double x) { return 3 * std::pow(x, 1.5); }, xs))});
    f.push_back(
        {"logarithmisch",
         test::regression(aus([](double x) { return 4 + 2 * std::log(x) + 0.01 * x; }, xs))});
    f.push_back({"negativ", test::regression({{-4, 3}, {-1.5, 5}, {0.5, 6}, {2, 9}, {5, 12}})});
    f.push_back({"summenwerte", test::prognose(test::logistischeSummen(), 1)});
    f.push_back({"einzelwerte", test::prognose(test::logistischeEinzelwerte(), 2)});
    const Paare wachstum = {{1, 12}, {2, 30}, {3, 61}, {4, 95}, {5, 128}, {6, 152}, {7, 168}};
    const Paare zugang = {{1, 12}, {2, 18}, {3, 31}, {4, 34}, {5, 33}, {6, 24}, {7, 16}};
    for (const auto& [name, paare, fall] :
         {std::tuple{"wachstum1", wachstum, 1}, std::tuple{"wachstum2", zugang, 2}}) {
        bool ok = false;
        f.push_back({name, test::prognose(paare, fall, &ok)});
        EXPECT_TRUE(ok) << name;
    }
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
    for (auto& fall : faelle()) {
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
