#pragma once
// Value pairs from a text table, as a spreadsheet copies or exports it: one pair a
// line, two numbers separated by a tab, a semicolon, blanks or a comma (then with '.'
// as decimal separator, or the cell quoted); the first line may be a header. The
// numbers follow the program's number rule (Zahlregel.h), with the decimal separator
// decided once for the whole table. UTF-8 (with or without byte-order mark), UTF-16
// with byte-order mark and Windows-1252 are read; CR, LF and CRLF end a line. The
// table is taken whole or not at all.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

// Larger input is refused whole, and readers stop reading beyond it.
inline constexpr std::size_t MaxTabellenBytes = 16u << 20;
std::string meldungTabelleZuGross();

struct Wertetabelle {
    std::vector<std::pair<double, double>> paare; // in the table's order
    std::string fehler; // German message naming the line; empty when the table is usable
    int spalten = 2;    // more than 2: the caller may ask which two to take
    bool ok() const { return fehler.empty(); }
};

// Which two columns (1-based) hold X and Y when a table has more.
using Spaltenwahl = std::pair<int, int>;

// Reads the table; fewer than 4 or more than 21 pairs are refused with the program's
// own messages, an empty text as "leer".
Wertetabelle liesWertetabelle(std::string_view text, std::optional<Spaltenwahl> wahl = {});

// The cells of one line separated by `trenner` outside double quotes, blanks around
// them dropped; a quoted cell loses its quotes ("" stands for one). A trailing
// separator, as spreadsheets write, adds no column.
std::vector<std::string> zellenTeilen(std::string_view zeile, char trenner);

// One number as a user types it in a field (see zahlAusEingabe).
bool zahlAusFeld(std::string_view feld, double& wert);

} // namespace tk
