#include "app/TextBHilf.h"

#include "calc/Zahlregel.h"
#include "datafile/Zeichensatz.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QToolTip>
#include <QValidator>
#include <algorithm>

#include <charconv>
#include <cmath>

using namespace Qt::StringLiterals;

namespace tk {

namespace {

const QString zahlZeichen = u"-1234567890.Ee"_s;

// Whatever reaches a number field (typed, pasted, dropped) is turned into something
// that could have been typed: a lone comma becomes the decimal point (a comma after a
// point stays: "1.234,5" is read with thousands points), and a text with other
// characters is reduced to the first number in it, or refused.
class ZahlPruefer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int& pos) const override {
        const bool gruppiert = text.contains(u'.') && text.contains(u',');
        if (!gruppiert) text.replace(u',', u'.');
        // Blanks and '+' come only from the program's own number texts.
        const auto eigen = [gruppiert](QChar c) {
            return zahlZeichen.contains(c) || c == u' ' || c == u'+' || (gruppiert && c == u',');
        };
        if (std::all_of(text.begin(), text.end(), eigen)) return Acceptable;
        static const QRegularExpression zahl(u"[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"_s);
        const auto treffer = zahl.match(text);
        if (!treffer.hasMatch()) return Invalid;
        text = treffer.captured();
        pos = static_cast<int>(text.size());
        return Acceptable;
    }
};

// The title keeps only characters the data file can hold; '@' stands for the comma
// there, and line breaks would split the record.
class TitelPruefer : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        for (const char32_t c : text.toUcs4())
            if (c < 0x20 || c == 0x7F || c == U'@' || !imDateiZeichensatz(c)) return Invalid;
        return Acceptable;
    }
};

void hinweis(QLineEdit* feld, const QString& text) {
    QToolTip::showText(feld->mapToGlobal(QPoint(0, feld->height())), text, feld);
}

} // namespace

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
    return zeichen == QChar(8) || zeichen == u',' || zahlZeichen.contains(zeichen);
}

Feldzahl feldZahl(const QString& text, double& wert) {
    if (const auto w = zahlAusEingabe(text.toStdString())) {
        wert = *w;
        return Feldzahl::Ok;
    }
    static const QRegularExpression fuehrend(u"^\\s*[-+]?(\\d+\\.?\\d*|\\.\\d+)([eE][-+]?\\d+)?"_s);
    const auto treffer = fuehrend.match(text);
    if (!treffer.hasMatch()) return Feldzahl::KeineZahl;
    const std::string zahl = treffer.captured().trimmed().remove(u'+').toStdString();
    double v = 0;
    const auto [ende, ec] = std::from_chars(zahl.data(), zahl.data() + zahl.size(), v);
    if (ec != std::errc() || !std::isfinite(v)) return Feldzahl::Bereich;
    wert = v;
    return Feldzahl::Ok;
}

QString feldzahlMeldung(Feldzahl f) {
    return f == Feldzahl::Bereich ? u"Die Zahl liegt ausserhalb des Zahlenbereichs !"_s
                                  : u"Bitte eine Zahl eingeben !"_s;
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
    if (art == Art::Titel) {
        feld->setValidator(new TitelPruefer(feld));
        QObject::connect(feld, &QLineEdit::inputRejected, feld, [feld] {
            hinweis(feld, u"Dieses Zeichen kann in der Datei nicht gespeichert werden."_s);
        });
    } else {
        feld->setValidator(new ZahlPruefer(feld));
        QObject::connect(feld, &QLineEdit::inputRejected, feld,
                         [feld] { hinweis(feld, u"Der Text enthält keine Zahl."_s); });
    }
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
