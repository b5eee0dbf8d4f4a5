// The library's facade over calc/ and datafile/: each call builds its own program state,
// so nothing is shared between calls; a result keeps that state read-only for its queries.

#include "trendkurve/trendkurve.h"

#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Meldungstext.h"
#include "calc/Prognose.h"
#include "calc/Rechenlauf.h"
#include "calc/Regression.h"
#include "datafile/Datei.h"
#include "datafile/Zeichensatz.h"

#include <cmath>
#include <variant>

namespace trendkurve {

namespace detail {
struct Zustand {
    tk::Programmzustand z;
};
} // namespace detail

namespace {

constexpr std::size_t maxTitelZeichen = 52; // as a data file holds it

Fehler alsFehler(const tk::Fehler& f) {
    return Fehler(f.code, tk::meldungstext(f));
}

[[noreturn]] void ablehnen(const std::string& text) {
    throw Fehler(tk::fehlercode::DateiFormat, text);
}

// The rules of a data file's pairs, for values that come from a caller.
void pruefen(const std::vector<double>& x, const std::vector<double>& y, const char* yName) {
    if (x.size() != y.size())
        ablehnen("Ungleich viele Werte: " + std::to_string(x.size()) + " X-Werte und " +
                 std::to_string(y.size()) + " " + yName + "-Werte.");
    if (x.size() < 4) ablehnen(tk::meldungMinPaare().text);
    if (x.size() > 21) ablehnen(tk::meldungMaxAnzahl().text);
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (!std::isfinite(x[i]))
            ablehnen("Der X-Wert von Paar " + std::to_string(i + 1) +
                     " ist keine gültige endliche Zahl.");
        if (!std::isfinite(y[i]))
            ablehnen("Der " + std::string(yName) + "-Wert von Paar " + std::to_string(i + 1) +
                     " ist keine gültige endliche Zahl.");
    }
}

// The state a calculation of the command line starts from.
tk::Programmzustand zustandAus(bool prognose, const std::vector<double>& x,
                               const std::vector<double>& y) {
    tk::Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = prognose;
    z.initialisierenEingabe();
    tk::uebernehmen(z, tk::datensatzAus("", x, y));
    return z;
}

template <class Ergebnis> void fehlerUebernehmen(const std::optional<tk::Fehler>& f, Ergebnis& e) {
    if (!f) return;
    e.fehlercode = f->code;
    e.fehlertext = tk::meldungstext(*f);
}

Fall fallAus(tk::Programmzustand& z, const tk::FallErgebnis& e) {
    Fall f;
    for (const tk::TypFit& t : e.typen) {
        Kurve k{t.typ, t.ok,          t.K,       t.r,          t.A, t.B,
                t.Xs,  t.iterationen, t.r2Daten, t.beschreibt, 0,   {}};
        fehlerUebernehmen(t.fehler, k);
        f.kurven.push_back(k);
    }
    f.entscheidend = e.entscheidend;
    if (!e.entscheidend) return f;
    f.typ = e.typ;
    f.KMax = e.KMax;
    f.r = e.r;
    f.A = e.A;
    f.B = e.B;
    f.Xs = e.Xs;
    f.r2Daten = e.r2Daten;
    tk::fallUebernehmen(z, e);
    const tk::Kennzahlen k = tk::kennzahlen(z);
    f.kennwerte = {k.X1, k.X50, k.X99, k.Ks, k.Xwp1, k.Xwp2, k.KMaxUnten, k.KMaxOben, k.phiXs, k.T};
    return f;
}

const tk::Programmzustand& abfragbar(const std::shared_ptr<const detail::Zustand>& s, bool ok,
                                     const char* warum) {
    if (!s || !ok) throw Fehler(tk::fehlercode::UngueltigesArgument, warum);
    return s->z;
}

Regressionsantwort antwort(const tk::abfrage::Regressionsantwort& a) {
    return {a.X, a.Y, a.extrapolation};
}

Summenantwort summe(const tk::Programmzustand& z, const tk::abfrage::Summenergebnis& e) {
    if (const auto* h = std::get_if<tk::abfrage::Hinweis>(&e))
        throw Fehler(tk::fehlercode::UngueltigesArgument, h->text);
    const auto& a = std::get<tk::abfrage::Summenantwort>(e);
    Summenantwort s{a.X, a.prozent, a.K, std::nullopt, std::nullopt, a.extrapolation};
    s.KUnten = tk::KGrenz1(z, a.K);
    s.KOben = tk::KGrenz2(z, a.K);
    return s;
}

template <class F> auto abfragen(F f) {
    try {
        return f();
    } catch (const tk::Fehler& e) {
        throw alsFehler(e);
    }
}

constexpr const char* keinModell = "Keine Abfrage möglich: kein Modell liess sich anpassen.";
constexpr const char* keineKurve =
    "Keine Abfrage möglich: der Fall Summenwerte hat keine entscheidende Kurve.";

} // namespace

