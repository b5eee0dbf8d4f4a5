#pragma once
// Command line of trendkurve-cli.

#include "Datei.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk::cli {

// A command line that cannot be used; the text is the German message for stderr.
struct Aufruffehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Optionen {
    std::vector<std::string> pfade; // "-" is standard input
    bool json = false;
    bool hilfe = false;
    bool version = false;
    bool csv = false; // two columns X and Y instead of the data file format
    // Mode of input whose name does not give it (CSV, standard input).
    std::optional<DateiArt> modus;
    // Query values as typed; X may also be "unendlich" (the 100 % point).
    std::optional<std::string> x;
    std::optional<double> y, prozent, k;

    bool abfrage() const { return x || y || prozent || k; }
};

// Throws Aufruffehler.
Optionen optionenLesen(const std::vector<std::string>& argumente);

// A whole number text ("12.5", "-1E-3"); nullopt when the text is anything else.
std::optional<double> zahlAusText(const std::string& text);

extern const char* const Gebrauch;

} // namespace tk::cli
