#pragma once
// Many series as one long table, as databases and spreadsheets export them: a header
// naming the columns id, x and y (or k), and optionally mode, in any order; then one
// pair a row. Consecutive rows with the same id form one series (the same id again
// after another one starts a new series, so that nothing has to be remembered). Cells
// are separated by ';', a tab or ','. The first number that reads only one way decides
// the decimal separator for the whole input; with ',' between the cells it is '.'
// unless a quoted number of the first block reads only with a comma. A row that cannot
// be used spoils its series only.

#include "cli/Reihe.h"

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <vector>

namespace tk::cli {

class CsvSerien {
public:
    // `kopf` is the header line, already read as line `kopfZeile`; throws Fehler when
    // it does not name the columns id, x and y.
    CsvSerien(std::istream& ein, const std::string& kopf, long kopfZeile, std::string modus);

    // Appends up to `max` whole series; false when the input had none left.
    bool lesen(std::vector<Reihe>& block, std::size_t max);

private:
    struct Zeile {
        long nr = 0;
        std::vector<std::string> zellen;
    };
    struct Roh { // a series before its numbers are read
        Reihe reihe;
        std::vector<long> zeilen; // the line of each kept pair
        std::vector<std::string> x, y;
    };
    std::optional<Zeile> naechsteZeile();
    void hinzufuegen(Roh& roh, const Zeile& z) const;
    void zahlenLesen(std::vector<Roh>& roh);

    std::istream& ein_;
    long nr_;
    char trenner_;
    std::string modus_;
    std::size_t spalteId_ = 0, spalteX_ = 0, spalteY_ = 0;
    std::optional<std::size_t> spalteModus_;
    std::optional<bool> dezimalKomma_;
    std::optional<Zeile> vorgriff_; // the first row of the next series
};

} // namespace tk::cli
