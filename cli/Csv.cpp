#include "cli/Csv.h"

#include "calc/Fehler.h"
#include "datafile/Wertetabelle.h"

namespace tk::cli {

Datensatz csvLesen(const std::string& text, const std::string& titel,
                   std::optional<Spaltenwahl> spalten) {
    const Wertetabelle t = liesWertetabelle(text, spalten);
    if (!t.ok())
        throw Fehler(fehlercode::DateiFormat, "Datei lesen",
                     t.fehler + (t.spalten > 2 ? " Die Option --spalten X,Y wählt sie." : ""));
    Datensatz d;
    d.Bezeichnung = titel;
    d.AnzPaare = static_cast<int>(t.paare.size());
    d.X = {0};
    d.Y = {0};
    for (const auto& [x, y] : t.paare) {
        d.X.push_back(x);
        d.Y.push_back(y);
    }
    return d;
}

} // namespace tk::cli
