#pragma once

#include "cli/Ausfuehren.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cmath>
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
// Stored numbers agree to a named relative tolerance: another compiler or CPU may round the
// last of 17 digits differently, and no fault hides there. Integers (iteration counts,
// codes) and texts must agree exactly.
inline constexpr double Toleranz = 1e-12;
inline bool nahe(double a, double b) {
    return a == b || std::fabs(a - b) <= Toleranz * std::max(std::fabs(a), std::fabs(b));
}
inline bool gleich(const Json& a, const Json& b) {
    if (a.is_number_float() || b.is_number_float())
        return a.is_number() && b.is_number() && nahe(a.get<double>(), b.get<double>());
    if (a.type() != b.type() || a.size() != b.size()) return false;
    if (a.is_object())
        return std::all_of(a.items().begin(), a.items().end(), [&](const auto& e) {
            return b.contains(e.key()) && gleich(e.value(), b[e.key()]);
        });
    if (a.is_array()) {
        for (std::size_t i = 0; i < a.size(); ++i)
            if (!gleich(a[i], b[i])) return false;
        return true;
    }
    return a == b;
}
// Line by line: a JSON line as JSON, any other word by word, numbers within the tolerance.
inline bool gleich(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string s, t;
    while (std::getline(x, s)) {
        if (!std::getline(y, t)) return false;
        if (s == t) continue;
        if (s.rfind('{', 0) == 0 && t.rfind('{', 0) == 0) {
            if (!gleich(Json::parse(s), Json::parse(t))) return false;
            continue;
        }
        std::istringstream u(s), v(t);
        std::string w1, w2;
        while (u >> w1) {
            if (!(v >> w2)) return false;
            std::size_t l1 = 0, l2 = 0;
            double d1 = 0, d2 = 0;
            try {
                d1 = std::stod(w1, &l1), d2 = std::stod(w2, &l2);
            } catch (const std::exception&) {
            }
            if (w1 != w2 && !(l1 == w1.size() && l2 == w2.size() && nahe(d1, d2))) return false;
        }
        if (v >> w2) return false;
    }
    return !std::getline(y, t);
}
inline std::string beispiel(const std::string& name) {
    return std::string(TK_BEISPIELE) + "/" + name;
}

} // namespace tk::test
