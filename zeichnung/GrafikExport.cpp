#include "zeichnung/GrafikExport.h"

#include "zeichnung/QPainterAusgabe.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <cmath>

namespace tk {

namespace {
constexpr double bildDpi = 192; // twice the screen's resolution, same millimetre layout
constexpr double svgDpi = 96;
constexpr int pdfDpi = 600;

int pixel(double mm, double dpi) {
    return std::max(1, static_cast<int>(std::lround(mm / 25.4 * dpi)));
}
} // namespace

std::optional<Exportformat> exportformatFuer(const QString& pfad) {
    const QString s = QFileInfo(pfad).suffix().toLower();
    if (s == QLatin1String("png")) return Exportformat::PNG;
    if (s == QLatin1String("svg")) return Exportformat::SVG;
    if (s == QLatin1String("pdf")) return Exportformat::PDF;
    return std::nullopt;
}

QString exportFilter() {
    return QStringLiteral(
        "PNG-Bild (*.png)|*.png|SVG-Grafik (*.svg)|*.svg|PDF-Dokument (*.pdf)|*.pdf");
}

namespace {

using Zeichnen = std::function<bool(Ausgabe&)>;

void alsPng(QSaveFile& datei, QSizeF groesseMm, const Zeichnen& zeichne, ExportErgebnis& e) {
    QImage bild(pixel(groesseMm.width(), bildDpi), pixel(groesseMm.height(), bildDpi),
                QImage::Format_ARGB32_Premultiplied);
    const int jeMeter = static_cast<int>(std::lround(bildDpi / 0.0254));
    bild.setDotsPerMeterX(jeMeter);
    bild.setDotsPerMeterY(jeMeter);
    bild.fill(Qt::white);
    {
        QPainterAusgabe a(bild);
        e.gezeichnet = zeichne(a);
    }
    e.geschrieben = e.gezeichnet && bild.save(&datei, "PNG");
}

// SVG and PDF: the chart painted straight into the generator.
void malen(QPaintDevice& geraet, const Zeichnen& zeichne, ExportErgebnis& e) {
    QPainter p;
    if (!p.begin(&geraet)) {
        e.gezeichnet = true; // nothing failed in the chart: a write error
        return;
    }
    {
        QPainterAusgabe a(p);
        e.gezeichnet = zeichne(a);
    }
    e.geschrieben = p.end() && e.gezeichnet;
}

void alsSvg(QSaveFile& datei, QSizeF groesseMm, const Zeichnen& zeichne, ExportErgebnis& e) {
    QSvgGenerator svg;
    svg.setOutputDevice(&datei);
    svg.setResolution(static_cast<int>(svgDpi));
    const QSize px(pixel(groesseMm.width(), svgDpi), pixel(groesseMm.height(), svgDpi));
    svg.setSize(px);
    svg.setViewBox(QRect(QPoint(0, 0), px));
    svg.setTitle(QStringLiteral("Trendkurve"));
    malen(svg, zeichne, e);
}

void alsPdf(QSaveFile& datei, QSizeF groesseMm, const Zeichnen& zeichne, ExportErgebnis& e) {
    QPdfWriter pdf(&datei);
    pdf.setResolution(pdfDpi);
    pdf.setPageLayout(QPageLayout(QPageSize(groesseMm, QPageSize::Millimeter),
                                  QPageLayout::Portrait, QMarginsF()));
    pdf.setTitle(QStringLiteral("Trendkurve"));
    malen(pdf, zeichne, e);
}

} // namespace

ExportErgebnis exportiereGrafik(const QString& pfad, Exportformat format, QSizeF groesseMm,
                                const std::function<bool(Ausgabe&)>& zeichne) {
    ExportErgebnis e;
    // Written beside the target and renamed at the end: a failure leaves any file
    // of that name as it was.
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return e;
    e.geoeffnet = true;
    switch (format) {
    case Exportformat::PNG:
        alsPng(datei, groesseMm, zeichne, e);
        break;
    case Exportformat::SVG:
        alsSvg(datei, groesseMm, zeichne, e);
        break;
    case Exportformat::PDF:
        alsPdf(datei, groesseMm, zeichne, e);
        break;
    }
    if (e.geschrieben)
        e.geschrieben = datei.commit();
    else
        datei.cancelWriting();
    return e;
}

} // namespace tk
