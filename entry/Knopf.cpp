#include "entry/Knopf.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace tk {

void Knopf::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString text = option.text;
    option.text.clear();
    p.drawControl(QStyle::CE_PushButton, option);
    const QRect rand = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(rand, Qt::AlignCenter | Qt::TextWordWrap, text);
}

} // namespace tk
