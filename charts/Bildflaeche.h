#pragma once
// The chart window's picture box: shows the last drawn image and asks for a new one
// when its size changes. Painting only copies the image, so no drawing (and no error
// message) ever happens inside a paint event. A larger box shows the chart enlarged,
// keeping its proportions.

#include <QImage>
#include <QRectF>
#include <QSizeF>
#include <QWidget>
#include <functional>

namespace tk {

class Bildflaeche : public QWidget {
public:
    explicit Bildflaeche(QWidget* parent = nullptr);

    // An empty white image of the current size at the screen's resolution.
    QImage leeresBild() const;
    void setzeBild(QImage bild);
    const QImage& bild() const { return bild_; }

    // How much the chart is enlarged: as far as both directions allow, never below 1.
    double zoom() const;
    // Where the chart goes in the image (device-independent pixels): the full width,
    // and no more height than the charts can use, centred.
    QRectF zeichenfeld() const;
    // The chart's own size before enlarging, in millimetres.
    QSizeF groesseMm() const;

    // Called (later, from the event loop) when the size no longer matches the image.
    std::function<void()> groesseGeaendert;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    bool passt() const; // the image has the widget's size

    QImage bild_;
    bool angefordert_ = false;
};

} // namespace tk
