#pragma once
// Two columns X and Y as a spreadsheet exports them.

#include "Datei.h"

#include <string>

namespace tk::cli {

// One pair per line, separated by ';', a tab or ','; the decimal separator is '.'
// or ',' (only '.' when ',' separates the columns). A first line that is not two
// numbers is a header. Throws Fehler with a German description naming the line.
Datensatz csvLesen(const std::string& text, const std::string& titel);

} // namespace tk::cli
