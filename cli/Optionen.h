#pragma once
// Command line of trendkurve-cli.

#include "bericht/Abfragewunsch.h"
#include "datafile/Datei.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk::cli {

using bericht::Aufruffehler;
using bericht::zahlAusText;

struct Optionen : bericht::Abfragewunsch {
    std::vector<std::string> pfade; // "-" is standard input
    bool json = false;
    // The inputs are JSON Lines of series instead of data files.
    bool serien = false;
    // --ausgabe csv (';' and decimal comma) or csv-punkt (',' and '.'): one row per result.
    std::optional<bool> csvPunkt;
    bool hilfe = false;
    bool version = false;
    bool csv = false; // two columns X and Y instead of the data file format
    // Mode of input whose name does not give it (CSV, standard input).
    std::optional<DateiArt> modus;
    // With --csv: which two columns of a wider table hold X and Y (1-based).
    std::optional<std::pair<int, int>> spalten;
    // How many inputs are computed at once; default: the CPUs this process may use.
    std::optional<unsigned> jobs;
    // A file naming one input per line ("-": standard input), for more than a command line holds.
    std::optional<std::string> dateienAus;
};

// Throws Aufruffehler.
Optionen optionenLesen(const std::vector<std::string>& argumente);

extern const char* const Gebrauch;

} // namespace tk::cli
