// Writing a data set in the file format, and the title's comma substitution.

#include "calc/Format.h"
#include "datafile/Datei.h"
#include "datafile/Zeichensatz.h"

#include <algorithm>
#include <ostream>

namespace tk {

void TitelSpeichern(std::string& titel) {
    std::replace(titel.begin(), titel.end(), ',', '@');
}

void TitelHolen(std::string& titel) {
    std::replace(titel.begin(), titel.end(), '@', ',');
}

void schreiben(std::ostream& aus, const Programmzustand& z) {
    const int n = z.AnzPaare;
    if (n < 0 || z.EingabeX.groesse() < n || z.EingabeY.groesse() < n)
        throw Fehler(fehlercode::DateiFormat, "Datei speichern",
                     "Der Datensatz ist unvollständig: es fehlen Wertepaare.");

    std::string titel = z.Bezeichnung;
    TitelSpeichern(titel);
    // A line break inside the title would split the record.
    std::replace_if(
        titel.begin(), titel.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');

    // The reader drops surrounding blanks and a pair of quotes: such a title is
    // quoted, so that it reads back as it stands.
    if (!titel.empty() && (titel.front() == '"' || titel.front() == ' ' || titel.front() == '\t' ||
                           titel.back() == ' ' || titel.back() == '\t'))
        titel = '"' + titel + '"';

    const char* zeilenende = "\r\n";
    aus << utf8NachCp1252(titel) << zeilenende;
    aus << listenForm(n) << zeilenende;
    aus << listenForm(z.Kennzahl) << zeilenende;
    for (int i = 1; i <= n; ++i)
        aus << listenForm(z.EingabeX(i)) << listenForm(z.EingabeY(i)) << zeilenende;
    aus.flush();
    if (!aus)
        throw Fehler(fehlercode::EinAusgabefehler, "Datei speichern",
                     "Die Daten konnten nicht vollständig geschrieben werden.");
}

} // namespace tk
