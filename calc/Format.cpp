#include "calc/Format.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>

namespace tk {

namespace {
// Locale-independent (a German desktop locale must never turn '.' into ','), with
// the exponent written as "E-07".
std::string drucken(std::chars_format art, int stellen, double v) {
    char puffer[400];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, v, art, stellen);
    if (fehler != std::errc{}) return "0";
    std::string t(puffer, ende);
    for (char& c : t)
        if (c == 'e') c = 'E';
    return t;
}

// "-0.000" for a value that rounds to zero reads like a sign error; show it unsigned.
std::string ohneNegativeNull(std::string t) {
    if (!t.empty() && t[0] == '-' && t.find_first_not_of("-0.") == std::string::npos) t.erase(0, 1);
    return t;
}
} // namespace

std::string formatFest(double v, int stellen) {
    return ohneNegativeNull(drucken(std::chars_format::fixed, stellen, v));
}

std::string formatExp(double v, int stellen) {
    return drucken(std::chars_format::scientific, stellen, v);
}

std::string formatWert(double v) {
    const double a = std::fabs(v);
    return (a > 1e-7 && a < 1000000) ? formatFest(v, 7) : formatExp(v, 7);
}

std::string Zahl(double F) {
    const double a = std::fabs(F);
    return (a > 0.000001 && a < 100000) ? formatFest(F, 6) : formatExp(F, 6);
}

std::string legendenZahl(double v) {
    const double a = std::fabs(v);
    if (a == 0) return "0";
    if (a < 0.001 || a >= 1000000) return formatExp(v, 5);
    int vorKomma = static_cast<int>(std::floor(std::log10(a))) + 1;
    // 9.999997 rounds up to 10: one digit more before the point, one less after it.
    const std::string t = formatFest(v, std::max(0, 6 - vorKomma));
    double gerundet = 0;
    std::from_chars(t.data(), t.data() + t.size(), gerundet);
    if (std::fabs(gerundet) >= std::pow(10.0, vorKomma)) ++vorKomma;
    return vorKomma > 6 ? formatExp(v, 5) : formatFest(v, std::max(0, 6 - vorKomma));
}

std::string DruckFormat(int art, double v) {
    if (art != 12) return allgemein(v);
    if (v > -0.5 && v < 0.5) return "  0";
    std::string t = std::to_string(std::llround(v));
    return rechtsbuendig(t, 3);
}

std::string allgemein(double v) {
    if (v == 0) return "0";
    // 15 significant digits, "1E-07" for tiny values. Next to the largest double
    // 15 digits may round beyond it; there the text keeps 17 digits so that it
    // reads back.
    const std::string t = drucken(std::chars_format::general, 15, v);
    double zurueck = 0;
    if (std::from_chars(t.data(), t.data() + t.size(), zurueck).ec == std::errc{}) return t;
    return drucken(std::chars_format::general, 17, v);
}

std::string signifikant(double v, int stellen) {
    return drucken(std::chars_format::general, stellen, v);
}

std::string listenForm(double v) {
    std::string t(1, v < 0 ? '-' : ' ');
    t += allgemein(std::fabs(v));
    t += ' ';
    return t;
}

double zahlWert(const std::string& text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    const std::size_t anfang = i;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) ++i;
    std::size_t ziffern = 0;
    while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++ziffern;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) ++i, ++ziffern;
    }
    if (ziffern == 0) return 0;
    std::size_t ende = i;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) ++j;
        std::size_t expZiffern = 0;
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            ++j, ++expZiffern;
        if (expZiffern > 0) ende = j;
    }
    double wert = 0;
    const char* von = text.data() + anfang;
    if (*von == '+') ++von; // from_chars takes no plus sign
    std::from_chars(von, text.data() + ende, wert);
    return std::isfinite(wert) ? wert : 0;
}

std::string rechtsbuendig(const std::string& t, std::size_t breite) {
    return t.size() >= breite ? t : std::string(breite - t.size(), ' ') + t;
}

} // namespace tk
