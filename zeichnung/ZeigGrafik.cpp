#include "zeichnung/ZeigGrafik.h"

#include <cmath>

namespace tk {

void Punkt(Ausgabe& a, double x, double y) {
    a.punkt(x, y);
}

void LinieZu(Ausgabe& a, double x, double y) {
    a.linieZu(x, y);
}

void Linie(Ausgabe& a, double x1, double y1, double x2, double y2) {
    Punkt(a, x1, y1);
    LinieZu(a, x2, y2);
}

void Pfeil(Ausgabe& a, double x, double y, double winkel, double g) {
    const double L = 3 * g;
    // Half width in single precision, so arrowheads match earlier printouts exactly.
    const double w = static_cast<float>(0.8 * g);
    Punkt(a, x, y);
    const double p1x = x + L * std::cos(winkel) + w * std::sin(winkel);
    const double p1y = y + L * std::sin(winkel) - w * std::cos(winkel);
    LinieZu(a, p1x, p1y);
    LinieZu(a, p1x - 2 * w * std::sin(winkel), p1y + 2 * w * std::cos(winkel));
    LinieZu(a, x, y);
}

void Kreis(Ausgabe& a, double x, double y, double r, Farbe farbe) {
    a.kreis(x, y, r, farbe);
}

void TextBei(Ausgabe& a, double x, double y, const QString& text) {
    a.setzePosition(x, y);
    a.drucke(text);
}

void TextZentriert(Ausgabe& a, double x, double y, const QString& text) {
    TextBei(a, x - a.textBreite(text) / 2, y, text);
}

} // namespace tk
