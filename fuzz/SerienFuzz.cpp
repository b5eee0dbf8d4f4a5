// Any text after a header either gives series whose pairs are finite and equally many,
// or marks the series as unusable with a message; ids come out as UTF-8 and no more
// series than rows come out.

#include "cli/SerienCsv.h"
#include "datafile/Zeichensatz.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    const std::string text(reinterpret_cast<const char*>(daten), laenge);
    std::istringstream ein(text);
    std::string kopf;
    std::getline(ein, kopf);
    std::vector<tk::cli::Reihe> reihen;
    std::size_t zeilen = 0;
    for (char c : text) zeilen += c == '\n';
    try {
        tk::cli::CsvSerien quelle(ein, kopf, 1, "regression");
        while (quelle.lesen(reihen, 3)) {
        }
    } catch (const tk::Fehler&) {
        return 0; // a header without id, x and y
    }
    if (reihen.size() > zeilen) std::abort();
    for (const auto& r : reihen) {
        if (!tk::istUtf8(r.id.get<std::string>())) std::abort();
        if (r.fehler) {
            if (r.fehler->second.empty()) std::abort();
            continue;
        }
        if (r.x.size() != r.y.size() || r.x.empty() || r.x.size() > 22) std::abort();
        for (std::size_t i = 0; i < r.x.size(); ++i)
            if (!std::isfinite(r.x[i]) || !std::isfinite(r.y[i])) std::abort();
    }
    return 0;
}
