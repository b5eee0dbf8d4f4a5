#pragma once
// Two columns X and Y as a spreadsheet exports them.

#include "datafile/Datei.h"
#include "datafile/Wertetabelle.h"

#include <string>

namespace tk::cli {

// The same table rule as pasting pairs into the input window (see Wertetabelle.h).
// Throws Fehler with a German description naming the line.
// A table of more than two columns needs `spalten`.
Datensatz csvLesen(const std::string& text, const std::string& titel,
                   std::optional<Spaltenwahl> spalten = {});

} // namespace tk::cli
