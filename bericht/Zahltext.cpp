#include "bericht/Zahltext.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace tk::bericht {

namespace {

using u128 = unsigned __int128;

constexpr std::uint64_t Zehn16 = 10'000'000'000'000'000ULL;
constexpr std::uint64_t Zehn17 = 100'000'000'000'000'000ULL;
constexpr int MaxK = 22;
constexpr char Paare[] =
    "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
    "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
    "8081828384858687888990919293949596979899"; // 10^22 * 2^53 < 2^127

constexpr std::array<u128, MaxK + 1> ZehnHoch = [] {
    std::array<u128, MaxK + 1> t{};
    t[0] = 1;
    for (std::size_t k = 1; k < t.size(); ++k) t[k] = t[k - 1] * 10;
    return t;
}();

// m * 2^-s * 10^k, exact in 128 bits: its integer part, and rounded half to even.
struct Skaliert {
    std::uint64_t ganz, gerundet;
};
Skaliert skaliert(std::uint64_t m, int s, int k) {
    const u128 p = u128(m) * ZehnHoch[static_cast<std::size_t>(k)];
    if (s == 0) return {static_cast<std::uint64_t>(p), static_cast<std::uint64_t>(p)};
    const u128 q = p >> s;
    const u128 rest = p & ((u128(1) << s) - 1), halb = u128(1) << (s - 1);
    const bool auf = rest > halb || (rest == halb && (q & 1));
    return {static_cast<std::uint64_t>(q), static_cast<std::uint64_t>(q + auf)};
}

// Trailing zeros of the fraction, and the point when nothing is left after it; the
// text always has a point.
char* ohneNullen(char* ende) {
    while (ende[-1] == '0') --ende;
    if (ende[-1] == '.') --ende;
    return ende;
}

} // namespace

char* siebzehnStellen(char* p, double v) {
    const double betrag = std::fabs(v);
    // Exact in 128 bits for 1e-6 <= |v| < 2^53, the range of nearly every result;
    // elsewhere (and for 0, infinities, NaN) the library's own conversion.
    if (!(betrag >= 1e-6 && betrag < 9007199254740992.0))
        return std::to_chars(p, p + 32, v, std::chars_format::general, 17).ptr;
    std::uint64_t bits;
    std::memcpy(&bits, &betrag, sizeof bits);
    const int exponent = static_cast<int>(bits >> 52); // biased; normal in this range
    const std::uint64_t m = (bits & ((std::uint64_t(1) << 52) - 1)) | (std::uint64_t(1) << 52);
    const int s = 1075 - exponent; // betrag = m * 2^-s, s >= 0 in this range
    // 2^(exponent-1023) <= betrag: a decimal exponent that is right or one too small
    // (floor(e * log10(2)) as e * 78913 / 2^18, exact for |e| < 2600)
    int E = ((exponent - 1023) * 78913) >> 18;
    std::uint64_t q = 0;
    for (int versuch = 0;; ++versuch) {
        const int k = 16 - E;
        if (versuch == 3 || k < 0 || k > MaxK)
            return std::to_chars(p, p + 32, v, std::chars_format::general, 17).ptr;
        // 10^E <= |v| < 10^(E+1) decided on the exact value, not on the rounded digits
        const Skaliert z = skaliert(m, s, k);
        if (z.ganz < Zehn16) {
            --E; // cannot happen with the estimate from below; kept for safety
        } else if (z.ganz >= Zehn17) {
            ++E; // the estimate from the binary exponent was one too small
        } else {
            q = z.gerundet;
            if (q == Zehn17) q = Zehn16, ++E; // 99...9.5 rounds up to the next power
            break;
        }
    }
    // the 17 digits two at a time: 9 from the upper part, 8 from the lower
    char ziffern[17];
    auto hoch = static_cast<std::uint32_t>(q / 100'000'000),
         tief = static_cast<std::uint32_t>(q % 100'000'000);
    for (int i = 15; i >= 9; i -= 2, tief /= 100)
        std::memcpy(ziffern + i, Paare + 2 * (tief % 100), 2);
    for (int i = 7; i >= 1; i -= 2, hoch /= 100)
        std::memcpy(ziffern + i, Paare + 2 * (hoch % 100), 2);
    ziffern[0] = static_cast<char>('0' + hoch);
    char* a = p;
    if (v < 0) *a++ = '-';
    if (E >= -4 && E < 17) {
        if (E >= 0) {
            std::memcpy(a, ziffern, static_cast<std::size_t>(E) + 1);
            a += E + 1;
            *a++ = '.';
            std::memcpy(a, ziffern + E + 1, static_cast<std::size_t>(16 - E));
            a += 16 - E;
        } else {
            *a++ = '0';
            *a++ = '.';
            for (int i = 0; i < -E - 1; ++i) *a++ = '0';
            std::memcpy(a, ziffern, 17);
            a += 17;
        }
        return ohneNullen(a);
    }
    *a++ = ziffern[0];
    *a++ = '.';
    std::memcpy(a, ziffern + 1, 16);
    a = ohneNullen(a + 16);
    *a++ = 'e';
    *a++ = E < 0 ? '-' : '+';
    const int x = E < 0 ? -E : E;
    if (x >= 100) *a++ = static_cast<char>('0' + x / 100);
    *a++ = static_cast<char>('0' + x / 10 % 10);
    *a++ = static_cast<char>('0' + x % 10);
    return a;
}

} // namespace tk::bericht
