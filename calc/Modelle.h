#pragma once
// Everything the program knows of the nine regression models, in one table: code,
// formula text, the transforms that make the model a straight line, and the
// evaluation and inversion of a fitted model.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

namespace tk {

// What the models' terms take from x alone: its sign and logarithms, found once per
// value for the many evaluations of a least-squares fit.
struct Abszisse {
    double x;
    double S;                 // sgn(x)
    double S2 = 1;            // sgn(ln|x|), 1 where undefined
    std::optional<double> L1; // ln|x|
    std::optional<double> L2; // ln|ln|x||
    explicit Abszisse(double x);
};

// How an axis is linearised: as is, by L(t) = sgn(t)*ln|t|, or by LL(t).
enum class Skala { Linear, Log, DoppelLog };

struct Modell {
    int code;
    std::string_view formel;
    Skala x, y;
    // Y for X and X for Y of the fitted model; throw Fehler where a step is undefined.
    double (*wertY)(double A, double B, double x);
    double (*wertX)(double A, double B, double y);
    // Y with its derivatives by A and B, for least squares; throws where wertY does.
    double (*gradientY)(double A, double B, const Abszisse& x, double& dA, double& dB);
    // The same for n values at once, d[i] = {dA, dB, 0}; false where one is undefined.
    bool (*reihenGradientY)(double A, double B, const Abszisse* t, std::size_t n, double* y,
                            std::array<double, 3>* d);

    // A double logarithm cannot carry a negative value into the fit.
    bool doppeltLogarithmisch() const { return x == Skala::DoppelLog || y == Skala::DoppelLog; }
    // The fit's constant is ln A when the ordinate is logarithmic.
    bool aLogarithmisch() const { return y != Skala::Linear; }
    // With a linear ordinate the model is A + B*g(x): linear in its parameters.
    bool linearInAB() const { return y == Skala::Linear; }
    // With a logarithmic ordinate it is A*h(B, x): proportional to A.
    bool proportionalInA() const { return y == Skala::Log; }
};

// The nine models in code order 1, 2, 5, 7, 8, 9, 10, 11, 12.
const std::array<Modell, 9>& modelle();
// The model of a code, nullptr for a code without a model (0, 3, 4, 6, ...).
const Modell* modell(int code);

// The linearising transform of one axis (throws Fehler for a logarithm of 0).
double linearisiert(Skala s, double t);

} // namespace tk
