#pragma once
// The queries asked of a report, as typed on a command line, and how their numbers read.

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk::bericht {

// A request that cannot be used; the text is the German message for the user.
struct Aufruffehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct Abfragewunsch {
    // Query values as typed, each answered on its own; X may also be "unendlich" (the
    // 100 % point).
    std::vector<std::string> x;
    std::vector<double> y, prozent, k;

    bool abfrage() const { return !x.empty() || !y.empty() || !prozent.empty() || !k.empty(); }
};

// A number as the program reads typed numbers ("12.5", "12,5", "-1E-3", "+4", "1.000,5");
// nullopt when the text is anything else.
std::optional<double> zahlAusText(const std::string& text);

} // namespace tk::bericht
