#include "Grafiken.h"

namespace tk {

Grafikart grafikart(const Programmzustand& z) {
    if (!z.ModusPrognostik) return Grafikart::Regression;
    return z.GrafikFall == 1 ? Grafikart::Summenwerte : Grafikart::Einzelwerte;
}

void GrafikZeichnen(Ausgabe& a, const Programmzustand& z, GrafikZustand& g) {
    switch (grafikart(z)) {
    case Grafikart::Regression:
        GrafikR(a, z, g);
        break;
    case Grafikart::Summenwerte:
        GrafikP1(a, z, g);
        break;
    case Grafikart::Einzelwerte:
        GrafikP2(a, z, g);
        break;
    }
}

} // namespace tk
