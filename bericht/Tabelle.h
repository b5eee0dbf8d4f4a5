#pragma once
// The report as a German text table.

#include "bericht/Bericht.h"

#include <string>

namespace tk::bericht {

std::string alsTabelle(const Bericht& b);

// A text from a file as the terminal may show it: control characters (escape
// sequences, line breaks) written as \xNN.
std::string sichtbar(const std::string& t);

// One line per error reported while fitting or answering a query, for stderr.
std::string fehlerZeilen(const Bericht& b);

} // namespace tk::bericht
