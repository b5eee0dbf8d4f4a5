#include "Grafikdienste.h"

#include "Abfragepanel.h"
#include "Druckdienste.h"

namespace tk {

Grafikdienste grafikdiensteErzeugen() {
    Grafikdienste dienste;
    dienste.panelErzeugen = abfragepanelErzeugen;
    dienste.drucken = druckenMitDialog;
    dienste.vorschau = vorschauZeigen;
    return dienste;
}

} // namespace tk
