#pragma once
// "Druck" and the print preview of the chart window (Grafikdienste::drucken and
// Grafikdienste::vorschau).

namespace tk {

class frmGrafikKurvex;

// Shows the system's print dialog with A4 portrait selected and prints the page.
// Without any printer installed the dialog offers printing into a PDF file.
void druckenMitDialog(frmGrafikKurvex& fenster);

// Shows the page in the system's print preview, drawn by the same code.
void vorschauZeigen(frmGrafikKurvex& fenster);

} // namespace tk
