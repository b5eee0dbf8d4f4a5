#include "zeichnung/Grafiken.h"

namespace tk {

Grafikart grafikart(const Programmzustand& z) {
    if (!z.ModusPrognostik) return Grafikart::Regression;
    return z.GrafikFall == 1 ? Grafikart::Summenwerte : Grafikart::Einzelwerte;
}

void GrafikZeichnen(Ausgabe& a, const Programmzustand& z, const GrafikZustand& g) {
    const bool original = g.Originalmassstab;
    switch (grafikart(z)) {
    case Grafikart::Regression:
        (original ? GrafikOriginalR : GrafikR)(a, z, g);
        break;
    case Grafikart::Summenwerte:
        (original ? GrafikOriginalP1 : GrafikP1)(a, z, g);
        break;
    case Grafikart::Einzelwerte:
        (original ? GrafikOriginalP2 : GrafikP2)(a, z, g);
        break;
    }
}

} // namespace tk