Regression regression(const std::vector<double>& x, const std::vector<double>& y) {
    pruefen(x, y, "Y");
    try {
        auto s = std::make_shared<detail::Zustand>();
        tk::Programmzustand& z = s->z;
        z = zustandAus(false, x, y);
        tk::MaxMinWert(z, z.AnzPaare);
        const tk::RegressionsErgebnis e = tk::MassgR(z);
        Regression r;
        for (const tk::ModellFit& m : e.modelle) {
            Modell mo{m.code,
                      m.ok,
                      m.r,
                      m.B,
                      m.ohneA ? std::nullopt : std::optional<double>(m.A),
                      m.r2Daten,
                      m.beschreibt,
                      m.zulaessig,
                      0,
                      {},
                      tk::FYQ(m.code)};
            fehlerUebernehmen(m.fehler, mo);
            r.modelle.push_back(mo);
        }
        r.modell = e.modellNr;
        if (r.modell != 0) {
            r.r = z.KorrR;
            r.A = z.KonstA;
            r.B = z.KoeffB;
            r.r2Daten = e.r2Daten;
        }
        r.zustand = std::move(s);
        return r;
    } catch (const tk::Fehler& f) {
        throw alsFehler(f);
    }
}

Regressionsantwort Regression::yFuerX(double x) const {
    const auto& z = abfragbar(zustand, modell != 0, keinModell);
    return abfragen([&] { return antwort(tk::abfrage::regressionFuerX(z, x)); });
}

Regressionsantwort Regression::xFuerY(double y) const {
    const auto& z = abfragbar(zustand, modell != 0, keinModell);
    return abfragen([&] { return antwort(tk::abfrage::regressionFuerY(z, y)); });
}

Prognose prognose(const std::vector<double>& x, const std::vector<double>& K) {
    pruefen(x, K, "K");
    try {
        auto s = std::make_shared<detail::Zustand>();
        tk::Programmzustand& z = s->z;
        z = zustandAus(true, x, K);
        Prognose p;
        p.verschiebung = tk::MaxMinWert(z, z.AnzPaare);
        const tk::Laufergebnis lauf = tk::rechenlauf(z, {}, false);
        p.summenwerte = fallAus(z, lauf.summenwerte);
        p.einzelwerte = fallAus(z, lauf.einzelwerte);
        // The queries read the Summenwerte curve.
        if (lauf.summenwerte.entscheidend) tk::fallUebernehmen(z, lauf.summenwerte);
        p.zustand = std::move(s);
        return p;
    } catch (const tk::Fehler& f) {
        throw alsFehler(f);
    }
}

Summenantwort Prognose::fuerX(double x) const {
    const auto& z = abfragbar(zustand, summenwerte.entscheidend, keineKurve);
    return abfragen([&] { return summe(z, tk::abfrage::summeFuerX(z, x)); });
}

Summenantwort Prognose::fuerProzent(double prozent) const {
    const auto& z = abfragbar(zustand, summenwerte.entscheidend, keineKurve);
    return abfragen([&] { return summe(z, tk::abfrage::summeFuerProzent(z, prozent)); });
}

Summenantwort Prognose::fuerK(double K) const {
    const auto& z = abfragbar(zustand, summenwerte.entscheidend, keineKurve);
    return abfragen([&] { return summe(z, tk::abfrage::summeFuerK(z, K)); });
}

Datensatz lesen(const std::string& pfad) {
    const tk::DateiArt art = tk::artVon(pfad);
    if (art == tk::DateiArt::Unbekannt)
        throw Fehler(tk::fehlercode::FalscherDateiname,
                     "Unbekannte Dateiart: erwartet wird .rgr (Regression) oder .pro "
                     "(Prognose).");
    try {
        const tk::Datensatz d = tk::laden(pfad);
        Datensatz e;
        e.titel = d.Bezeichnung;
        e.modus = art == tk::DateiArt::Prognose ? Modus::Prognose : Modus::Regression;
        e.x.assign(d.X.begin() + 1, d.X.begin() + 1 + d.AnzPaare);
        e.y.assign(d.Y.begin() + 1, d.Y.begin() + 1 + d.AnzPaare);
        return e;
    } catch (const tk::Fehler& f) {
        throw alsFehler(f);
    }
}

void schreiben(const std::string& pfad, const Datensatz& daten) {
    pruefen(daten.x, daten.y, daten.modus == Modus::Prognose ? "K" : "Y");
    try {
        // As entered: the file keeps the values, not the working copies.
        tk::Programmzustand z;
        z.initialisierenStart();
        z.ModusPrognostik = daten.modus == Modus::Prognose;
        z.initialisierenEingabe();
        z.Bezeichnung =
            tk::ersteZeichen(tk::cp1252NachUtf8(tk::utf8NachCp1252(daten.titel)), maxTitelZeichen);
        z.AnzPaare = static_cast<int>(daten.x.size());
        z.redimPaare(z.AnzPaare, false);
        for (int i = 1; i <= z.AnzPaare; ++i) {
            z.EingabeX(i) = daten.x[static_cast<std::size_t>(i - 1)];
            z.EingabeY(i) = daten.y[static_cast<std::size_t>(i - 1)];
        }
        tk::speichern(pfad, z);
    } catch (const tk::Fehler& f) {
        throw alsFehler(f);
    }
}

} // namespace trendkurve
