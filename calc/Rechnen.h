#pragma once
// Checked arithmetic: every operation that could produce NaN or infinity throws
// a Fehler with code 5 (invalid argument), 6 (overflow) or 11 (division by zero).

#include "calc/Fehler.h"

#include <cmath>

namespace tk::rechnen {

// The error record that the checked operations throw for code 5, 6 or 11.
Fehler rechenfehler(int code);

[[noreturn]] void argumentFehler(); // throws code 5
[[noreturn]] void ueberlauf();      // throws code 6
[[noreturn]] void nullDivision();   // throws code 11

// The checks that least squares makes many thousand times per series are inline.

// 6 when x is not finite (overflow of + - *)
inline double pruefe(double x) {
    if (!std::isfinite(x)) [[unlikely]]
        ueberlauf();
    return x;
}

// 6 on overflow
inline double exp(double x) {
    return pruefe(std::exp(pruefe(x)));
}

// 5 negative base ^ fraction, 11 for 0 ^ negative, 6 overflow
inline double potenz(double a, double b) {
    if (a < 0 && b != std::trunc(b)) [[unlikely]]
        argumentFehler();
    if (a == 0 && b < 0) [[unlikely]]
        nullDivision();
    return pruefe(std::pow(a, b));
}

double ln(double x);              // 5 for x <= 0
double teile(double a, double b); // 11 for b == 0, 6 on overflow
double wurzel(double x);          // 5 for x < 0

// Sign as -1, 0 or +1.
inline double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Signed logarithms that carry negative values through the linearising transforms.
double L(double t);  // sgn(t)*ln|t|
double LL(double t); // sgn(t)*sgn(ln|t|)*ln|ln|t||

} // namespace tk::rechnen
