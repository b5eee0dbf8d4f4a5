#include "app/Fehlermeldung.h"

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

bool geschuetztAusfuehren(Dialoge& dialoge, const char* quelle,
                          const std::function<void()>& handler, bool melden) {
    try {
        handler();
        return true;
    } catch (const Fehler& f) {
        if (melden) ZeigFehler(dialoge, f);
    } catch (const std::exception& e) {
        if (melden) ZeigFehler(dialoge, Fehler(fehlercode::Anwendungsfehler, quelle, e.what()));
    }
    return false;
}

} // namespace tk
