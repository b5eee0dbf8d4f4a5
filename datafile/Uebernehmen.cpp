#include "calc/Regression.h"
#include "datafile/Datei.h"

namespace tk {

void uebernehmen(Programmzustand& z, const Datensatz& d) {
    const int n = d.AnzPaare;
    if (n < 0 || d.X.size() < static_cast<std::size_t>(n) + 1 ||
        d.Y.size() < static_cast<std::size_t>(n) + 1)
        throw Fehler(fehlercode::DateiFormat, "Datei lesen",
                     "Der Datensatz ist unvollständig: es fehlen Wertepaare.");
    z.Bezeichnung = d.Bezeichnung;
    z.AnzPaare = n;
    z.Kennzahl = d.Kennzahl;
    z.redimPaare(n, false);
    for (int i = 1; i <= n; ++i) {
        z.EingabeX(i) = d.X[static_cast<std::size_t>(i)];
        z.EingabeY(i) = d.Y[static_cast<std::size_t>(i)];
        Zusatz(z, i);
    }
    z.WerteZuweisung();
    z.AnzahlOK = true;
}

} // namespace tk
