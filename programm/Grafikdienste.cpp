#include "Grafikdienste.h"

#include "Abfragepanel.h"
#include "Abfragetabelle.h"
#include "Druckdienste.h"

namespace tk {

Grafikdienste grafikdiensteErzeugen() {
    Grafikdienste dienste;
    dienste.panelErzeugen = abfragepanelErzeugen;
    dienste.drucken = druckenMitDialog;
    dienste.vorschau = vorschauZeigen;
    dienste.abfragen = [](frmGrafikKurvex& w) { return abfragetabelle(w.zustand(), w.grafik()); };
    return dienste;
}

} // namespace tk
