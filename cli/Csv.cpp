#include "cli/Csv.h"

#include "calc/Fehler.h"
#include "datafile/Wertetabelle.h"

namespace tk::cli {

Datensatz csvLesen(const std::string& text, const std::string& titel) {
    const Wertetabelle t = liesWertetabelle(text);
    if (!t.ok()) throw Fehler(fehlercode::DateiFormat, "Datei lesen", t.fehler);
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
