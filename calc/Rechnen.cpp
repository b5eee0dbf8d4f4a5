#include "calc/Rechnen.h"

#include "calc/Fehler.h"

#include <cmath>

namespace tk::rechnen {

namespace {
const char* const Quelle = "Trendkurve";
} // namespace

void argumentFehler() {
    throw rechenfehler(fehlercode::UngueltigesArgument);
}
void ueberlauf() {
    throw rechenfehler(fehlercode::Ueberlauf);
}
void nullDivision() {
    throw rechenfehler(fehlercode::DivisionDurchNull);
}

Fehler rechenfehler(int code) {
    switch (code) {
    case fehlercode::UngueltigesArgument:
        return Fehler(code, Quelle, "Unzulässiger Prozeduraufruf oder ungültiges Argument");
    case fehlercode::Ueberlauf:
        return Fehler(code, Quelle, "Überlauf");
    default:
        return Fehler(code, Quelle, "Division durch Null");
    }
}

double ln(double x) {
    if (!(x > 0)) argumentFehler();
    return pruefe(std::log(x));
}

double teile(double a, double b) {
    if (b == 0) nullDivision();
    return pruefe(a / b);
}

double wurzel(double x) {
    if (x < 0) argumentFehler();
    return std::sqrt(x);
}

double L(double t) {
    return sgn(t) * ln(std::fabs(t));
}

double LL(double t) {
    const double l = ln(std::fabs(t));
    return sgn(t) * sgn(l) * ln(std::fabs(l));
}

} // namespace tk::rechnen
