#pragma once
// The three charts. Each draws on the surface it is given, in millimetres with y up,
// and throws Fehler when a value it needs cannot be computed; the surface's colour,
// line settings, coordinates and font are restored in either case.

#include "calc/Zustand.h"
#include "zeichnung/Ausgabe.h"
#include "zeichnung/GrafikZustand.h"

namespace tk {

enum class Grafikart { Regression, Summenwerte, Einzelwerte };

// The chart of the current mode and case.
Grafikart grafikart(const Programmzustand& z);

// Regression chart of the decisive model in its linearising axes.
void GrafikR(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);
// Probability chart of the cumulative prognosis curve (Fall Summenwerte).
void GrafikP1(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);
// Density chart (Fall Einzelwerte) with the band X(i)..X(i+d) of g.
void GrafikP2(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);

// The same three charts in the data's own units: nice scales on both axes, the curve
// over the data widened by 10 % (prognosis: reaching to where the curve starts and
// saturates), the stored queries and the current one.
void GrafikOriginalR(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);
void GrafikOriginalP1(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);
void GrafikOriginalP2(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);

// Draws the chart of grafikart(z), in the view g.Originalmassstab chooses.
void GrafikZeichnen(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g);

} // namespace tk
