#include "TextBHilf.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace tk {

void MarkAlles(QLineEdit* feld) {
    feld->setSelection(0, static_cast<int>(feld->text().size()));
}

bool TasteNavig(QWidget* feld, int taste) {
    bool vorwaerts = true;
    switch (taste) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Right:
    case Qt::Key_Down:
        vorwaerts = true;
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        vorwaerts = false;
        break;
    default:
        return false;
    }
    // A synthetic Tab / Shift+Tab, so the focus moves exactly as with those keys.
    QKeyEvent tab(QEvent::KeyPress, vorwaerts ? Qt::Key_Tab : Qt::Key_Backtab,
                  vorwaerts ? Qt::NoModifier : Qt::ShiftModifier);
    QApplication::sendEvent(feld, &tab);
    return true;
}

bool TasteZahl(QChar zeichen) {
    static const QString erlaubt = QStringLiteral("-1234567890.Ee");
    return zeichen == QChar(8) || erlaubt.contains(zeichen);
}

bool feldVerlassen(const QFocusEvent& ereignis) {
    const auto grund = ereignis.reason();
    return grund != Qt::ActiveWindowFocusReason && grund != Qt::PopupFocusReason &&
           grund != Qt::MenuBarFocusReason;
}

bool TasteTitel(int taste) {
    return taste != Qt::Key_Return && taste != Qt::Key_Enter;
}

TextBHilf::TextBHilf(QLineEdit* feld, Art art) : QObject(feld), art_(art) {}

TextBHilf* TextBHilf::anbringen(QLineEdit* feld, Art art) {
    auto* hilf = new TextBHilf(feld, art);
    feld->installEventFilter(hilf);
    return hilf;
}

bool TextBHilf::eventFilter(QObject* objekt, QEvent* ereignis) {
    auto* feld = qobject_cast<QLineEdit*>(objekt);
    if (!feld) return false;
    switch (ereignis->type()) {
    case QEvent::FocusIn: {
        // After the line edit's own handling, which may place the caret for a mouse click.
        QPointer<QLineEdit> f(feld);
        QTimer::singleShot(0, feld, [f] {
            if (f && f->hasFocus()) MarkAlles(f);
        });
        return false;
    }
    case QEvent::KeyPress: {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (TasteNavig(feld, taste->key())) return true;
        if (art_ == Art::Titel) return !TasteTitel(taste->key());
        const QString text = taste->text();
        // Editing and shortcut keys carry no printable text and pass unchanged.
        if (text.isEmpty() || taste->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
            return false;
        for (QChar c : text)
            if (!c.isPrint() && c != QChar(8)) return false;
        for (QChar c : text)
            if (!TasteZahl(c)) return true;
        return false;
    }
    default:
        return false;
    }
}

} // namespace tk
