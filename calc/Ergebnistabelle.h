#pragma once
// The results of the chart on display as a table of texts, for the clipboard
// (tab-separated) and for a CSV file (semicolon-separated): title, mode, the decisive
// model or curve with its parameters and characteristic values, the data set and the
// stored queries. Numbers carry a decimal comma, as German spreadsheets read them.

#include "calc/Zustand.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

using Tabellenzeile = std::vector<std::string>;

struct Abfragetabelle {
    Tabellenzeile kopf;                                     // column names
    std::vector<std::vector<std::optional<double>>> zeilen; // an empty cell where unset
    std::vector<bool> extrapolation;                        // per row: read outside the data
};

// `fall`: "Summenwerte" or "Einzelwerte" in prognosis mode, ignored in regression mode.
std::vector<Tabellenzeile> ergebnistabelle(const Programmzustand& z, const std::string& fall,
                                           const Abfragetabelle& abfragen);

// Full-precision number text with a decimal comma ("0,99812345678901").
std::string tabellenzahl(double v);

std::string alsTsv(const std::vector<Tabellenzeile>& t);
// Quotes fields that need it; ',' as separator goes with a decimal point in the numbers.
std::string alsCsv(const std::vector<Tabellenzeile>& t, char trenner = ';');

} // namespace tk
