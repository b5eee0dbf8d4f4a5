#pragma once
// The stored queries of the chart on display as a table of numbers, with the values
// the printout derives from them.

#include "calc/Ergebnistabelle.h"
#include "calc/Zustand.h"
#include "zeichnung/GrafikZustand.h"

namespace tk {

Abfragetabelle abfragetabelle(const Programmzustand& z, const GrafikZustand& g);

} // namespace tk
