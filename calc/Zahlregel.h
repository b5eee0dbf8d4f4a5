#pragma once
// How a number written by a user is read, wherever it comes from: a number field, a
// pasted or imported table, standard input, a command-line value.
//
// A number is an optional sign, digits with at most one decimal separator ('.' or ','),
// and an optional exponent (E or e). Before the decimal separator, digits may be
// grouped in threes by a thousands separator: the other one of '.' and ',', a blank,
// a no-break blank (U+00A0), a narrow no-break blank (U+202F) or an apostrophe. A cell
// is never read in two ways: "1.000" is one thousand only where the decimal separator
// is the comma.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tk {

enum class Dezimalzeichen { Punkt, Komma };

// One cell read with a known decimal separator; nullopt when it is not a number in
// that reading (or beyond the range of a double).
std::optional<double> zahlLesen(std::string_view zelle, Dezimalzeichen dezimal);

// One number on its own (a field, a command-line value): with only one kind of
// separator, a single one is the decimal separator ("1.5", "1,5"); several of one kind
// are thousands separators ("1.000.000"); with both, the last one is the decimal
// separator ("1.234,5").
std::optional<double> zahlAusEingabe(std::string_view text);

// The decimal separator of a table, decided once from all its number cells. A cell
// that reads only one way decides; a table whose cells decide both ways is refused,
// naming the first cell that contradicts the others; a table that only has cells
// readable both ways ("1.000") is refused as ambiguous.
struct Dezimalentscheid {
    std::optional<Dezimalzeichen> zeichen; // set when the table can be read
    bool mehrdeutig = false;               // no cell decides, some read two ways
    std::size_t zelle = 0;                 // the contradicting or first ambiguous cell
};
Dezimalentscheid dezimalzeichenFuer(const std::vector<std::string_view>& zellen);

} // namespace tk
