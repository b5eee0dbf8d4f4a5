#pragma once
// Conversion between the UTF-8 text kept in memory and the single-byte
// Windows-1252 code page of the data files.

#include <string>
#include <string_view>

namespace tk {

// Characters without a Windows-1252 code (and malformed UTF-8) become '?'.
std::string utf8NachCp1252(const std::string& utf8);
// True when the file's code page holds the character.
bool imDateiZeichensatz(char32_t zeichen);
// The five unassigned bytes of Windows-1252 become '?'.
std::string cp1252NachUtf8(const std::string& cp1252);
// Number of characters (code points) of a UTF-8 text.
std::size_t zeichenAnzahl(const std::string& utf8);
// Decodes the UTF-8 character at `pos` and advances past it; a malformed sequence gives
// -1 and advances one byte.
long naechstesZeichen(const std::string& s, std::size_t& pos);
// True when the text is well-formed UTF-8.
bool istUtf8(const std::string& text);
// A text from outside (clipboard, imported file, standard input) as UTF-8: UTF-16 with
// a byte-order mark is converted, a UTF-8 byte-order mark dropped, and a text that is
// not UTF-8 taken as Windows-1252.
std::string alsUtf8(std::string_view text);
// The first `anzahl` characters of a UTF-8 text (whole characters only).
std::string ersteZeichen(const std::string& utf8, std::size_t anzahl);

} // namespace tk
