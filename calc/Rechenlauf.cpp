#include "Rechenlauf.h"

#include <exception>
#include <thread>

namespace tk {

namespace {

struct Fall {
    Programmzustand z;
    FallErgebnis ergebnis;
};

void fallRechnen(Fall& f, int fall, const Laufhaken& haken) {
    const Summenreihe reihe = fall == 0 ? Untersuch1(f.z) : Untersuch2(f.z);
    f.ergebnis = RegressFaktorP(f.z, reihe, haken.fortschritt[static_cast<std::size_t>(fall)]);
    if (!f.ergebnis.abgebrochen && haken.fallFertig) haken.fallFertig(fall, f.ergebnis);
}

void fehlerSammeln(const FallErgebnis& e, std::vector<Fehler>& meldungen) {
    for (const auto& t : e.typen)
        if (t.fehler) meldungen.push_back(*t.fehler);
}

void prognose(Laufergebnis& lauf, const Laufhaken& haken, bool gleichzeitig) {
    Fall summen{lauf.z, {}}, einzel{lauf.z, {}};
    bool einzelGerechnet = false;
    if (gleichzeitig && std::thread::hardware_concurrency() >= 2) {
        std::exception_ptr fehler;
        std::thread neben([&] {
            try {
                fallRechnen(einzel, 1, haken);
            } catch (...) {
                fehler = std::current_exception();
            }
        });
        try {
            fallRechnen(summen, 0, haken);
        } catch (...) {
            neben.join();
            throw;
        }
        neben.join();
        if (fehler) std::rethrow_exception(fehler);
        einzelGerechnet = true;
    } else {
        fallRechnen(summen, 0, haken);
        if (!summen.ergebnis.abgebrochen) {
            fallRechnen(einzel, 1, haken);
            einzelGerechnet = true;
        }
    }
    lauf.summenwerte = summen.ergebnis;
    lauf.abgebrochen = summen.ergebnis.abgebrochen;
    fehlerSammeln(summen.ergebnis, lauf.meldungen);
    if (lauf.abgebrochen) return;
    // Einzelwerte is fitted last: its results are the ones left in the state.
    lauf.einzelwerte = einzel.ergebnis;
    lauf.abgebrochen = einzel.ergebnis.abgebrochen;
    fehlerSammeln(einzel.ergebnis, lauf.meldungen);
    if (einzelGerechnet) lauf.z = einzel.z;
}

} // namespace

Laufergebnis rechenlauf(const Programmzustand& z, const Laufhaken& haken, bool gleichzeitig) {
    Laufergebnis lauf;
    lauf.z = z;
    if (!lauf.z.ModusPrognostik) {
        lauf.regression = MassgR(lauf.z, [&](const Fehler& f) { lauf.meldungen.push_back(f); });
        return lauf;
    }
    prognose(lauf, haken, gleichzeitig);
    return lauf;
}

} // namespace tk
