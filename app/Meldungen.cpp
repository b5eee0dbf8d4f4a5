#include "app/Meldungen.h"

namespace tk {

namespace {
void melde(Dialoge& dialoge, const Meldungstext& m, int& ergebnis) {
    dialoge.meldung(m);
    ergebnis = 1; // the only button is OK
}
} // namespace

void MeldDruckerA4(Dialoge& dialoge, double abweichung, int& ergebnis) {
    if (druckerA4Fehlt(abweichung)) melde(dialoge, meldungDruckerA4(), ergebnis);
}

} // namespace tk
