#pragma once
// One series of a many-series input, as read, before it is computed.

#include "bericht/Json.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace tk::cli {

struct Reihe {
    bericht::Json id;
    std::string modus = "regression"; // as the input says; checked when computed
    std::string titel;
    std::vector<double> x, y;
    // Set when the series cannot be used: error code and German text.
    std::optional<std::pair<int, std::string>> fehler;
};

} // namespace tk::cli
