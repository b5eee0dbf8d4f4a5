#pragma once
// Command line of trendkurve-cli.

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
    std::string pfad;
    bool json = false;
    bool hilfe = false;
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
