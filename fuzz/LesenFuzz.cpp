// Any byte sequence either gives a data set that keeps the reader's promises, or is
// refused with a Fehler; a data set that was read can be written and read back.

#include "datafile/Datei.h"
#include "datafile/Zeichensatz.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <sstream>

namespace {

void pruefe(bool bedingung) {
    if (!bedingung) std::abort();
}

bool nah(double a, double b) {
    return std::fabs(a - b) <= 1e-14 * std::fabs(a) + 1e-300;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t laenge) {
    std::istringstream ein(std::string(reinterpret_cast<const char*>(daten), laenge));
    tk::Datensatz d;
    try {
        d = tk::lesen(ein);
    } catch (const tk::Fehler&) {
        return 0;
    }

    const auto n = static_cast<std::size_t>(d.AnzPaare);
    pruefe(d.AnzPaare >= 4 && d.AnzPaare <= 21);
    pruefe(d.X.size() == n + 1 && d.Y.size() == n + 1);
    pruefe(tk::zeichenAnzahl(d.Bezeichnung) <= 52);
    pruefe(d.Bezeichnung.find('@') == std::string::npos);
    for (std::size_t i = 1; i <= n; ++i) pruefe(std::isfinite(d.X[i]) && std::isfinite(d.Y[i]));

    tk::Programmzustand z;
    tk::uebernehmen(z, d);
    std::ostringstream aus;
    tk::schreiben(aus, z);
    std::istringstream wieder(aus.str());
    const tk::Datensatz e = tk::lesen(wieder); // a refusal here escapes and is reported

    pruefe(e.AnzPaare == d.AnzPaare && e.Kennzahl == d.Kennzahl);
    // A title written in Windows-1252 that happens to be well-formed UTF-8 ("Ã¶") is read
    // back as UTF-8; nothing else may change it.
    const std::string geschrieben = tk::utf8NachCp1252(d.Bezeichnung);
    const bool mehrdeutig = tk::istUtf8(geschrieben) && geschrieben != d.Bezeichnung;
    pruefe(mehrdeutig || e.Bezeichnung == d.Bezeichnung);
    for (int i = 1; i <= d.AnzPaare; ++i) {
        pruefe(nah(z.EingabeX(i), e.X[static_cast<std::size_t>(i)]));
        pruefe(nah(z.EingabeY(i), e.Y[static_cast<std::size_t>(i)]));
    }
    return 0;
}
