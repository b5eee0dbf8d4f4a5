#pragma once
// Everything the program knows of the three saturating growth curves (types 1, 3
// and 5), in one table: the cumulative curve, its inverse, the density, the
// inflection points, the chart axes and the width of the 95 % band.

#include <optional>

namespace tk {

struct Kurventyp {
    int code;
    double bandFaktor; // widens the 95 % band beyond the data
    // Cumulative value W(X) of the fitted curve with saturation level KMax.
    double (*wertK)(double A, double B, double KMax, double X);
    // W(X) with its derivatives by KMax, A and B, for least squares; throws where wertK does.
    double (*gradientK)(double A, double B, double KMax, double X, double& dK, double& dA,
                        double& dB);
    // X at which the curve reaches the share s (0 < s < 1) of KMax.
    double (*wertX)(double A, double B, double s);
    // Density of the normalised curve at x; nullopt where it cannot be computed.
    std::optional<double> (*phi)(double A, double B, double x);
    double (*wendepunkt1)(double A, double B);
    double (*wendepunkt2)(double A, double B);
    // Positions 0..1 on the cumulative chart's linearising axes (1 % .. 99 %).
    double (*streckeX)(double A, double B, double X);
    double (*streckeY)(double KMax, double K);
};

// The curve type of a code; throws Fehler (code 5) for a code without a type.
const Kurventyp& kurventyp(int code);

} // namespace tk
