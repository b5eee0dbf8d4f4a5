#pragma once
// The A4 result page: title block, chart, the table of entered pairs and the table
// of stored queries, laid out in millimetres inside a 196 x 280 mm frame that is
// centred on the printable area.

#include "calc/Zustand.h"
#include "print/Drucker.h"
#include "zeichnung/GrafikZustand.h"

#include <QDate>
#include <QSizeF>
#include <functional>

namespace tk {

class Ausgabe;
class Dialoge;
class frmGrafikKurvex;

// What the page is composed of.
struct Druckinhalt {
    const Programmzustand& zustand;
    const GrafikZustand& grafik;
    // Draws the chart on the page; false when it failed (already reported).
    std::function<bool(Ausgabe&)> grafikZeichnen;
    QDate datum = QDate::currentDate();
};

// Title block at the top of the frame whose top-left corner is (x0, y0).
void DruckTitel(Ausgabe& seite, bool prognostik, double x0, double y0, const QDate& datum);

// Composes the whole page on a printable area of the given size. Returns false when
// the chart could not be drawn; evaluation failures throw Fehler.
bool DruckHoch(Ausgabe& seite, QSizeF druckbereichMm, const Druckinhalt& inhalt);

// "Druck": checks the paper for A4, then prints the page; the chart is drawn with
// DruckModus set. Returns true when a page was sent; nothing is printed on any failure.
bool Druck(Dialoge& dialoge, const Programmzustand& zustand, GrafikZustand& grafik,
           const std::function<bool(Ausgabe&)>& grafikZeichnen, Drucker& drucker);
// The same for the chart window's current chart.
bool Druck(frmGrafikKurvex& fenster, Drucker& drucker);

// The two halves of "Druck": the paper check (tells the user when the page is not A4)
// and the page itself without that check.
bool PapierA4(Dialoge& dialoge, const Drucker& drucker);
bool DruckSeite(Dialoge& dialoge, const Programmzustand& zustand, GrafikZustand& grafik,
                const std::function<bool(Ausgabe&)>& grafikZeichnen, Drucker& drucker);
bool DruckSeite(frmGrafikKurvex& fenster, Drucker& drucker);

} // namespace tk
