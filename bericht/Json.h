#pragma once
// The report as one line of JSON: keys in a fixed order, numbers with 17
// significant digits, null for a value that could not be computed.

#include "bericht/Bericht.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>

namespace tk::bericht {

using Json = nlohmann::ordered_json;

// Compact text of a value; a floating-point number gets 17 significant digits
// (null when not finite) instead of the library's shortest form.
std::string jsonText(const Json& wert);

// The report as an object; `datei` is the name the input was given by.
Json alsJsonWert(const Bericht& b, const std::string& datei);

// One JSON Lines record, newline included.
std::string alsJson(const Bericht& b, const std::string& datei);

// The same record with another first member in place of "file" (a series' "id").
std::string alsJsonMitKopf(const Bericht& b, std::string_view name, const Json& wert);

// The record of an input that could not be used: {"file", "error": {"code", "text"}}.
std::string fehlerAlsJson(const std::string& datei, int code, const std::string& text);

} // namespace tk::bericht
