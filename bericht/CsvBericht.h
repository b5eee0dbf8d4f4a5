#pragma once
// The decisive result of each input as CSV rows, for spreadsheets: German (';' and decimal
// comma) or with a decimal point (',' and '.'). One row per input in regression mode, one
// per case in prognosis mode; text cells that a spreadsheet would run as a formula are
// neutralised.

#include "bericht/Bericht.h"

#include <string>

namespace tk::bericht {

// The header row, written once before all rows; the first column names the input (a
// file, or the id of a series).
std::string csvKopf(bool punkt, const std::string& ersteSpalte = "datei");
std::string alsCsvZeilen(const Bericht& b, const std::string& datei, bool punkt);
// The row of an input that could not be used.
std::string fehlerAlsCsv(const std::string& datei, const std::string& text, bool punkt);

} // namespace tk::bericht
