#include "Json.h"

#include "Auswertung.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace tk::cli {

std::string jsonZahl(double v) {
    if (!std::isfinite(v)) return "null";
    char puffer[40];
    const auto [ende, ec] =
        std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::general, 17);
    return ec == std::errc() ? std::string(puffer, ende) : "null";
}

void JsonSchreiber::vorWert() {
    if (nachSchluessel_) {
        nachSchluessel_ = false;
        return;
    }
    if (!erstes_.empty()) {
        if (!erstes_.back()) aus_ += ',';
        erstes_.back() = false;
    }
}

JsonSchreiber& JsonSchreiber::objektBeginn() {
    vorWert();
    aus_ += '{';
    erstes_.push_back(true);
    return *this;
}

JsonSchreiber& JsonSchreiber::objektEnde() {
    aus_ += '}';
    erstes_.pop_back();
    return *this;
}

JsonSchreiber& JsonSchreiber::listeBeginn() {
    vorWert();
    aus_ += '[';
    erstes_.push_back(true);
    return *this;
}

JsonSchreiber& JsonSchreiber::listeEnde() {
    aus_ += ']';
    erstes_.pop_back();
    return *this;
}

JsonSchreiber& JsonSchreiber::feldBeginn(const std::string& name) {
    text(name);
    aus_ += ':';
    nachSchluessel_ = true;
    return *this;
}

JsonSchreiber& JsonSchreiber::zahl(double v) {
    vorWert();
    aus_ += jsonZahl(v);
    return *this;
}

JsonSchreiber& JsonSchreiber::zahl(const std::optional<double>& v) {
    return v ? zahl(*v) : null();
}

JsonSchreiber& JsonSchreiber::ganz(long long v) {
    vorWert();
    aus_ += std::to_string(v);
    return *this;
}

JsonSchreiber& JsonSchreiber::text(const std::string& t) {
    vorWert();
    aus_ += '"';
    for (const char c : t) {
        switch (c) {
        case '"':
            aus_ += "\\\"";
            break;
        case '\\':
            aus_ += "\\\\";
            break;
        case '\n':
            aus_ += "\\n";
            break;
        case '\r':
            aus_ += "\\r";
            break;
        case '\t':
            aus_ += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char esc[8];
                std::snprintf(esc, sizeof esc, "\\u%04x", static_cast<unsigned char>(c));
                aus_ += esc;
            } else {
                aus_ += c;
            }
        }
    }
    aus_ += '"';
    return *this;
}

JsonSchreiber& JsonSchreiber::wahr(bool b) {
    vorWert();
    aus_ += b ? "true" : "false";
    return *this;
}

JsonSchreiber& JsonSchreiber::null() {
    vorWert();
    aus_ += "null";
    return *this;
}

namespace {

void fehlerFeld(JsonSchreiber& j, const std::optional<Fehler>& f) {
    j.feldBeginn("error");
    if (!f) {
        j.null();
        return;
    }
    j.objektBeginn().feld("code", f->code).feld("message", meldungstext(*f)).objektEnde();
}

void regressionJson(JsonSchreiber& j, const Bericht& b) {
    j.feldBeginn("models").listeBeginn();
    for (std::size_t k = 0; k < b.regression.modelle.size(); ++k) {
        const ModellFit& m = b.regression.modelle[k];
        const auto wert = [&](double v, bool da) {
            return da ? std::optional<double>(v) : std::nullopt;
        };
        j.objektBeginn()
            .feld("code", m.code)
            .feld("formula", FYQ(m.code))
            .feld("r", wert(m.r, m.ok || m.ohneA))
            .feld("A", wert(m.A, m.ok))
            .feld("B", wert(m.B, m.ok || m.ohneA))
            .feld("admissible", m.zulaessig)
            .feld("ok", m.ok);
        fehlerFeld(j, m.fehler);
        j.objektEnde();
    }
    j.listeEnde();
    j.feldBeginn("decisive");
    const int nr = b.regression.modellNr;
    if (nr == 0) {
        j.null();
        return;
    }
    for (const auto& m : b.regression.modelle)
        if (m.code == nr)
            j.objektBeginn()
                .feld("code", nr)
                .feld("A", m.A)
                .feld("B", m.B)
                .feld("r", m.r)
                .objektEnde();
}

void fallJson(JsonSchreiber& j, const FallBericht& fall) {
    j.objektBeginn().feldBeginn("types").listeBeginn();
    for (std::size_t k = 0; k < fall.ergebnis.typen.size(); ++k) {
        const TypFit& t = fall.ergebnis.typen[k];
        const auto wert = [&](double v) { return t.ok ? std::optional<double>(v) : std::nullopt; };
        j.objektBeginn()
            .feld("type", KurvenTypen[k]) // also for a type the case never reached
            .feld("K", wert(t.K))
            .feld("r", wert(t.r))
            .feld("A", wert(t.A))
            .feld("B", wert(t.B))
            .feld("Xs", wert(t.Xs))
            .feld("iterations", t.iterationen)
            .feld("ok", t.ok);
        fehlerFeld(j, t.fehler);
        j.objektEnde();
    }
    j.listeEnde().feldBeginn("decisive");
    const FallErgebnis& e = fall.ergebnis;
    if (!e.entscheidend || !fall.kennzahlen) {
        j.null();
    } else {
        const Kennzahlen& k = *fall.kennzahlen;
        j.objektBeginn()
            .feld("type", e.typ)
            .feld("KMax", e.KMax)
            .feld("A", e.A)
            .feld("B", e.B)
            .feld("r", e.r)
            .feld("Xs", e.Xs)
            .feld("X1", k.X1)
            .feld("X99", k.X99)
            .feld("X50", k.X50)
            .feld("Ks", k.Ks)
            .feld("Xwp1", k.Xwp1)
            .feld("Xwp2", k.Xwp2)
            .feld("KMaxLower", k.KMaxUnten)
            .feld("KMaxUpper", k.KMaxOben)
            .feld("phiXs", k.phiXs)
            .feld("T", k.T)
            .objektEnde();
    }
    j.objektEnde();
}

void abfrageJson(JsonSchreiber& j, const Bericht& b) {
    j.feldBeginn("query");
    if (!b.abfrageGewuenscht || !b.abfrageUnmoeglich.empty()) {
        j.null();
        return;
    }
    j.objektBeginn();
    for (const Abfrage& a : b.abfragen) {
        j.feldBeginn(a.art).objektBeginn().feld("input", a.eingabe);
        if (b.prognose) {
            j.feld("X", a.X).feld("prozent", a.prozent).feld("K", a.K);
            j.feld("KLower", a.KUnten).feld("KUpper", a.KOben);
            fehlerFeld(j, a.fehler);
        } else {
            j.feld("X", a.X).feld("Y", a.Y);
        }
        j.objektEnde();
    }
    j.objektEnde();
}

} // namespace

std::string alsJson(const Bericht& b) {
    JsonSchreiber j;
    j.objektBeginn()
        .feld("mode", b.prognose ? "prognosis" : "regression")
        .feld("n", b.n)
        .feld("title", b.titel);
    if (b.prognose) {
        j.feld("shift", b.verschiebung).feldBeginn("cases").objektBeginn();
        j.feldBeginn("summenwerte");
        fallJson(j, b.summenwerte);
        j.feldBeginn("einzelwerte");
        fallJson(j, b.einzelwerte);
        j.objektEnde();
    } else {
        regressionJson(j, b);
    }
    abfrageJson(j, b);
    j.objektEnde();
    return j.ergebnis() + "\n";
}

} // namespace tk::cli
