#include "Grafikdienste.h"

#ifdef TK_MIT_GRAFIK
namespace tk {

Grafikdienste grafikdiensteErzeugen() {
    Grafikdienste dienste;
    // Query panel and printing are added here as their libraries arrive.
    return dienste;
}

} // namespace tk
#endif
