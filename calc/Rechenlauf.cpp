#include "calc/Rechenlauf.h"

#include <exception>
#include <thread>

namespace tk {

namespace {

// Each case reads the same data set and writes only its own result.
void fallRechnen(const Programmzustand& z, FallErgebnis& ergebnis, int fall,
                 const Laufhaken& haken) {
    const Summenreihe reihe = fall == 0 ? Untersuch1(z) : Untersuch2(z);
    ergebnis = fallAnpassen(z, reihe, haken.fortschritt[static_cast<std::size_t>(fall)]);
    if (!ergebnis.abgebrochen && haken.fallFertig) haken.fallFertig(fall, ergebnis);
}

void fehlerSammeln(const FallErgebnis& e, std::vector<Fehler>& meldungen) {
    for (const auto& t : e.typen)
        if (t.fehler) meldungen.push_back(*t.fehler);
}

void prognose(Laufergebnis& lauf, const Laufhaken& haken, bool gleichzeitig) {
    const Programmzustand& z = lauf.z;
    FallErgebnis summen, einzel;
    bool einzelGerechnet = false;
    if (gleichzeitig && std::thread::hardware_concurrency() >= 2) {
        std::exception_ptr fehler;
        std::thread neben([&] {
            try {
                fallRechnen(z, einzel, 1, haken);
            } catch (...) {
                fehler = std::current_exception();
            }
        });
        try {
            fallRechnen(z, summen, 0, haken);
        } catch (...) {
            neben.join();
            throw;
        }
        neben.join();
        if (fehler) std::rethrow_exception(fehler);
        einzelGerechnet = true;
    } else {
        fallRechnen(z, summen, 0, haken);
        if (!summen.abgebrochen) {
            fallRechnen(z, einzel, 1, haken);
            einzelGerechnet = true;
        }
    }
    lauf.summenwerte = summen;
    lauf.abgebrochen = summen.abgebrochen;
    fehlerSammeln(summen, lauf.meldungen);
    if (lauf.abgebrochen) return;
    // Einzelwerte is fitted last: its results are the ones left in the state.
    lauf.einzelwerte = einzel;
    lauf.abgebrochen = einzel.abgebrochen;
    fehlerSammeln(einzel, lauf.meldungen);
    if (!einzelGerechnet) return;
    lauf.z.ergebnisLoeschen();
    if (einzel.entscheidend) fallUebernehmen(lauf.z, einzel);
}

} // namespace

Laufergebnis rechenlauf(const Programmzustand& z, const Laufhaken& haken, bool gleichzeitig) {
    Laufergebnis lauf;
    lauf.z = z;
    if (!lauf.z.ModusPrognostik) {
        lauf.regression =
            regressionAnpassen(lauf.z, [&](const Fehler& f) { lauf.meldungen.push_back(f); });
        regressionUebernehmen(lauf.z, lauf.regression);
        return lauf;
    }
    prognose(lauf, haken, gleichzeitig);
    return lauf;
}

} // namespace tk
