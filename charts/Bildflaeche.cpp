#include "charts/Bildflaeche.h"

#include <QPainter>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace tk {

namespace {
// The charts need about 170 mm x 118 mm. They stand on a fixed bottom margin, so height
// beyond 135 mm would only add white above them: that is shared above and below.
constexpr double minBreiteMm = 172;
constexpr double minHoeheMm = 120;
constexpr double maxHoeheMm = 135;
constexpr double mmJeZoll = 25.4;
} // namespace

Bildflaeche::Bildflaeche(QWidget* parent) : QWidget(parent) {
    const auto px = [](double mm, int dpi) {
        return static_cast<int>(std::lround(mm / mmJeZoll * dpi));
    };
    setMinimumSize(px(minBreiteMm, logicalDpiX()), px(minHoeheMm, logicalDpiY()));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage Bildflaeche::leeresBild() const {
    // On a high-resolution screen the image has more pixels for the same millimetres;
    // the painter scales by the pixel ratio.
    const double faktor = devicePixelRatioF();
    const QSize px = (QSizeF(size().expandedTo(QSize(1, 1))) * faktor).toSize();
    QImage b(px, QImage::Format_ARGB32_Premultiplied);
    const auto jeMeter = [](int dpi) { return static_cast<int>(std::lround(dpi / 0.0254)); };
    b.setDotsPerMeterX(jeMeter(logicalDpiX()));
    b.setDotsPerMeterY(jeMeter(logicalDpiY()));
    b.setDevicePixelRatio(faktor);
    b.fill(Qt::white);
    return b;
}

double Bildflaeche::zoom() const {
    const double breiteMm = width() * mmJeZoll / logicalDpiX();
    const double hoeheMm = height() * mmJeZoll / logicalDpiY();
    return std::max(1.0, std::min(breiteMm / minBreiteMm, hoeheMm / minHoeheMm));
}

QRectF Bildflaeche::zeichenfeld() const {
    const double hoehe = std::min<double>(height(), zoom() * maxHoeheMm / mmJeZoll * logicalDpiY());
    return {0, (height() - hoehe) / 2, static_cast<double>(width()), hoehe};
}

QSizeF Bildflaeche::groesseMm() const {
    const QRectF feld = zeichenfeld();
    const double k = zoom();
    return {feld.width() * mmJeZoll / logicalDpiX() / k,
            feld.height() * mmJeZoll / logicalDpiY() / k};
}

bool Bildflaeche::passt() const {
    return bild_.deviceIndependentSize().toSize() == size();
}

void Bildflaeche::setzeBild(QImage bild) {
    bild_ = std::move(bild);
    update();
}

void Bildflaeche::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!bild_.isNull()) p.drawImage(0, 0, bild_);
}

void Bildflaeche::resizeEvent(QResizeEvent*) {
    if (passt() || angefordert_ || !groesseGeaendert) return;
    // Coalesce the resize events of one layout pass into one drawing.
    angefordert_ = true;
    QTimer::singleShot(0, this, [this] {
        angefordert_ = false;
        if (!passt() && groesseGeaendert) groesseGeaendert();
    });
}

} // namespace tk
