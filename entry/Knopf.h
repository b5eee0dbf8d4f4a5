#pragma once
// A push button whose caption wraps onto several lines when the button is narrow.

#include <QPushButton>

namespace tk {

class Knopf : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* e) override;
};

} // namespace tk
