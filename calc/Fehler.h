#pragma once
// Run-time errors of the calculation: one record (code, source, description)
// thrown as one exception type. The codes follow the program's error table.

#include <stdexcept>
#include <string>
#include <utility>

namespace tk {

namespace fehlercode {
inline constexpr int Keiner = 0;
inline constexpr int UngueltigesArgument = 5; // log of a non-positive number, negative base
inline constexpr int Ueberlauf = 6;
inline constexpr int DivisionDurchNull = 11;
inline constexpr int Anwendungsfehler = 51; // an unexpected failure in a window's own code
inline constexpr int DateiNichtGefunden = 53;
inline constexpr int DateiBereitsGeoeffnet = 55;
inline constexpr int EinAusgabefehler = 57;
inline constexpr int DatentraegerVoll = 61;
inline constexpr int LaufwerkNichtVerfuegbar = 68;
inline constexpr int FalscherDateiname = 52;
inline constexpr int PfadNichtGefunden = 76;
inline constexpr int PfadZugriff = 75;
inline constexpr int Druckerfehler = 482;
inline constexpr int DateiFormat = 62; // input past end of file / unusable file content
inline constexpr int LaufwerkNichtBereit = 71;
inline constexpr int Abgebrochen = 32755;
} // namespace fehlercode

// The error record. `wurzelNegativ` marks the negative radicand of a correlation
// denominator, which has its own message instead of a table row.
struct Fehler : std::runtime_error {
    Fehler(int code, std::string quelle, std::string beschreibung, bool wurzelNegativ = false)
        : std::runtime_error(beschreibung), code(code), quelle(std::move(quelle)),
          beschreibung(std::move(beschreibung)), wurzelNegativ(wurzelNegativ) {}

    int code;
    std::string quelle;
    std::string beschreibung;
    bool wurzelNegativ;
};

// The negative radicand of r's denominator (only reachable through rounding).
Fehler wurzelFehler(const std::string& quelle);

} // namespace tk
