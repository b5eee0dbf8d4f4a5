#include "bericht/Bericht.h"

#include "calc/Abfrageregeln.h"
#include "calc/Auswertung.h"
#include "calc/Format.h"
#include "calc/Meldungstext.h"
#include "calc/Rechenlauf.h"

#include <algorithm>
#include <functional>
#include <variant>

namespace tk::bericht {

namespace {

void regressionBerichten(const Programmzustand& z, Bericht& b) {
    b.kq = kqRegression(z, b.regression);
    for (const auto& fit : b.regression.modelle) {
        if (fit.fehler) b.meldungen.push_back({"Modell " + std::to_string(fit.code), *fit.fehler});
    }
}

void regressionRechnen(Programmzustand& z, Bericht& b) {
    b.regression = MassgR(z);
    regressionBerichten(z, b);
}

void fallBerichten(Programmzustand& z, const FallErgebnis& ergebnis, const Summenreihe& reihe,
                   const char* name, FallBericht& fall, Bericht& b) {
    fall.ergebnis = ergebnis;
    fall.kq = kqFall(z, reihe, ergebnis);
    for (const auto& typ : fall.ergebnis.typen)
        if (typ.fehler)
            b.meldungen.push_back(
                {std::string(name) + ", Typ " + std::to_string(typ.typ), *typ.fehler});
    if (fall.ergebnis.entscheidend) {
        fallUebernehmen(z, fall.ergebnis);
        fall.kennzahlen = kennzahlen(z);
    }
}

// Both cases at the same time; reported one after the other.
void prognoseRechnen(Programmzustand& z, Bericht& b) {
    const Laufergebnis lauf = rechenlauf(z);
    fallBerichten(z, lauf.summenwerte, Untersuch1(z), "Fall Summenwerte", b.summenwerte, b);
    fallBerichten(z, lauf.einzelwerte, Untersuch2(z), "Fall Einzelwerte", b.einzelwerte, b);
}

Abfrage neueAbfrage(const std::string& art, const std::string& eingabe) {
    Abfrage a;
    a.art = art;
    a.eingabe = eingabe;
    return a;
}

// The bands of the decisive least-squares curve at the answer's X.
std::optional<KQBand> band(const std::optional<KQErgebnis>& kq, const KQKurve& kurve,
                           const std::optional<double>& X) {
    if (!kq || !X) return std::nullopt;
    return kqBand(kurve, *kq, *X);
}

std::optional<KQBand> regressionsBand(const Bericht& b, const std::optional<double>& X) {
    for (std::size_t k = 0; k < ModellCodes.size(); ++k)
        if (ModellCodes[k] == b.regression.modellNr)
            return band(b.kq[k], modellKurve(ModellCodes[k]), X);
    return std::nullopt;
}

std::optional<KQBand> summenBand(const Bericht& b, const std::optional<double>& X) {
    const FallBericht& f = b.summenwerte;
    for (std::size_t k = 0; k < KurvenTypen.size(); ++k)
        if (KurvenTypen[k] == f.ergebnis.typ) return band(f.kq[k], typKurve(KurvenTypen[k]), X);
    return std::nullopt;
}

void regressionAbfragen(const Programmzustand& z, const Abfragewunsch& opt, Bericht& b) {
    for (const std::string& x : opt.x) {
        Abfrage a = neueAbfrage("x", x);
        const auto antwort = abfrage::regressionFuerX(z, *zahlAusText(x));
        a.X = antwort.X;
        a.Y = antwort.Y;
        a.extrapolation = antwort.extrapolation;
        a.band = regressionsBand(b, a.X);
        b.abfragen.push_back(a);
    }
    for (const double y : opt.y) {
        Abfrage a = neueAbfrage("y", allgemein(y));
        const auto antwort = abfrage::regressionFuerY(z, y);
        a.X = antwort.X;
        a.Y = antwort.Y;
        a.extrapolation = antwort.extrapolation;
        a.band = regressionsBand(b, a.X);
        b.abfragen.push_back(a);
    }
}

// One Summenwerte query by the query panel's rule: a value the panel refuses is refused
// with its warning; an evaluation failure ends the query with what it has so far.
void summenAbfrage(const Programmzustand& z, Abfrage a, Bericht& b,
                   const std::function<abfrage::Summenergebnis()>& regel) {
    try {
        const abfrage::Summenergebnis e = regel();
        if (const auto* h = std::get_if<abfrage::Hinweis>(&e))
            throw Abfragefehler(h->text + " (Wert im Abfragefeld: " + Zahl(h->ersatz) + ")");
        const auto& antwort = std::get<abfrage::Summenantwort>(e);
        a.X = antwort.X;
        a.prozent = antwort.prozent;
        a.K = antwort.K;
        a.extrapolation = antwort.extrapolation;
        a.KUnten = KGrenz1(z, *a.K);
        a.KOben = KGrenz2(z, *a.K);
    } catch (const Fehler& f) {
        a.fehler = f;
    }
    if (!a.fehler) a.band = summenBand(b, a.X);
    b.abfragen.push_back(a);
}

void prognoseAbfragen(const Programmzustand& z, const Abfragewunsch& opt, Bericht& b) {
    for (const std::string& text : opt.x) {
        Abfrage a = neueAbfrage("x", text);
        const double x = zahlAusText(text).value_or(1e10); // "unendlich"
        a.X = x;
        summenAbfrage(z, a, b, [&] { return abfrage::summeFuerX(z, x); });
    }
    for (const double p : opt.prozent) {
        Abfrage a = neueAbfrage("prozent", allgemein(p));
        a.prozent = p;
        summenAbfrage(z, a, b, [&] { return abfrage::summeFuerProzent(z, p); });
    }
    for (const double k : opt.k) {
        Abfrage a = neueAbfrage("k", allgemein(k));
        a.K = k;
        summenAbfrage(z, a, b, [&] { return abfrage::summeFuerK(z, k); });
    }
}

void pruefeOptionenFuerArt(const Abfragewunsch& opt, bool prognose) {
    if (prognose && !opt.y.empty())
        throw Aufruffehler("Die Option --y gilt nur für Regressionsdateien (.rgr).");
    if (!prognose && !opt.prozent.empty())
        throw Aufruffehler("Die Option --prozent gilt nur für Prognosedateien (.pro).");
    if (!prognose && !opt.k.empty())
        throw Aufruffehler("Die Option --k gilt nur für Prognosedateien (.pro).");
    if (!prognose && std::ranges::any_of(opt.x, [](const auto& x) { return !zahlAusText(x); }))
        throw Aufruffehler("\"unendlich\" gilt nur für Prognosedateien (.pro).");
}

} // namespace

bool Bericht::hatErgebnis() const {
    if (prognose) return summenwerte.ergebnis.entscheidend || einzelwerte.ergebnis.entscheidend;
    return regression.modellNr != 0;
}

Bericht berichtAusLauf(const Programmzustand& daten, const RegressionsErgebnis& regression,
                       const FallErgebnis& summenwerte, const FallErgebnis& einzelwerte) {
    Bericht b;
    Programmzustand z = daten;
    b.pfad = z.DateiName;
    b.prognose = z.ModusPrognostik;
    b.titel = z.Bezeichnung;
    b.n = z.AnzPaare;
    b.verschiebung = MaxMinWert(z, z.AnzPaare);
    if (b.prognose) {
        fallBerichten(z, summenwerte, Untersuch1(z), "Fall Summenwerte", b.summenwerte, b);
        fallBerichten(z, einzelwerte, Untersuch2(z), "Fall Einzelwerte", b.einzelwerte, b);
    } else {
        b.regression = regression;
        regressionBerichten(z, b);
    }
    return b;
}

Bericht berichtErstellen(const std::string& pfad, DateiArt art, const Datensatz& daten,
                         const Abfragewunsch& optionen) {
    if (art == DateiArt::Unbekannt)
        throw Aufruffehler("Unbekannte Dateiart: erwartet wird .rgr (Regression) oder .pro "
                           "(Prognose).");
    Bericht b;
    b.pfad = pfad;
    b.prognose = art == DateiArt::Prognose;
    pruefeOptionenFuerArt(optionen, b.prognose);

    Programmzustand z;
    z.initialisierenStart();
    z.ModusPrognostik = b.prognose;
    z.initialisierenEingabe();
    uebernehmen(z, daten);
    b.titel = z.Bezeichnung;
    b.n = z.AnzPaare;
    b.verschiebung = MaxMinWert(z, z.AnzPaare);

    if (b.prognose)
        prognoseRechnen(z, b);
    else
        regressionRechnen(z, b);

    b.abfrageGewuenscht = optionen.abfrage();
    if (!b.abfrageGewuenscht) return b;
    if (b.prognose) {
        if (!b.summenwerte.ergebnis.entscheidend) {
            b.abfrageUnmoeglich =
                "Keine Abfrage möglich: der Fall Summenwerte hat keine entscheidende Kurve.";
            return b;
        }
        fallUebernehmen(z, b.summenwerte.ergebnis);
        prognoseAbfragen(z, optionen, b);
    } else {
        if (b.regression.modellNr == 0) {
            b.abfrageUnmoeglich = "Keine Abfrage möglich: kein Modell liess sich anpassen.";
            return b;
        }
        regressionAbfragen(z, optionen, b);
    }
    return b;
}

} // namespace tk::bericht
