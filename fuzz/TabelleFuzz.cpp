// Any text either gives a table of 4 to 21 finite pairs, or is refused with a message;
// the pairs written back as plain numbers read as the same pairs. A single number read
// from the text is finite.

#include "calc/Zahlregel.h"
#include "datafile/Wertetabelle.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const std::string text(reinterpret_cast<const char*>(daten), laenge);
    if (const auto w = tk::zahlAusEingabe(text); w && !std::isfinite(*w)) std::abort();

    const tk::Wertetabelle t = tk::liesWertetabelle(text);
    if (!t.ok()) {
        if (t.fehler.empty() || !t.paare.empty()) std::abort();
        return 0;
    }
    if (t.paare.size() < 4 || t.paare.size() > 21) std::abort();
    // "1.125" could be read with a thousands point; a fourth decimal makes it plain.
    const auto eindeutig = [](double v) {
        char zahl[32];
        std::snprintf(zahl, sizeof zahl, "%.17g", v);
        std::string s = zahl;
        const auto punkt = s.find('.');
        if (punkt != std::string::npos && s.find('e') == std::string::npos && s.size() - punkt == 4)
            s += '0';
        return s;
    };
    std::string wieder;
    for (const auto& [x, y] : t.paare) {
        if (!std::isfinite(x) || !std::isfinite(y)) std::abort();
        wieder += eindeutig(x) + ";" + eindeutig(y) + "\n";
    }
    const tk::Wertetabelle u = tk::liesWertetabelle(wieder);
    if (!u.ok() || u.paare != t.paare) std::abort();
    return 0;
}
