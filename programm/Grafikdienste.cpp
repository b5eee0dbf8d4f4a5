#include "programm/Grafikdienste.h"

#include "print/Druckdienste.h"
#include "queries/Abfragepanel.h"
#include "queries/Abfragetabelle.h"

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
