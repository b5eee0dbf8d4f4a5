#pragma once
// What a finished run leaves for the model table and the export of results, handed
// over as values.

#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "calc/Zustand.h"

namespace tk {

struct Vergleichsdaten {
    Programmzustand z; // the data set and mode of the run
    RegressionsErgebnis regression;
    FallErgebnis summenwerte, einzelwerte;
};

} // namespace tk
