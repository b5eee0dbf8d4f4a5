#pragma once

#include "Ausfuehren.h"

#include <sstream>
#include <string>
#include <vector>

namespace tk::test {

struct Lauf {
    int status;
    std::string aus, fehler;
};

inline Lauf starte(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = tk::cli::ausfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

inline std::string beispiel(const std::string& name) {
    return std::string(TK_BEISPIELE) + "/" + name;
}

} // namespace tk::test
