#pragma once
// Value pairs from a text table, as a spreadsheet copies or exports it: one pair a
// line, two numbers separated by a tab, a semicolon, blanks or (when the numbers use
// '.') a comma; '.' or ',' as decimal separator; the first line may be a header.
// The table is taken whole or not at all.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tk {

struct Wertetabelle {
    std::vector<std::pair<double, double>> paare; // in the table's order
    std::string fehler; // German message naming the line; empty when the table is usable
    bool ok() const { return fehler.empty(); }
};

// Reads the table; fewer than 4 or more than 21 pairs are refused with the program's
// own messages. A byte-order mark and quoted cells are taken as spreadsheets write them.
Wertetabelle liesWertetabelle(std::string_view text);

// One number as a user types it: optional sign, digits with '.' or ',' as decimal
// separator, optional exponent; nothing else, and nothing beyond the range of a double.
bool zahlAusFeld(std::string_view feld, double& wert);

} // namespace tk
