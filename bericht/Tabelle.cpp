#include "bericht/Tabelle.h"

#include "calc/Auswertung.h"
#include "calc/Bestimmtheit.h"
#include "calc/Format.h"
#include "calc/Meldungstext.h"
#include "datafile/Zeichensatz.h"

#include <algorithm>
#include <sstream>

namespace tk::bericht {

std::string sichtbar(const std::string& t) {
    static const char* const ziffern = "0123456789ABCDEF";
    std::string aus;
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t anfang = i;
        const long c = naechstesZeichen(t, i);
        // C0 and C1 controls and malformed bytes would steer or confuse the terminal.
        if (c < 0x20 || c == 0x7F || (c >= 0x80 && c < 0xA0)) {
            for (std::size_t k = anfang; k < i; ++k) {
                const auto b = static_cast<unsigned char>(t[k]);
                aus += "\\x";
                aus += ziffern[b >> 4];
                aus += ziffern[b & 0xF];
            }
        } else {
            aus.append(t, anfang, i - anfang);
        }
    }
    return aus;
}

namespace {

std::string einzeilig(std::string t) {
    std::replace(t.begin(), t.end(), '\r', ' ');
    std::replace(t.begin(), t.end(), '\n', ' ');
    return sichtbar(t);
}

std::string zahl(double v) {
    return allgemein(v);
}
std::string zahl(const std::optional<double>& v) {
    return v ? allgemein(*v) : "-";
}
std::string rWert(double r) {
    return formatFest(r, 10);
}
// R² in the data's units, right-aligned under its heading; "-" where undefined.
std::string r2Spalte(const std::optional<double>& r2) {
    return rechtsbuendig(r2 ? formatFest(*r2, 10) : "-", 16);
}
const char* const R2Kopf = "      R² (Daten)";
// r of a decisive curve, with a warning when it hardly describes the data.
std::string rZeile(double r, const std::optional<double>& r2) {
    const std::string schwach = schwacheAnpassungText(r2);
    return rWert(r) + (schwach.empty() ? "" : "   " + schwach);
}

std::string links(const std::string& t, std::size_t breite) {
    // Width in characters: count UTF-8 lead bytes only.
    std::size_t zeichen = 0;
    for (const char c : t)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
    return zeichen >= breite ? t + " " : t + std::string(breite - zeichen, ' ');
}

std::string rechts(const std::string& t, std::size_t breite) {
    return rechtsbuendig(t, breite);
}

std::string ende(const std::optional<double>& v) {
    return v ? allgemein(*v) : "unbeschränkt";
}
std::string intervall(const KQIntervall& i) {
    return "[" + ende(i.unten) + "; " + ende(i.oben) + "]";
}

// The least-squares fit of the decisive model or curve, in the data's units.
void kleinsteQuadrate(std::ostringstream& aus, const std::string& einzug,
                      const std::optional<KQErgebnis>& kq) {
    if (!kq) return;
    aus << einzug << "Kleinste Quadrate im Originalmaßstab: ";
    if (!kq->konvergiert) {
        aus << "keine Lösung (" << kq->grund << ")\n";
        return;
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(kq->anzahl); ++k)
        aus << (k ? "   " : "") << parametername(*kq, k) << " = " << zahl(kq->p[k]) << " ± "
            << zahl(kq->se[k]);
    aus << "\n"
        << einzug << "  R² = " << zahl(kq->r2) << "   s = " << zahl(kq->sigma)
        << "   AICc = " << zahl(kq->aicc);
    if (kq->anzahl == 3) aus << "   KMax 95 % " << intervall(kq->ci95[0]);
    aus << "\n";
}

void kopf(std::ostringstream& aus, const Bericht& b) {
    aus << "Trendkurve - " << (b.prognose ? "Prognose" : "Regression") << "\n"
        << "Datei       : " << sichtbar(b.pfad) << "\n"
        << "Bezeichnung : " << sichtbar(b.titel) << "\n"
        << "Wertepaare  : " << b.n << "\n";
}

void regression(std::ostringstream& aus, const Bericht& b) {
    aus << "\n"
        << links("Code", 6) << links("Formel", 20) << rechts("r", 14) << R2Kopf << "  "
        << links("A", 22) << links("B", 22) << "zulässig\n";
    for (std::size_t k = 0; k < b.regression.modelle.size(); ++k) {
        const ModellFit& m = b.regression.modelle[k];
        aus << rechts(std::to_string(m.code), 4) << "  " << links(FYQ(m.code), 20);
        if (m.ok || m.ohneA) {
            aus << rechts(rWert(m.r), 14) << r2Spalte(m.r2Daten) << "  "
                << links(m.ok ? zahl(m.A) : "-", 22) << links(zahl(m.B), 22)
                << (m.zulaessig ? "ja" : "nein");
            if (m.ok && !m.beschreibt) aus << "  " << BeschreibtNicht;
        }
        if (m.fehler) {
            aus << "  Fehler " << m.fehler->code << ": " << einzeilig(meldungstext(*m.fehler));
        }
        aus << "\n";
    }
    aus << "\n";
    const int nr = b.regression.modellNr;
    if (nr == 0) {
        aus << "Kein entscheidendes Modell: keine Anpassung ist gelungen.\n";
        return;
    }
    for (std::size_t k = 0; k < b.regression.modelle.size(); ++k) {
        const ModellFit& m = b.regression.modelle[k];
        if (m.code != nr) continue;
        aus << "Entscheidendes Modell: " << nr << "   Y = " << FYQ(nr) << "\n"
            << "  A = " << zahl(m.A) << "\n"
            << "  B = " << zahl(m.B) << "\n"
            << "  r = " << rZeile(m.r, m.r2Daten) << "\n";
        kleinsteQuadrate(aus, "  ", b.kq[k]);
    }
}

void fall(std::ostringstream& aus, const char* name, const FallBericht& f) {
    aus << "\nFall " << name << "\n"
        << links("Typ", 5) << links("KMax", 22) << rechts("r", 14) << R2Kopf << "  "
        << links("A", 22) << links("B", 22) << links("Xs", 22) << "Iterationen\n";
    for (std::size_t i = 0; i < f.ergebnis.typen.size(); ++i) {
        const TypFit& t = f.ergebnis.typen[i];
        aus << rechts(std::to_string(KurvenTypen[i]), 3) << "  ";
        if (t.ok) {
            aus << links(zahl(t.K), 22) << rechts(rWert(t.r), 14) << r2Spalte(t.r2Daten) << "  "
                << links(zahl(t.A), 22) << links(zahl(t.B), 22) << links(zahl(t.Xs), 22)
                << t.iterationen;
            if (!t.beschreibt) aus << "  " << BeschreibtNicht;
        } else if (t.fehler) {
            aus << "Fehler " << t.fehler->code << ": " << einzeilig(meldungstext(*t.fehler));
        } else {
            aus << "nicht gerechnet (Fall vorzeitig beendet)";
        }
        aus << "\n";
    }
    const FallErgebnis& e = f.ergebnis;
    if (!e.entscheidend || !f.kennzahlen) {
        aus << (e.keineBeschreibt()
                    ? "  Keine entscheidende Kurve: keine Kurve beschreibt die Werte.\n"
                    : "  Keine entscheidende Kurve.\n");
        return;
    }
    const Kennzahlen& k = *f.kennzahlen;
    aus << "  Entscheidende Kurve: Typ " << e.typ << "\n"
        << "    KMax      = " << zahl(e.KMax) << "   (95 %-Grenzen " << zahl(k.KMaxUnten) << " bis "
        << zahl(k.KMaxOben) << ")\n"
        << "    A         = " << zahl(e.A) << "\n"
        << "    B         = " << zahl(e.B) << "\n"
        << "    r         = " << rZeile(e.r, e.r2Daten) << "\n"
        << "    X(1%)     = " << zahl(k.X1) << "\n"
        << "    X50%      = " << zahl(k.X50) << "\n"
        << "    X(99%)    = " << zahl(k.X99) << "\n"
        << "    Xs        = " << zahl(e.Xs) << "   Ks = " << zahl(k.Ks) << "\n"
        << "    Xwp1      = " << zahl(k.Xwp1) << "\n"
        << "    Xwp2      = " << zahl(k.Xwp2) << "\n"
        << "    Dichte Xs = " << zahl(k.phiXs) << "\n"
        << "    Ordinate T= " << zahl(k.T) << "\n";
    for (std::size_t i = 0; i < KurvenTypen.size(); ++i)
        if (KurvenTypen[i] == e.typ) kleinsteQuadrate(aus, "    ", f.kq[i]);
}

// The least-squares curve at the answer's X: its value, where a new value lies (95 %)
// and where the curve itself lies (95 %).
void band(std::ostringstream& aus, const char* was, const std::optional<KQBand>& band) {
    if (!band) return;
    aus << "    Kleinste Quadrate: " << was << " = " << zahl(band->y) << " "
        << intervall(band->vorhersage) << " (Vorhersage), Kurve " << intervall(band->mittel)
        << "\n";
}

void abfragen(std::ostringstream& aus, const Bericht& b) {
    if (!b.abfrageGewuenscht) return;
    aus << "\nAbfrage" << (b.prognose ? " (Fall Summenwerte)" : "") << "\n";
    if (!b.abfrageUnmoeglich.empty()) {
        aus << "  " << b.abfrageUnmoeglich << "\n";
        return;
    }
    for (const Abfrage& a : b.abfragen) {
        const char* hinweis = a.extrapolation ? "   (Extrapolation)\n" : "\n";
        if (!b.prognose) {
            if (a.art == "x")
                aus << "  X = " << zahl(a.X) << "  ->  Y = " << Zahl(a.Y.value_or(0)) << hinweis;
            else
                aus << "  Y = " << zahl(a.Y) << "  ->  X = " << Zahl(a.X.value_or(0)) << hinweis;
            band(aus, "Y", a.band);
            continue;
        }
        aus << "  Eingabe " << a.art << " = " << a.eingabe << ":  X = " << zahl(a.X)
            << "   Summen% = " << (a.prozent ? formatFest(*a.prozent, 3) : "-")
            << "   K = " << zahl(a.K) << hinweis << "    95 %-Grenzen von K: " << zahl(a.KUnten)
            << " bis " << zahl(a.KOben) << "\n";
        if (a.fehler)
            aus << "    Fehler " << a.fehler->code << ": " << einzeilig(meldungstext(*a.fehler))
                << "\n";
        band(aus, "K", a.band);
    }
}

} // namespace

std::string alsTabelle(const Bericht& b) {
    std::ostringstream aus;
    kopf(aus, b);
    if (b.prognose) {
        if (b.verschiebung != 0)
            aus << "Verschiebung: alle K-Werte um " << zahl(b.verschiebung)
                << " erhöht (kleinster Wert wird 0)\n";
        fall(aus, "Summenwerte", b.summenwerte);
        fall(aus, "Einzelwerte", b.einzelwerte);
    } else {
        regression(aus, b);
    }
    abfragen(aus, b);
    return aus.str();
}

std::string fehlerZeilen(const Bericht& b) {
    std::string t;
    const auto zeile = [&](const std::string& wobei, const Fehler& f) {
        std::string text = meldungstext(f);
        std::replace(text.begin(), text.end(), '\r', '\n');
        t += "trendkurve-cli: " + wobei + ": " + text + "\n";
    };
    for (const auto& m : b.meldungen) zeile(m.wobei, m.fehler);
    for (const auto& a : b.abfragen)
        if (a.fehler) zeile("Abfrage --" + a.art + " " + a.eingabe, *a.fehler);
    return t;
}

} // namespace tk::bericht
