#pragma once
// Drawing primitives of the charts, in the surface's user coordinates.

#include "zeichnung/Ausgabe.h"

namespace tk {

// Sets the point (x, y); it becomes the current position.
void Punkt(Ausgabe& a, double x, double y);
// Line from the current position to (x, y), which becomes the current position.
void LinieZu(Ausgabe& a, double x, double y);
// Segment from (x1, y1) to (x2, y2).
void Linie(Ausgabe& a, double x1, double y1, double x2, double y2);
// Arrowhead outline with its apex at (x, y), opening in direction `winkel` (radians),
// 3*g long and 1.6*g wide. Right-pointing axis end: winkel = pi, g = 1; upward: pi/2, -1.
void Pfeil(Ausgabe& a, double x, double y, double winkel, double g);
// Circle outline of radius r around (x, y).
void Kreis(Ausgabe& a, double x, double y, double r, Farbe farbe);

// Text helpers: `y` is the top of the text line.
void TextBei(Ausgabe& a, double x, double y, const QString& text);
void TextZentriert(Ausgabe& a, double x, double y, const QString& text);

} // namespace tk
