// Numbers in the JSON answer: the exact 17-digit text, the same as the library's
// %.17g, for random values of every magnitude and the awkward ones.

#include "bericht/Zahltext.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <random>
#include <string>

namespace {

std::string soll(double v) {
    char p[64];
    return {p, std::to_chars(p, p + sizeof p, v, std::chars_format::general, 17).ptr};
}

std::string ist(double v) {
    char p[64];
    return {p, tk::bericht::siebzehnStellen(p, v)};
}

TEST(Zahltext, WieProzentPunkt17g) {
    std::mt19937_64 zufall(20261207);
    std::vector<double> werte = {0.0,
                                 -0.0,
                                 1.0,
                                 0.1,
                                 1e-6,
                                 9.9999999999999995e-07,
                                 1e-4,
                                 1e-5,
                                 1e15,
                                 1e16,
                                 1e17,
                                 9007199254740991.0,
                                 9007199254740992.0,
                                 0.5,
                                 -2.5,
                                 1e-7,
                                 123456789012.5,
                                 1.5e300,
                                 4.9e-324,
                                 std::numeric_limits<double>::max()};
    // exact ties at the 18th digit: 1234567890123456.75 and its kin
    for (double t = 1234567890123456.25; t < 1234567890123460; t += 0.25) werte.push_back(t);
    // both sides of every power of ten in range
    for (int k = -8; k <= 17; ++k) {
        const double z = std::pow(10.0, k);
        werte.push_back(std::nextafter(z, 0.0));
        werte.push_back(z);
        werte.push_back(std::nextafter(z, 1e300));
    }
    // random magnitudes from 1e-8 to 1e17, and random bit patterns of doubles
    std::uniform_real_distribution<double> exponent(-8, 17), mantisse(1, 10);
    for (int i = 0; i < 1'000'000; ++i)
        werte.push_back((i % 2 ? -1 : 1) * mantisse(zufall) *
                        std::pow(10.0, std::floor(exponent(zufall))));
    for (int i = 0; i < 200'000; ++i) {
        const std::uint64_t bits = zufall();
        double v;
        std::memcpy(&v, &bits, sizeof v);
        if (std::isfinite(v)) werte.push_back(v);
    }
    int falsch = 0;
    for (const double v : werte)
        if (ist(v) != soll(v) && ++falsch < 10)
            ADD_FAILURE() << soll(v) << " written as " << ist(v);
    EXPECT_EQ(falsch, 0);
}

} // namespace
