#include "zeichnung/QPainterAusgabe.h"

#include "zeichnung/Symbolschrift.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <algorithm>
#include <cmath>

namespace tk {

namespace {
constexpr double mmJeZoll = 25.4;
// One unit of line width on paper; on a screen it is one pixel.
constexpr double linienEinheitMm = 0.2;
// Dashes of the marker lines, in millimetres.
constexpr double strichMm = 1.5;
constexpr double lueckeMm = 1.0;
} // namespace

QPainterAusgabe::QPainterAusgabe(QPaintDevice& geraet) : QPainterAusgabe(geraet, 1, QRectF()) {}

QPainterAusgabe::QPainterAusgabe(QPaintDevice& geraet, double zoom, const QRectF& feld)
    : eigener_(std::make_unique<QPainter>(&geraet)), painter_(eigener_.get()), geraet_(&geraet),
      zoom_(zoom > 0 ? zoom : 1), feld_(feld) {
    painter_->setRenderHint(QPainter::Antialiasing);
    painter_->setRenderHint(QPainter::TextAntialiasing);
    einrichten();
}

QPainterAusgabe::QPainterAusgabe(QPainter& painter)
    : painter_(&painter), geraet_(painter.device()) {
    einrichten();
}

void QPainterAusgabe::einrichten() {
    koordinatenZuruecksetzen();
    setzeSchrift(schrift_);
}

QPainterAusgabe::~QPainterAusgabe() = default;

QColor QPainterAusgabe::farbwert(Farbe farbe) {
    switch (farbe) {
    case Farbe::Hellcyan:
        return QColor(0, 190, 230); // dark enough to see a thin dashed line on white
    case Farbe::Hellrot:
        return QColor(235, 40, 40);
    case Farbe::Hellgrau:
        return QColor(210, 210, 210); // a grid that stays behind the data
    case Farbe::Schwarz:
        break;
    }
    return QColor(Qt::black);
}

QFont QPainterAusgabe::qtSchrift(const Schrift& s) {
    QFont f;
    const QString& n = s.name;
    if (istSymbolschrift(n))
        f.setFamilies({QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
    else if (n.compare(QStringLiteral("Courier New"), Qt::CaseInsensitive) == 0)
        f.setFamilies({n, QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    else if (n.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0)
        f.setFamilies({n, QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    else
        f.setFamilies({n, QStringLiteral("Liberation Sans")});
    f.setPointSizeF(s.groesse > 0 ? s.groesse : 8);
    f.setBold(s.fett);
    f.setUnderline(s.unterstrichen);
    return f;
}

// Painter coordinates: on an image with a device pixel ratio the painter already
// scales by that ratio, so sizes are taken in device-independent pixels.
double QPainterAusgabe::breitePx() const {
    return feld_.isEmpty() ? geraet_->width() / geraet_->devicePixelRatioF() : feld_.width();
}
double QPainterAusgabe::hoehePx() const {
    return feld_.isEmpty() ? geraet_->height() / geraet_->devicePixelRatioF() : feld_.height();
}

// Pixels of one user millimetre.
double QPainterAusgabe::pixelJeMmX() const {
    return zoom_ * geraet_->logicalDpiX() / mmJeZoll;
}
double QPainterAusgabe::pixelJeMmY() const {
    return zoom_ * geraet_->logicalDpiY() / mmJeZoll;
}

double QPainterAusgabe::breiteMm() const {
    return breitePx() / pixelJeMmX();
}
double QPainterAusgabe::hoeheMm() const {
    return hoehePx() / pixelJeMmY();
}

void QPainterAusgabe::setzeKoordinaten(double links, double oben, double rechts, double unten) {
    links_ = links;
    oben_ = oben;
    rechts_ = rechts;
    unten_ = unten;
}

void QPainterAusgabe::koordinatenZuruecksetzen() {
    setzeKoordinaten(0, 0, breiteMm(), hoeheMm());
}

QPointF QPainterAusgabe::geraetPunkt(double x, double y) const {
    const double px = (x - links_) * breitePx() / (rechts_ - links_);
    const double py = (y - oben_) * hoehePx() / (unten_ - oben_);
    return QPointF(px, py) + feld_.topLeft();
}

void QPainterAusgabe::loeschen() {
    painter_->fillRect(QRectF(feld_.topLeft(), QSizeF(breitePx(), hoehePx())), Qt::white);
    x_ = 0;
    y_ = 0;
}

void QPainterAusgabe::setzePosition(double x, double y) {
    x_ = x;
    y_ = y;
}

void QPainterAusgabe::setzeStift(Farbe farbe) {
    const double einheitPx = std::max(1.0, linienEinheitMm * pixelJeMmX());
    const double stiftPx = std::max(1, breite_) * einheitPx;
    QPen stift(farbwert(farbe), stiftPx);
    if (stil_ == Linienstil::Gestrichelt) {
        stift.setCapStyle(Qt::FlatCap);
        const double mm = pixelJeMmX() / stiftPx; // the pattern counts in pen widths
        stift.setDashPattern({strichMm * mm, lueckeMm * mm});
    } else {
        stift.setCapStyle(Qt::RoundCap);
        stift.setJoinStyle(Qt::RoundJoin);
    }
    painter_->setPen(stift);
    painter_->setBrush(Qt::NoBrush);
}

void QPainterAusgabe::punkt(double x, double y) {
    setzeStift(farbe_);
    painter_->drawPoint(geraetPunkt(x, y));
    setzePosition(x, y);
}

void QPainterAusgabe::linieZu(double x, double y) {
    setzeStift(farbe_);
    painter_->drawLine(geraetPunkt(x_, y_), geraetPunkt(x, y));
    setzePosition(x, y);
}

void QPainterAusgabe::kreis(double x, double y, double radius, Farbe farbe) {
    setzeStift(farbe);
    const double rx = std::abs(radius * breitePx() / (rechts_ - links_));
    const double ry = std::abs(radius * hoehePx() / (unten_ - oben_));
    painter_->drawEllipse(geraetPunkt(x, y), rx, ry);
}

void QPainterAusgabe::flaeche(const std::vector<std::pair<double, double>>& polygon, Farbe farbe) {
    QPolygonF p;
    for (const auto& [x, y] : polygon) p << geraetPunkt(x, y);
    const QColor c = farbwert(farbe);
    const auto blass = [](int kanal) { return (kanal + 3 * 255) / 4; };
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(QColor(blass(c.red()), blass(c.green()), blass(c.blue())));
    painter_->drawPolygon(p);
    painter_->setBrush(Qt::NoBrush);
}

void QPainterAusgabe::setzeSchrift(const Schrift& schrift) {
    schrift_ = schrift;
    font_ = qtSchrift(schrift);
    font_.setPointSizeF(font_.pointSizeF() * zoom_);
}

QString QPainterAusgabe::sichtbarerText(const QString& text) const {
    return istSymbolschrift(schrift_.name) ? symbolAlsUnicode(text) : text;
}

void QPainterAusgabe::drucke(const QString& text) {
    const QString t = sichtbarerText(text);
    painter_->setFont(font_);
    painter_->setPen(QPen(farbwert(farbe_)));
    const QFontMetricsF fm(font_, geraet_);
    const QPointF p = geraetPunkt(x_, y_);
    painter_->drawText(QPointF(p.x(), p.y() + fm.ascent()), t);
    x_ += textBreite(text);
}

double QPainterAusgabe::textBreite(const QString& text) const {
    const QFontMetricsF fm(font_, geraet_);
    const double px = fm.horizontalAdvance(sichtbarerText(text));
    return px * std::abs((rechts_ - links_) / breitePx());
}

double QPainterAusgabe::textHoehe(const QString&) const {
    const QFontMetricsF fm(font_, geraet_);
    return fm.height() * std::abs((unten_ - oben_) / hoehePx());
}

} // namespace tk
