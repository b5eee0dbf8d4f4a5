#include "app/Ende.h"

namespace tk {

bool EndeAbfrage(Dialoge& dialoge) {
    const Antwort a = dialoge.meldung(QStringLiteral(" Wollen Sie wirklich abbrechen (beenden) ??"),
                                      QStringLiteral("<JA> beendet das Programm"), Knoepfe::JaNein,
                                      Symbol::Ausrufezeichen);
    // Only an explicit "Nein" keeps the program running.
    return a != Antwort::Nein;
}

} // namespace tk
