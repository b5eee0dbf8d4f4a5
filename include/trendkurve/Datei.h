#pragma once
// Data sets and the ".rgr"/".pro" data files.

#include "trendkurve/Fehler.h"

#include <string>
#include <vector>

namespace trendkurve {

enum class Modus { Regression, Prognose };

// One data set: 4 to 21 pairs; for a prognosis y holds the values K.
struct Datensatz {
    std::string titel; // UTF-8, at most 52 characters are kept in a file
    Modus modus = Modus::Regression;
    std::vector<double> x, y;
};

// Reads a data file; the mode comes from the extension (".rgr" regression, ".pro"
// prognosis). Throws Fehler (53, 62, 76, ...) and delivers nothing of a damaged file.
TRENDKURVE_API Datensatz lesen(const std::string& pfad);

// Writes the data set in the file format (Windows-1252, CR LF), replacing the file
// atomically. The extension should match the mode; the file itself does not say it.
// Throws Fehler for an unusable data set or a failed write (the old file stays).
TRENDKURVE_API void schreiben(const std::string& pfad, const Datensatz& daten);

} // namespace trendkurve
