#include "calc/Modellvergleich.h"

#include "calc/Auswertung.h"
#include "calc/Meldungstext.h"

#include <algorithm>
#include <cmath>

namespace tk {

namespace {

// One line for a table cell: each line break of the message becomes ": ".
std::string einzeilig(std::string text) {
    for (std::size_t i; (i = text.find_first_of("\r\n")) != std::string::npos;)
        text.replace(i, text.compare(i, 2, "\r\n") == 0 ? 2 : 1, ": ");
    return text;
}

std::string grundVon(const ModellFit& fit) {
    if (fit.fehler) {
        return einzeilig(meldungstext(*fit.fehler));
    }
    if (!fit.zulaessig) return "nicht zulässig: negative Werte im doppelt-logarithmischen Modell";
    if (!fit.beschreibt) return BeschreibtNicht;
    return {};
}

Vergleichszeile zeileVon(const ModellFit& fit, int entscheidend) {
    Vergleichszeile z;
    z.code = fit.code;
    z.formel = FYQ(fit.code);
    const bool rBekannt = fit.ok || fit.ohneA;
    if (rBekannt) {
        z.r = fit.r;
        z.r2 = fit.r * fit.r;
        z.B = fit.B;
    }
    if (fit.ok) z.A = fit.A;
    z.r2Daten = fit.r2Daten;
    z.grund = grundVon(fit);
    z.verwendbar = fit.ok && fit.zulaessig && fit.beschreibt;
    z.entscheidend = fit.code == entscheidend;
    return z;
}

} // namespace

Modellvergleich modellvergleich(const RegressionsErgebnis& e) {
    Modellvergleich v;
    for (const ModellFit& fit : e.modelle) v.zeilen.push_back(zeileVon(fit, e.modellNr));
    // Stable: on equal |r| the lower code stays first, as in the choice itself.
    std::stable_sort(v.zeilen.begin(), v.zeilen.end(), [](const auto& a, const auto& b) {
        if (a.r.has_value() != b.r.has_value()) return a.r.has_value();
        return a.r && std::fabs(*a.r) > std::fabs(*b.r);
    });
    const auto best = std::find_if(v.zeilen.begin(), v.zeilen.end(),
                                   [](const auto& z) { return z.entscheidend; });
    if (best != v.zeilen.end()) {
        for (const auto& z : v.zeilen)
            if (!z.entscheidend && z.verwendbar &&
                std::fabs(*best->r) - std::fabs(*z.r) < KnappeSchwelle)
                v.knapp = true;
    }
    return v;
}

std::string typGrund(const TypFit& t) {
    if (t.fehler) return einzeilig(meldungstext(*t.fehler));
    if (!t.lief) return "nicht gerechnet (Fall vorzeitig beendet)";
    if (!t.beschreibt) return BeschreibtNicht;
    return {};
}

bool knappeEntscheidung(const FallErgebnis& f) {
    if (!f.entscheidend) return false;
    for (const TypFit& t : f.typen)
        if (t.typ != f.typ && t.ok && t.beschreibt &&
            std::fabs(f.r) - std::fabs(t.r) < KnappeSchwelle)
            return true;
    return false;
}

} // namespace tk
