#pragma once
// The chart window's ways to pass results on: "Bearbeiten > Grafik kopieren" and
// "Ergebnisse kopieren", "Ergebnisse > Modellvergleich ..." and
// "Datei > Ergebnisse exportieren ..." (CSV or the command line's JSON).

#include "calc/Ergebnistabelle.h"

#include <QString>

class QAction;
class QMenu;

namespace tk {

class frmGrafikKurvex;

// Adds the menus; the export entry goes into `datei` before `vor`.
void ergebnismenuesAnbringen(frmGrafikKurvex& w, QMenu& datei, QAction* vor);

// Title, mode, the decisive model or curve, the pairs and the stored queries.
std::vector<Tabellenzeile> ergebnisseAlsTabelle(frmGrafikKurvex& w);

// The export as written to `pfad`: JSON for a name ending in .json, else CSV.
std::string exportText(frmGrafikKurvex& w, const QString& pfad);

void ergebnisseExportieren(frmGrafikKurvex& w);

} // namespace tk
