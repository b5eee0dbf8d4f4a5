#pragma once
// The chart window's picture box: shows the last drawn image and asks for a new one
// when its size changes. Painting only copies the image, so no drawing (and no error
// message) ever happens inside a paint event.

#include <QImage>
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
