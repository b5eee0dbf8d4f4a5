#pragma once
// Checked arithmetic: every operation that could produce NaN or infinity throws
// a Fehler with code 5 (invalid argument), 6 (overflow) or 11 (division by zero).

#include "calc/Fehler.h"

namespace tk::rechnen {

// The error record that the checked operations throw for code 5, 6 or 11.
Fehler rechenfehler(int code);

double ln(double x);               // 5 for x <= 0
double exp(double x);              // 6 on overflow
double teile(double a, double b);  // 11 for b == 0, 6 on overflow
double potenz(double a, double b); // 5 negative base ^ fraction, 11 for 0 ^ negative, 6 overflow
double wurzel(double x);           // 5 for x < 0
double pruefe(double x);           // 6 when x is not finite (overflow of + - *)

// Sign as -1, 0 or +1.
inline double sgn(double x) {
    return x > 0 ? 1.0 : (x < 0 ? -1.0 : 0.0);
}

// Signed logarithms that carry negative values through the linearising transforms.
double L(double t);  // sgn(t)*ln|t|
double LL(double t); // sgn(t)*sgn(ln|t|)*ln|ln|t||

} // namespace tk::rechnen
