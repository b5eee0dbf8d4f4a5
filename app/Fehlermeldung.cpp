#include "Fehlermeldung.h"

namespace tk {

Antwort ZeigFehler(Dialoge& dialoge, const Fehler& fehler) {
    try {
        const auto m = meldungFuer(fehler);
        if (!m) return Antwort::OK;
        return dialoge.meldung(*m);
    } catch (...) {
        // Reporting an error must never raise another one.
        return Antwort::Abbrechen;
    }
}

} // namespace tk
