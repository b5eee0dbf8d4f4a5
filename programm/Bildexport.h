#pragma once
// trendkurve --exportieren BILD [--ansicht original|linear] [--fall summen|einzel] DATEI:
// the chart of a data file written as "Grafik exportieren ..." writes it, for report
// scripts, without showing a window.

#include <ostream>
#include <string>
#include <vector>

namespace tk {

// True when the command line asks for an export (then no window opens).
bool exportGewuenscht(const std::vector<std::string>& argumente);

// Computes the file, draws its chart in a window that is never shown and writes the
// picture. Needs a running QApplication (the offscreen platform will do). Returns the
// exit status: 0 written, 2 an unusable option, file or chart, with its German
// message on `fehler`.
int bildExportieren(const std::vector<std::string>& argumente, std::ostream& fehler);

} // namespace tk
