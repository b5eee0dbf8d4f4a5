#pragma once
// Number texts: the patterns the windows, lists, legends and files use.

#include <string>

namespace tk {

// Pattern "0.000" with `stellen` decimals (rounded half away from zero).
std::string formatFest(double v, int stellen);
// Pattern "0.000E+00": mantissa with `stellen` decimals, signed exponent, two digits at least.
std::string formatExp(double v, int stellen);
// Seven decimals when 1E-07 < |v| < 1000000, otherwise "0.0000000E+00" (lists, fields).
std::string formatWert(double v);
// Legend numbers: six decimals when 0.000001 < |v| < 100000, otherwise exponential.
std::string Zahl(double F);
// Six significant digits, fixed from 0.001 to below 1000000, otherwise exponential;
// only 0 reads as 0 (legends of the charts in the data's own units).
std::string legendenZahl(double v);
// Fixed-width text by format kind; kind 12 is the integer right-aligned in 3 characters.
std::string DruckFormat(int art, double v);
// Plain general number form: up to 15 significant digits, no padding ("12.5", "1E-07").
std::string allgemein(double v);
// `stellen` significant digits in the shortest general form ("0.312346", "-1.5E-05").
std::string signifikant(double v, int stellen);
// List-output form of the data files: sign position, general form, trailing blank.
std::string listenForm(double v);
// Leading number of a text ("12.5abc" -> 12.5, "abc" -> 0), '.' decimal, optional exponent.
double zahlWert(const std::string& text);
// Pads with leading blanks to `breite` characters (longer texts are kept whole).
std::string rechtsbuendig(const std::string& t, std::size_t breite);

} // namespace tk
