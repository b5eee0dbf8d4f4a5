#include "Bericht.h"

#include "Auswertung.h"
#include "Format.h"
#include "Meldungstext.h"
#include "Rechenlauf.h"
#include "Rechnen.h"

#include <cmath>

namespace tk::cli {

namespace {

// Keeps queries off the singular points of the logarithmic models, as stored pairs are.
double anstossen(double v) {
    return zusatzWert(v);
}

void regressionBerichten(Bericht& b) {
    for (const auto& fit : b.regression.modelle) {
        if (fit.fehler) b.meldungen.push_back({"Modell " + std::to_string(fit.code), *fit.fehler});
    }
}

void regressionRechnen(Programmzustand& z, Bericht& b) {
    b.regression = MassgR(z);
    regressionBerichten(b);
}

template <class F> std::optional<double> versuche(F&& f) {
    try {
        return f();
    } catch (const Fehler&) {
        return std::nullopt;
    }
}

Kennzahlen kennzahlenVon(const Programmzustand& z) {
    try {
        const Kennwerte k = kennwerte(z);
        return {k.X1, k.X99, k.X50, k.Ks, k.Xwp1, k.Xwp2, k.KMaxUnten, k.KMaxOben, k.phiXs, k.T};
    } catch (const Fehler&) {
        // One value failed: give every value that can be computed on its own.
        Kennzahlen k;
        k.X1 = versuche([&] { return WertXI(z, 0.01); });
        k.X99 = versuche([&] { return WertXI(z, 0.99); });
        k.X50 = versuche([&] { return WertXI(z, 0.5); });
        k.Ks = versuche([&] { return WertKi(z, z.WertXs); });
        k.Xwp1 = versuche([&] { return WendepunktX1(z); });
        k.Xwp2 = versuche([&] { return WendepunktX2(z); });
        k.KMaxUnten = versuche([&] { return KGrenz1(z, z.KMax); });
        k.KMaxOben = versuche([&] { return KGrenz2(z, z.KMax); });
        k.phiXs = PhiWert(z, z.WertXs);
        k.T = versuche([&] { return OrdinatenTop(k.phiXs.value_or(0)); });
        return k;
    }
}

void fallBerichten(Programmzustand& z, const FallErgebnis& ergebnis, const char* name,
                   FallBericht& fall, Bericht& b) {
    fall.ergebnis = ergebnis;
    for (const auto& typ : fall.ergebnis.typen)
        if (typ.fehler)
            b.meldungen.push_back(
                {std::string(name) + ", Typ " + std::to_string(typ.typ), *typ.fehler});
    if (fall.ergebnis.entscheidend) {
        fallUebernehmen(z, fall.ergebnis);
        fall.kennzahlen = kennzahlenVon(z);
    }
}

// Both cases at the same time; reported one after the other.
void prognoseRechnen(Programmzustand& z, Bericht& b) {
    const Laufergebnis lauf = rechenlauf(z);
    fallBerichten(z, lauf.summenwerte, "Fall Summenwerte", b.summenwerte, b);
    fallBerichten(z, lauf.einzelwerte, "Fall Einzelwerte", b.einzelwerte, b);
}

Abfrage neueAbfrage(const std::string& art, const std::string& eingabe) {
    Abfrage a;
    a.art = art;
    a.eingabe = eingabe;
    return a;
}

void regressionAbfragen(const Programmzustand& z, const Optionen& opt, Bericht& b) {
    if (opt.x) {
        Abfrage a = neueAbfrage("x", *opt.x);
        a.X = anstossen(*zahlAusText(*opt.x));
        a.Y = anstossen(WertYQ(z, *a.X).value_or(0));
        b.abfragen.push_back(a);
    }
    if (opt.y) {
        Abfrage a = neueAbfrage("y", allgemein(*opt.y));
        a.Y = anstossen(*opt.y);
        a.X = anstossen(WertXQ(z, *a.Y).value_or(0));
        b.abfragen.push_back(a);
    }
}

// Steps of a prognosis query: each fills its value; the first failure ends the query.
void grenzen(const Programmzustand& z, Abfrage& a) {
    a.KUnten = KGrenz1(z, *a.K);
    a.KOben = KGrenz2(z, *a.K);
}

void prognoseAbfragen(const Programmzustand& z, const Optionen& opt, Bericht& b) {
    if (opt.x) {
        Abfrage a = neueAbfrage("x", *opt.x);
        try {
            const auto x = zahlAusText(*opt.x);
            if (x) {
                const double x1 = WertXI(z, 0.01);
                if (!(*x >= x1))
                    throw Abfragefehler(
                        "Der Wert Xi muss grösser >= X(1%) sein! (X(1%) = " + Zahl(x1) + ")");
                a.X = *x;
            } else {
                a.X = 1e10; // "unendlich"
            }
            a.K = WertKi(z, *a.X);
            a.prozent = rechnen::teile(100 * *a.K, z.KMax);
            grenzen(z, a);
        } catch (const Fehler& f) {
            a.fehler = f;
        }
        b.abfragen.push_back(a);
    }
    if (opt.prozent) {
        const double p = *opt.prozent;
        if (p < 1 || p > 100)
            throw Abfragefehler("Der Summen%-Wert muss grösser >= 1% und <=100% sein!");
        Abfrage a = neueAbfrage("prozent", allgemein(p));
        a.prozent = p;
        double s = p / 100;
        a.K = z.KMax * s;
        if (s == 1) s = 0.9999999;
        try {
            a.X = WertXI(z, s);
            grenzen(z, a);
        } catch (const Fehler& f) {
            a.fehler = f;
        }
        b.abfragen.push_back(a);
    }
    if (opt.k) {
        const double k = *opt.k;
        if (k < 0.01 * z.KMax)
            throw Abfragefehler("Der Wert Ki muss grösser >= K bei X(1%) sein! (K bei X(1%) = " +
                                Zahl(0.01 * z.KMax) + ")");
        Abfrage a = neueAbfrage("k", allgemein(k));
        a.K = k;
        try {
            const double s = rechnen::teile(k, z.KMax);
            a.X = WertXI(z, s);
            a.prozent = 100 * s;
            grenzen(z, a);
        } catch (const Fehler& f) {
            a.fehler = f;
        }
        b.abfragen.push_back(a);
    }
}

void pruefeOptionenFuerArt(const Optionen& opt, bool prognose) {
    if (prognose && opt.y)
        throw Aufruffehler("Die Option --y gilt nur für Regressionsdateien (.rgr).");
    if (!prognose && opt.prozent)
        throw Aufruffehler("Die Option --prozent gilt nur für Prognosedateien (.pro).");
    if (!prognose && opt.k)
        throw Aufruffehler("Die Option --k gilt nur für Prognosedateien (.pro).");
    if (!prognose && opt.x && !zahlAusText(*opt.x))
        throw Aufruffehler("\"unendlich\" gilt nur für Prognosedateien (.pro).");
}

} // namespace

std::string meldungstext(const Fehler& f) {
    const auto m = meldungFuer(f);
    return m ? m->text : f.beschreibung;
}

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
        fallBerichten(z, summenwerte, "Fall Summenwerte", b.summenwerte, b);
        fallBerichten(z, einzelwerte, "Fall Einzelwerte", b.einzelwerte, b);
    } else {
        b.regression = regression;
        regressionBerichten(b);
    }
    return b;
}

Bericht berichtErstellen(const std::string& pfad, DateiArt art, const Datensatz& daten,
                         const Optionen& optionen) {
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

} // namespace tk::cli
