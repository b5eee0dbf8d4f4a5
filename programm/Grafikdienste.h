#pragma once
// The services the chart window cannot provide itself (query panel, printing).

#include "charts/frmGrafikKurvex.h"

namespace tk {

// Builds the query panel and the print services of the chart window.
Grafikdienste grafikdiensteErzeugen();

} // namespace tk
