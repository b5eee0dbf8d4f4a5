#pragma once
// A number with 17 significant digits, as printf's %.17g writes it: every double
// reads back as itself, and the text does not depend on the library's shortest form.

namespace tk::bericht {

// Writes the text at `anfang` (at most 32 characters, no terminator) and returns its end.
char* siebzehnStellen(char* anfang, double v);

} // namespace tk::bericht
