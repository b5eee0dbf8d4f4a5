#pragma once
// The three charts. Each draws on the surface it is given, in millimetres with y up,
// and throws Fehler when a value it needs cannot be computed; the surface's colour,
// line settings, coordinates and font are restored in either case.

#include "Ausgabe.h"
#include "GrafikZustand.h"
#include "Zustand.h"

namespace tk {

enum class Grafikart { Regression, Summenwerte, Einzelwerte };

// The chart of the current mode and case.
Grafikart grafikart(const Programmzustand& z);

// Regression chart of the decisive model in its linearising axes.
void GrafikR(Ausgabe& a, const Programmzustand& z, GrafikZustand& g);
// Probability chart of the cumulative prognosis curve (Fall Summenwerte); writes the
// limits of KMax into g.Label3[6] and [8].
void GrafikP1(Ausgabe& a, const Programmzustand& z, GrafikZustand& g);
// Density chart (Fall Einzelwerte); writes the band's K(dx) and its limits into
// g.Label3[4], [13] and [15], and the automatic ordinate top into g.PhiGrenze.
void GrafikP2(Ausgabe& a, const Programmzustand& z, GrafikZustand& g);

// Draws the chart of grafikart(z).
void GrafikZeichnen(Ausgabe& a, const Programmzustand& z, GrafikZustand& g);

} // namespace tk
