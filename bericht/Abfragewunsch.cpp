#include "bericht/Abfragewunsch.h"

#include <charconv>
#include <cmath>

namespace tk::bericht {

std::optional<double> zahlAusText(const std::string& text) {
    if (text.empty()) return std::nullopt;
    const char* anfang = text.data() + (text[0] == '+' ? 1 : 0);
    const char* ende = text.data() + text.size();
    if (anfang == ende || *anfang == '+') return std::nullopt;
    double wert = 0;
    const auto [stelle, ec] = std::from_chars(anfang, ende, wert, std::chars_format::general);
    if (ec != std::errc() || stelle != ende || !std::isfinite(wert)) return std::nullopt;
    return wert;
}

} // namespace tk::bericht
