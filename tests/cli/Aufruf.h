#pragma once

#include "Ausfuehren.h"

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

namespace tk::test {

struct Lauf {
    int status;
    std::string aus, fehler;
};

inline Lauf starte(const std::vector<std::string>& argumente, const std::string& eingabe = {}) {
    std::ostringstream aus, fehler;
    std::istringstream ein(eingabe);
    const int status = tk::cli::ausfuehren(argumente, aus, fehler, ein);
    return {status, aus.str(), fehler.str()};
}

using Json = nlohmann::ordered_json;

// Refuses what is not JSON (NaN, inf, trailing text) by throwing.
inline Json lies(const std::string& text) {
    return Json::parse(text);
}
// Throws for null or a non-number, so that a missing value fails the test.
inline double zahl(const Json& wert) {
    return wert.get<double>();
}
inline std::string beispiel(const std::string& name) {
    return std::string(TK_BEISPIELE) + "/" + name;
}

} // namespace tk::test
