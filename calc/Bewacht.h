#pragma once
// Guarded steps: an evaluation that must never interrupt its caller turns a failing
// step into an unset value instead of an exception.

#include "calc/Fehler.h"

#include <optional>

namespace tk::bewacht {

template <class Schritt> std::optional<double> versuch(Schritt&& schritt) {
    try {
        return schritt();
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

// An unset intermediate counts as 0 in later arithmetic.
inline double wert(const std::optional<double>& v) {
    return v.value_or(0.0);
}

} // namespace tk::bewacht
