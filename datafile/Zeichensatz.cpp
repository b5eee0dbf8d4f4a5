#include "datafile/Zeichensatz.h"

#include <array>
#include <cstdint>

namespace tk {

namespace {

// Code points of the bytes 0x80..0x9F; 0 marks the bytes Windows-1252 leaves unassigned.
constexpr std::array<char32_t, 32> oberhalb80 = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char32_t zeichenVonByte(unsigned char b) {
    if (b < 0x80 || b >= 0xA0) return b;
    return oberhalb80[b - 0x80];
}

int byteVonZeichen(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (std::size_t i = 0; i < oberhalb80.size(); ++i)
        if (oberhalb80[i] != 0 && oberhalb80[i] == c) return static_cast<int>(0x80 + i);
    return -1;
}

void anhaengenUtf8(std::string& aus, char32_t c) {
    if (c < 0x80) {
        aus += static_cast<char>(c);
    } else if (c < 0x800) {
        aus += static_cast<char>(0xC0 | (c >> 6));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        aus += static_cast<char>(0xE0 | (c >> 12));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        aus += static_cast<char>(0xF0 | (c >> 18));
        aus += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        aus += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        aus += static_cast<char>(0x80 | (c & 0x3F));
    }
}

} // namespace

// Decodes one character at `pos` and advances; malformed sequences give -1 and
// skip one byte.
long naechstesZeichen(const std::string& s, std::size_t& pos) {
    const auto b = static_cast<unsigned char>(s[pos]);
    int folge = 0;
    char32_t c = 0;
    char32_t minimum = 0;
    if (b < 0x80) {
        ++pos;
        return b;
    } else if ((b & 0xE0) == 0xC0) {
        folge = 1, c = b & 0x1F, minimum = 0x80;
    } else if ((b & 0xF0) == 0xE0) {
        folge = 2, c = b & 0x0F, minimum = 0x800;
    } else if ((b & 0xF8) == 0xF0) {
        folge = 3, c = b & 0x07, minimum = 0x10000;
    } else {
        ++pos;
        return -1;
    }
    if (pos + folge >= s.size()) {
        ++pos;
        return -1;
    }
    for (int k = 1; k <= folge; ++k) {
        const auto f = static_cast<unsigned char>(s[pos + k]);
        if ((f & 0xC0) != 0x80) {
            ++pos;
            return -1;
        }
        c = (c << 6) | (f & 0x3F);
    }
    if (c < minimum || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return -1;
    }
    pos += folge + 1;
    return static_cast<long>(c);
}

bool imDateiZeichensatz(char32_t zeichen) {
    return byteVonZeichen(zeichen) >= 0;
}

std::string utf8NachCp1252(const std::string& utf8) {
    std::string aus;
    aus.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const long c = naechstesZeichen(utf8, pos);
        const int b = c < 0 ? -1 : byteVonZeichen(static_cast<char32_t>(c));
        aus += b < 0 ? '?' : static_cast<char>(b);
    }
    return aus;
}

std::string cp1252NachUtf8(const std::string& cp1252) {
    std::string aus;
    aus.reserve(cp1252.size());
    for (const char ch : cp1252) {
        const char32_t c = zeichenVonByte(static_cast<unsigned char>(ch));
        anhaengenUtf8(aus, c == 0 && ch != '\0' ? U'?' : c);
    }
    return aus;
}

bool istUtf8(const std::string& text) {
    for (std::size_t pos = 0; pos < text.size();)
        if (naechstesZeichen(text, pos) < 0) return false;
    return true;
}

std::string alsUtf8(std::string_view text) {
    if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
    const bool le = text.starts_with("\xFF\xFE"), be = text.starts_with("\xFE\xFF");
    if (!le && !be) {
        std::string s(text);
        return istUtf8(s) ? s : cp1252NachUtf8(s);
    }
    std::string aus;
    const auto einheit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(text[i]),
                   b = static_cast<unsigned char>(text[i + 1]);
        return le ? (b << 8 | a) : (a << 8 | b);
    };
    for (std::size_t i = 2; i + 1 < text.size(); i += 2) {
        char32_t c = einheit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < text.size()) {
            const char32_t tief = einheit(i + 2);
            if (tief >= 0xDC00 && tief <= 0xDFFF) {
                c = 0x10000 + ((c - 0xD800) << 10) + (tief - 0xDC00);
                i += 2;
            }
        }
        anhaengenUtf8(aus, c >= 0xD800 && c <= 0xDFFF ? U'\uFFFD' : c);
    }
    return aus;
}

std::size_t zeichenAnzahl(const std::string& utf8) {
    std::size_t anzahl = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++anzahl) naechstesZeichen(utf8, pos);
    return anzahl;
}

std::string ersteZeichen(const std::string& utf8, std::size_t anzahl) {
    std::size_t pos = 0;
    for (std::size_t k = 0; k < anzahl && pos < utf8.size(); ++k) naechstesZeichen(utf8, pos);
    return utf8.substr(0, pos);
}

} // namespace tk
