#include "tests/support/Teststaende.h"

#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "datafile/Datei.h"
#include "tests/support/Wertepaare.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace tk::test {

namespace {

void eingeben(Programmzustand& z, const Paare& paare, const std::string& titel) {
    z = zustandMit(paare, z.ModusPrognostik);
    z.Bezeichnung = titel;
}

bool rechnen(Programmzustand& z, int fall) {
    MaxMinWert(z, z.AnzPaare);
    if (!z.ModusPrognostik) {
        MassgR(z);
        z.GrafikFall = 1;
        return z.ModellNr != 0;
    }
    const FallErgebnis S = RegressFaktorP(z, Untersuch1(z));
    const FallErgebnis E = RegressFaktorP(z, Untersuch2(z));
    const FallErgebnis& gewaehlt = fall == 1 ? S : E;
    z.GrafikFall = fall;
    fallUebernehmen(z, gewaehlt);
    return gewaehlt.entscheidend;
}

} // namespace

Programmzustand regression(const Paare& paare, const std::string& titel) {
    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = false;
    eingeben(z, paare, titel);
    rechnen(z, 1);
    return z;
}

Programmzustand prognose(const Paare& paare, int fall, bool* ok, const std::string& titel) {
    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = true;
    eingeben(z, paare, titel);
    const bool erfolg = rechnen(z, fall);
    if (ok) *ok = erfolg;
    return z;
}

Programmzustand kurve(int typ, double A, double B, double KMax, const Paare& paare, int fall) {
    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = true;
    eingeben(z, paare, "Kurve");
    MaxMinWert(z, z.AnzPaare);
    z.GrafikFall = fall;
    z.KurvenTyp = typ;
    z.KonstA = A;
    z.KoeffB = B;
    z.KMax = KMax;
    z.KorrR = 0.99;
    switch (typ) {
    case 1:
        z.WertXs = std::log(A) / -B;
        break;
    case 3:
        z.WertXs = std::log(A) / B;
        break;
    default:
        z.WertXs = -A / B;
    }
    return z;
}

std::vector<std::string> beispieldateien() {
    std::vector<std::string> dateien;
    namespace fs = std::filesystem;
    const fs::path ordner(TK_EXAMPLES_DIR);
    std::error_code fehler;
    for (const auto& e : fs::directory_iterator(ordner, fehler)) {
        const auto art = artVon(e.path().string());
        if (e.is_regular_file() && art != DateiArt::Unbekannt) dateien.push_back(e.path().string());
    }
    std::sort(dateien.begin(), dateien.end());
    return dateien;
}

Programmzustand ausDatei(const std::string& pfad, int fall, bool* ok) {
    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = artVon(pfad) == DateiArt::Prognose;
    z.initialisierenEingabe();
    uebernehmen(z, laden(pfad));
    const bool erfolg = rechnen(z, fall);
    if (ok) *ok = erfolg;
    return z;
}

Paare logistischeSummen() {
    Paare p;
    for (int x = 1; x <= 9; ++x) p.emplace_back(x, 100 / (1 + std::exp(-(x - 5.0))));
    return p;
}

Paare logistischeEinzelwerte() {
    Paare p;
    double vorher = 0;
    for (const auto& [x, k] : logistischeSummen()) {
        p.emplace_back(x, k - vorher);
        vorher = k;
    }
    return p;
}

Programmzustand logistisch(int fall) {
    Paare p = fall == 1 ? logistischeSummen() : logistischeEinzelwerte();
    for (auto& [x, k] : p) k *= 2;
    Programmzustand z = kurve(5, -5, 1, 200, p, fall);
    z.Bezeichnung = "Versuchsreihe Prognose";
    return z;
}

} // namespace tk::test
