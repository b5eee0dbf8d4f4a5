#include "calc/Regression.h"
#include "datafile/Datei.h"

namespace tk {

Datensatz datensatzAus(std::string titel, const std::vector<double>& x,
                       const std::vector<double>& y) {
    Datensatz d;
    d.Bezeichnung = std::move(titel);
    d.AnzPaare = static_cast<int>(x.size());
    d.X = {0};
    d.Y = {0};
    d.X.insert(d.X.end(), x.begin(), x.end());
    d.Y.insert(d.Y.end(), y.begin(), y.end());
    return d;
}

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
