#pragma once
// Keyboard behaviour shared by every numeric field (and the title field): the text is
// selected on entry, only number characters can be typed, and Enter and the arrow
// keys move through the tab order like Tab and Shift+Tab.

#include <QObject>

class QFocusEvent;
class QLineEdit;
class QWidget;

namespace tk {

// Selects the whole text so that typing replaces it.
void MarkAlles(QLineEdit* feld);
// Moves the focus as Tab (Enter, Right, Down) or Shift+Tab (Left, Up) would; returns
// false for any other key, which then stays with the field.
bool TasteNavig(QWidget* feld, int taste);
// True when the character may be typed into a numeric field: "-1234567890.Ee", the
// decimal comma (taken as a point) and Backspace.
bool TasteZahl(QChar zeichen);

// The value of a number field: its leading number. A text without one, or a number
// beyond the range of a double, has no value.
enum class Feldzahl { Ok, KeineZahl, Bereich };
Feldzahl feldZahl(const QString& text, double& wert);
// The message for a field without a value.
QString feldzahlMeldung(Feldzahl f);
// True when the key may reach the title field (Enter never does).
bool TasteTitel(int taste);
// True when losing the focus means the user left the field: switching windows or
// opening a menu does not.
bool feldVerlassen(const QFocusEvent& ereignis);

// Event filter that gives a line edit this behaviour.
class TextBHilf : public QObject {
    Q_OBJECT
public:
    enum class Art { Zahl, Titel };

    // Installs the filter on `feld`; it lives as long as the field.
    static TextBHilf* anbringen(QLineEdit* feld, Art art);

protected:
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    TextBHilf(QLineEdit* feld, Art art);
    Art art_;
};

} // namespace tk
