#pragma once
// The "Hilfe" menu of the main windows: the user manual (F1) and the program's version.

#include "app/Dialoge.h"

class QMainWindow;
class QTextBrowser;
class QWidget;

namespace tk {

// Adds "Hilfe" with "Anleitung" (F1) and "Über Trendkurve" to the window's menu bar.
void hilfemenueAnbringen(QMainWindow& fenster, Dialoge& dialoge);

// Opens the manual beside the window (one window per parent); returns its text view.
QTextBrowser* anleitungZeigen(QWidget* eltern);

// The text of "Über Trendkurve".
QString ueberText();

} // namespace tk
