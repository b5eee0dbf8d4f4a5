#include "zeichnung/Messflaeche.h"

#include "zeichnung/QPainterAusgabe.h"

#include <QFontMetricsF>
#include <QImage>

namespace tk {

namespace {
constexpr int pixelJeMm = 10;

// Fonts are measured on a small image of known resolution, so a pixel is a fixed
// fraction of a millimetre whatever the screen.
const QImage& messbild() {
    static const QImage bild = [] {
        QImage b(1, 1, QImage::Format_ARGB32);
        b.setDotsPerMeterX(pixelJeMm * 1000);
        b.setDotsPerMeterY(pixelJeMm * 1000);
        return b;
    }();
    return bild;
}
} // namespace

double Messflaeche::textBreite(const QString& text) const {
    const QFontMetricsF fm(QPainterAusgabe::qtSchrift(schrift_), &messbild());
    return fm.horizontalAdvance(text) / pixelJeMm;
}

double Messflaeche::textHoehe(const QString&) const {
    const QFontMetricsF fm(QPainterAusgabe::qtSchrift(schrift_), &messbild());
    return fm.height() / pixelJeMm;
}

} // namespace tk
