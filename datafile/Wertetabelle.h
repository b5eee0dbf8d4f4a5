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

// Reads the table; fewer than `minPaare` or more than `maxPaare` pairs are refused.
Wertetabelle liesWertetabelle(std::string_view text, int minPaare = 4, int maxPaare = 21);

// One number as a user types it: optional sign, digits with '.' or ',' as decimal
// separator, optional exponent; nothing else, and nothing beyond the range of a double.
bool zahlAusFeld(std::string_view feld, double& wert);

} // namespace tk
