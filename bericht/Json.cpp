#include "bericht/Json.h"

#include "bericht/Zahltext.h"
#include "calc/Auswertung.h"
#include "calc/Meldungstext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string_view>
#include <vector>

namespace tk::bericht {

namespace {

// A number with 17 significant digits, null when it is not finite; returns the end.
char* zahlText(char* p, double v) {
    if (std::isfinite(v)) return siebzehnStellen(p, v);
    std::memcpy(p, "null", 4);
    return p + 4;
}

void zahlSchreiben(std::string& aus, double v) {
    char puffer[40];
    aus.append(puffer, static_cast<std::size_t>(zahlText(puffer, v) - puffer));
}

// A string as the library writes it; plain printable ASCII, as every key and most
// values are, without building a value for it.
void textSchreiben(std::string& aus, const std::string& t) {
    const bool schlicht = std::all_of(
        t.begin(), t.end(), [](char c) { return c >= 0x20 && c < 0x7f && c != '"' && c != '\\'; });
    if (!schlicht) {
        aus += Json(t).dump(-1, ' ', false, Json::error_handler_t::replace);
        return;
    }
    aus += '"';
    aus += t;
    aus += '"';
}

void schreiben(std::string& aus, const Json& w) {
    const auto folge = [&](char auf, char zu, auto element) {
        aus += auf;
        bool erstes = true;
        for (auto it = w.begin(); it != w.end(); ++it) {
            if (!erstes) aus += ',';
            erstes = false;
            element(it);
        }
        aus += zu;
    };
    switch (w.type()) {
    case Json::value_t::object:
        folge('{', '}', [&](auto it) {
            textSchreiben(aus, it.key());
            aus += ':';
            schreiben(aus, *it);
        });
        break;
    case Json::value_t::array:
        folge('[', ']', [&](auto it) { schreiben(aus, *it); });
        break;
    case Json::value_t::number_float:
        zahlSchreiben(aus, w.get<double>());
        break;
    case Json::value_t::string:
        textSchreiben(aus, w.get_ref<const std::string&>());
        break;
    case Json::value_t::null:
        aus += "null";
        break;
    case Json::value_t::boolean:
        aus += w.get<bool>() ? "true" : "false";
        break;
    case Json::value_t::number_integer:
    case Json::value_t::number_unsigned: {
        char puffer[24];
        const auto ende =
            w.is_number_unsigned()
                ? std::to_chars(puffer, puffer + sizeof puffer, w.get<std::uint64_t>()).ptr
                : std::to_chars(puffer, puffer + sizeof puffer, w.get<std::int64_t>()).ptr;
        aus.append(puffer, static_cast<std::size_t>(ende - puffer));
        break;
    }
    default:
        aus += w.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

// The report's structure, written once for two destinations: the JSON text of the
// command line, produced as it goes, and a value for callers that want to look into it.
class TextZiel {
public:
    explicit TextZiel(std::string& aus) : aus_(aus) {}
    void objekt() { auf('{'); }
    void liste() { auf('['); }
    void objektEnde() { zu('}'); }
    void listeEnde() { zu(']'); }
    // Keys and numbers, the most frequent items, go in with their separator in one append.
    void schluessel(std::string_view name) {
        char puffer[64];
        if (name.size() > sizeof puffer - 4) {
            trennen();
            aus_ += '"';
            aus_ += name;
            aus_ += "\":";
        } else {
            char* p = puffer;
            if (komma_) *p++ = ',';
            *p++ = '"';
            p = std::copy(name.begin(), name.end(), p);
            *p++ = '"';
            *p++ = ':';
            aus_.append(puffer, static_cast<std::size_t>(p - puffer));
        }
        komma_ = false;
    }
    void zahl(const std::optional<double>& v) {
        char puffer[48];
        char* p = puffer;
        if (komma_) *p++ = ',';
        p = zahlText(p, v.value_or(NAN));
        aus_.append(puffer, static_cast<std::size_t>(p - puffer));
        komma_ = true;
    }
    void ganz(long long v) {
        trennen();
        char puffer[24];
        aus_.append(puffer, static_cast<std::size_t>(
                                std::to_chars(puffer, puffer + sizeof puffer, v).ptr - puffer));
        komma_ = true;
    }
    void text(const std::string& t) {
        trennen();
        textSchreiben(aus_, t);
        komma_ = true;
    }
    void wahr(bool b) {
        trennen();
        aus_ += b ? "true" : "false";
        komma_ = true;
    }
    void null() { zahl(std::nullopt); }
    void wert(const Json& w) {
        trennen();
        schreiben(aus_, w);
        komma_ = true;
    }

private:
    void trennen() {
        if (komma_) aus_ += ',';
    }
    void auf(char c) {
        trennen();
        aus_ += c;
        komma_ = false;
    }
    void zu(char c) {
        aus_ += c;
        komma_ = true;
    }
    std::string& aus_;
    bool komma_ = false;
};

class WertZiel {
public:
    void objekt() { oeffnen(Json::object()); }
    void liste() { oeffnen(Json::array()); }
    void objektEnde() { offen_.pop_back(); }
    void listeEnde() { offen_.pop_back(); }
    void schluessel(std::string_view name) { name_ = name; }
    void zahl(const std::optional<double>& v) { wert(v ? Json(*v) : Json(nullptr)); }
    void ganz(long long v) { wert(Json(v)); }
    void text(const std::string& t) { wert(Json(t)); }
    void wahr(bool b) { wert(Json(b)); }
    void null() { wert(Json(nullptr)); }
    void wert(Json w) { einsetzen(std::move(w)); }
    Json ergebnis() { return std::move(wurzel_); }

private:
    Json& einsetzen(Json w) {
        if (offen_.empty()) return wurzel_ = std::move(w);
        Json& behaelter = *offen_.back();
        if (behaelter.is_array()) {
            behaelter.push_back(std::move(w));
            return behaelter.back();
        }
        return behaelter[name_] = std::move(w);
    }
    void oeffnen(Json leer) { offen_.push_back(&einsetzen(std::move(leer))); }
    Json wurzel_;
    std::vector<Json*> offen_; // the open containers, innermost last
    std::string name_;
};

std::optional<double> endlich(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? v : std::nullopt;
}

template <class Z> void fehlerWert(Z& z, const std::optional<Fehler>& f) {
    if (!f) return z.null();
    z.objekt();
    z.schluessel("code");
    z.ganz(f->code);
    z.schluessel("message");
    z.text(meldungstext(*f));
    z.objektEnde();
}

template <class Z> void intervall(Z& z, const KQIntervall& i) {
    z.liste();
    z.zahl(endlich(i.unten));
    z.zahl(endlich(i.oben));
    z.listeEnde();
}

// Parameters in the order A, B, K; a fit that did not converge gives no numbers.
template <class Z> void kqWert(Z& z, const std::optional<KQErgebnis>& kq) {
    if (!kq) return z.null();
    const KQErgebnis& e = *kq;
    const bool ok = e.konvergiert;
    const auto zahl = [&](const char* name, const std::optional<double>& v) {
        z.schluessel(name);
        z.zahl(ok ? endlich(v) : std::nullopt);
    };
    const auto ci = [&](const char* name, std::size_t k) {
        z.schluessel(name);
        if (ok)
            intervall(z, e.ci95[k]);
        else
            z.null();
    };
    const bool mitK = e.anzahl == 3;
    const std::size_t a = mitK ? 1 : 0;
    z.objekt();
    zahl("A", e.p[a]);
    zahl("B", e.p[a + 1]);
    if (mitK) zahl("K", e.p[0]);
    zahl("se_A", e.se[a]);
    zahl("se_B", e.se[a + 1]);
    if (mitK) zahl("se_K", e.se[0]);
    ci("ci95_A", a);
    ci("ci95_B", a + 1);
    if (mitK) ci("ci95_K", 0);
    zahl("sigma", e.sigma);
    zahl("rss", e.rss);
    zahl("r2_data", e.r2);
    zahl("aicc", e.aicc);
    z.schluessel("converged");
    z.wahr(ok);
    z.objektEnde();
}

// How well a model's or a type's curve meets the values themselves.
template <class Z> void beschreibung(Z& z, const std::optional<double>& r2, bool beschreibt) {
    z.schluessel("r2_data");
    z.zahl(endlich(r2));
    z.schluessel("describes_data");
    z.wahr(beschreibt);
}

// The last members of a model's or a type's entry.
template <class Z>
void schluss(Z& z, bool ok, const std::optional<Fehler>& fehler,
             const std::optional<KQErgebnis>& kq) {
    z.schluessel("ok");
    z.wahr(ok);
    z.schluessel("error");
    fehlerWert(z, fehler);
    z.schluessel("least_squares");
    kqWert(z, kq);
}

template <class Z> void regressionWert(Z& z, const Bericht& b) {
    z.schluessel("models");
    z.liste();
    const ModellFit* entscheidend = nullptr;
    for (std::size_t k = 0; k < b.regression.modelle.size(); ++k) {
        const ModellFit& m = b.regression.modelle[k];
        // A model whose A overflowed still has its r and B.
        const auto zahl = [&](const char* name, double v, bool da) {
            z.schluessel(name);
            z.zahl(da ? endlich(v) : std::nullopt);
        };
        z.objekt();
        z.schluessel("code");
        z.ganz(m.code);
        z.schluessel("formula");
        z.text(FYQ(m.code));
        zahl("r", m.r, m.ok || m.ohneA);
        zahl("A", m.A, m.ok);
        zahl("B", m.B, m.ok || m.ohneA);
        beschreibung(z, m.r2Daten, m.beschreibt);
        z.schluessel("admissible");
        z.wahr(m.zulaessig);
        schluss(z, m.ok, m.fehler, b.kq[k]);
        z.objektEnde();
        if (m.code == b.regression.modellNr) entscheidend = &m;
    }
    z.listeEnde();
    z.schluessel("decisive");
    if (!entscheidend) return z.null();
    z.objekt();
    z.schluessel("code");
    z.ganz(entscheidend->code);
    for (const auto& [name, v] :
         {std::pair<const char*, std::optional<double>>{"A", entscheidend->A},
          {"B", entscheidend->B},
          {"r", entscheidend->r},
          {"r2_data", entscheidend->r2Daten}}) {
        z.schluessel(name);
        z.zahl(endlich(v));
    }
    z.objektEnde();
}

template <class Z> void entscheidendWert(Z& z, const FallBericht& fall) {
    const FallErgebnis& e = fall.ergebnis;
    if (!e.entscheidend || !fall.kennzahlen) return z.null();
    const Kennzahlen& k = *fall.kennzahlen;
    z.objekt();
    z.schluessel("type");
    z.ganz(e.typ);
    for (const auto& [name, v] : {std::pair<const char*, std::optional<double>>{"KMax", e.KMax},
                                  {"A", e.A},
                                  {"B", e.B},
                                  {"r", e.r},
                                  {"r2_data", e.r2Daten},
                                  {"Xs", e.Xs},
                                  {"X1", k.X1},
                                  {"X99", k.X99},
                                  {"X50", k.X50},
                                  {"Ks", k.Ks},
                                  {"Xwp1", k.Xwp1},
                                  {"Xwp2", k.Xwp2},
                                  {"KMaxLower", k.KMaxUnten},
                                  {"KMaxUpper", k.KMaxOben},
                                  {"phiXs", k.phiXs},
                                  {"T", k.T}}) {
        z.schluessel(name);
        z.zahl(endlich(v));
    }
    z.objektEnde();
}

template <class Z> void fallWert(Z& z, const FallBericht& fall) {
    z.objekt();
    z.schluessel("types");
    z.liste();
    for (std::size_t k = 0; k < fall.ergebnis.typen.size(); ++k) {
        const TypFit& t = fall.ergebnis.typen[k];
        z.objekt();
        z.schluessel("type");
        z.ganz(KurvenTypen[k]); // also for a type the case never reached
        for (const auto& [name, v] : {std::pair<const char*, double>{"K", t.K},
                                      {"r", t.r},
                                      {"A", t.A},
                                      {"B", t.B},
                                      {"Xs", t.Xs}}) {
            z.schluessel(name);
            z.zahl(t.ok ? endlich(v) : std::nullopt);
        }
        beschreibung(z, t.r2Daten, t.beschreibt);
        z.schluessel("iterations");
        z.ganz(t.iterationen);
        schluss(z, t.ok, t.fehler, fall.kq[k]);
        z.objektEnde();
    }
    z.listeEnde();
    z.schluessel("decisive");
    entscheidendWert(z, fall);
    z.objektEnde();
}

template <class Z> void abfrageWert(Z& z, const Bericht& b, const Abfrage& a) {
    const auto zahl = [&](const char* name, const std::optional<double>& v) {
        z.schluessel(name);
        z.zahl(endlich(v));
    };
    z.objekt();
    z.schluessel("input");
    z.text(a.eingabe);
    zahl("X", a.X);
    if (b.prognose) {
        zahl("prozent", a.prozent);
        zahl("K", a.K);
        zahl("KLower", a.KUnten);
        zahl("KUpper", a.KOben);
        z.schluessel("error");
        fehlerWert(z, a.fehler);
    } else {
        zahl("Y", a.Y);
    }
    z.schluessel("extrapolation");
    z.wahr(a.extrapolation);
    z.schluessel("interval95");
    if (a.band) {
        z.objekt();
        z.schluessel("mean");
        intervall(z, a.band->mittel);
        z.schluessel("prediction");
        intervall(z, a.band->vorhersage);
        z.objektEnde();
    } else {
        z.null();
    }
    z.objektEnde();
}

// One entry per kind of query, in the order the kinds first appear; a second value of
// the same kind turns its entry into a list of answers.
template <class Z> void abfragenWert(Z& z, const Bericht& b) {
    if (!b.abfrageGewuenscht || !b.abfrageUnmoeglich.empty()) return z.null();
    std::vector<std::string> arten;
    for (const Abfrage& a : b.abfragen)
        if (std::ranges::find(arten, a.art) == arten.end()) arten.push_back(a.art);
    z.objekt();
    for (const std::string& art : arten) {
        z.schluessel(art);
        const auto anzahl = std::ranges::count(b.abfragen, art, &Abfrage::art);
        if (anzahl > 1) z.liste();
        for (const Abfrage& a : b.abfragen)
            if (a.art == art) abfrageWert(z, b, a);
        if (anzahl > 1) z.listeEnde();
    }
    z.objektEnde();
}

// The whole record; its first member names the input (`file`) or the series (`id`).
template <class Z>
void berichtWert(Z& z, const Bericht& b, std::string_view ersterName, const Json& ersterWert) {
    z.objekt();
    z.schluessel(ersterName);
    z.wert(ersterWert);
    z.schluessel("mode");
    z.text(b.prognose ? "prognosis" : "regression");
    z.schluessel("n");
    z.ganz(b.n);
    z.schluessel("title");
    z.text(b.titel);
    if (b.prognose) {
        z.schluessel("shift");
        z.zahl(endlich(b.verschiebung));
        z.schluessel("cases");
        z.objekt();
        z.schluessel("summenwerte");
        fallWert(z, b.summenwerte);
        z.schluessel("einzelwerte");
        fallWert(z, b.einzelwerte);
        z.objektEnde();
    } else {
        regressionWert(z, b);
    }
    z.schluessel("query");
    abfragenWert(z, b);
    z.objektEnde();
}

} // namespace

std::string jsonText(const Json& wert) {
    std::string aus;
    aus.reserve(8192); // a regression answer is about 5 KB
    schreiben(aus, wert);
    return aus;
}

Json alsJsonWert(const Bericht& b, const std::string& datei) {
    WertZiel z;
    berichtWert(z, b, "file", Json(datei));
    return z.ergebnis();
}

std::string alsJson(const Bericht& b, const std::string& datei) {
    return alsJsonMitKopf(b, "file", Json(datei));
}

std::string alsJsonMitKopf(const Bericht& b, std::string_view name, const Json& wert) {
    std::string aus;
    aus.reserve(8192); // a regression answer is about 5 KB
    TextZiel z(aus);
    berichtWert(z, b, name, wert);
    aus += '\n';
    return aus;
}

std::string fehlerAlsJson(const std::string& datei, int code, const std::string& text) {
    Json j;
    j["file"] = datei;
    j["error"] = {{"code", code}, {"text", text}};
    return jsonText(j) + "\n";
}

} // namespace tk::bericht
