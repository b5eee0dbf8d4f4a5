#pragma once
// The ".rgr"/".pro" data files: title (commas stored as '@'), pair count, code
// number and one line per pair, CR LF line ends, title in Windows-1252.

#include "calc/Fehler.h"
#include "calc/Zustand.h"

#include <functional>
#include <iosfwd>
#include <string>
#include <sys/types.h>
#include <vector>

namespace tk {

struct Datensatz {
    std::string Bezeichnung; // UTF-8 in memory, commas restored
    int AnzPaare = 0;
    int Kennzahl = 1;
    std::vector<double> X, Y; // index 1..n, element 0 unused
};

// Reads a whole data set or throws Fehler (with a German description) without
// delivering any part of it.
Datensatz lesen(std::istream& ein);
// Writes the data set of the state in the file format.
void schreiben(std::ostream& aus, const Programmzustand& z);

// The system calls through which a save reaches the disk; replaceable, so that
// failures the machine cannot produce on demand can be tried.
struct Speicherwege {
    std::function<int(const char* pfad, int flags, mode_t rechte)> oeffnen;
    std::function<ssize_t(int fd, const void* daten, std::size_t n, off_t stelle)> schreiben;
    static Speicherwege system();
};

// Path-level: load a file; save through a temporary file renamed over the target,
// or, where no file can be created beside it, into the file itself.
Datensatz laden(const std::string& pfad);
void speichern(const std::string& pfad, const Programmzustand& z,
               const Speicherwege& wege = Speicherwege::system());
// The German message for a system error `fehlerNr` (errno) met while `quelle` used `pfad`.
Fehler dateiFehler(int fehlerNr, const std::string& quelle, const std::string& pfad);
bool DateiVorhanden(const std::string& pfad);
void loeschen(const std::string& pfad); // throws Fehler

// Puts a read data set into the state: title, count, code number, pairs (each
// adjusted by Zusatz), working copies refreshed, AnzahlOK set.
void uebernehmen(Programmzustand& z, const Datensatz& d);
// A data set of values that did not come from a data file (a table, a series, Python):
// the same layout as a read one. x and y must be equally long.
Datensatz datensatzAus(std::string titel, const std::vector<double>& x,
                       const std::vector<double>& y);

void TitelSpeichern(std::string& titel); // ',' -> '@'
void TitelHolen(std::string& titel);     // '@' -> ','

// Mode of a file by its extension: ".pro" prognosis, ".rgr" regression.
enum class DateiArt { Regression, Prognose, Unbekannt };
DateiArt artVon(const std::string& pfad);

} // namespace tk
