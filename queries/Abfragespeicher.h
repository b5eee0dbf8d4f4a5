#pragma once
// The store of confirmed queries of the chart window: its limit per chart and the
// question that lets the newest query replace the oldest one.

#include "app/Dialoge.h"
#include "calc/Zustand.h"
#include "zeichnung/GrafikZustand.h"

namespace tk {

enum class Abfrageart { Regression, Summenwerte, Einzelwerte };

Abfrageart abfrageartVon(const Programmzustand& zustand);

// 21 regression queries, 10 on the Summenwerte chart, 7 on the Einzelwerte chart.
int abfrageMaximum(Abfrageart art);

// Makes room for one more query and returns its entry (1..maximum). With a full
// store the user is asked whether the oldest query may go; on "Nein" nothing
// changes and 0 is returned.
int platzFuerAbfrage(GrafikZustand& grafik, Abfrageart art, Dialoge& dialoge);

} // namespace tk
