#include "bericht/Json.h"

#include "calc/Auswertung.h"
#include "calc/Meldungstext.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace tk::bericht {

namespace {

void zahlSchreiben(std::string& aus, double v) {
    char puffer[40];
    const auto [ende, ec] =
        std::to_chars(puffer, puffer + sizeof puffer, v, std::chars_format::general, 17);
    if (!std::isfinite(v) || ec != std::errc())
        aus += "null";
    else
        aus.append(puffer, ende);
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
        aus.append(puffer, ende);
        break;
    }
    default:
        aus += w.dump(-1, ' ', false, Json::error_handler_t::replace);
    }
}

Json zahl(const std::optional<double>& v) {
    return v && std::isfinite(*v) ? Json(*v) : Json(nullptr);
}

Json fehlerWert(const std::optional<Fehler>& f) {
    if (!f) return nullptr;
    return {{"code", f->code}, {"message", meldungstext(*f)}};
}

Json intervall(const KQIntervall& i) {
    return Json::array({zahl(i.unten), zahl(i.oben)});
}

// Parameters in the order A, B, K; a fit that did not converge gives no numbers.
Json kqJson(const std::optional<KQErgebnis>& kq) {
    if (!kq) return nullptr;
    const KQErgebnis& e = *kq;
    const bool ok = e.konvergiert;
    const auto wert = [&](double v) { return ok ? zahl(v) : Json(nullptr); };
    const auto opt = [&](const std::optional<double>& v) { return ok ? zahl(v) : Json(nullptr); };
    const std::size_t a = e.anzahl == 3 ? 1 : 0;
    Json j = {{"A", wert(e.p[a])}, {"B", wert(e.p[a + 1])}};
    if (e.anzahl == 3) j["K"] = wert(e.p[0]);
    j["se_A"] = wert(e.se[a]);
    j["se_B"] = wert(e.se[a + 1]);
    if (e.anzahl == 3) j["se_K"] = wert(e.se[0]);
    const auto ci = [&](std::size_t k) { return ok ? intervall(e.ci95[k]) : Json(nullptr); };
    j["ci95_A"] = ci(a);
    j["ci95_B"] = ci(a + 1);
    if (e.anzahl == 3) j["ci95_K"] = ci(0);
    j["sigma"] = wert(e.sigma);
    j["rss"] = wert(e.rss);
    j["r2_data"] = opt(e.r2);
    j["aicc"] = opt(e.aicc);
    j["converged"] = ok;
    return j;
}

Json regressionJson(const Bericht& b) {
    Json modelle = Json::array();
    const ModellFit* entscheidend = nullptr;
    for (std::size_t k = 0; k < b.regression.modelle.size(); ++k) {
        const ModellFit& m = b.regression.modelle[k];
        // A model whose A overflowed still has its r and B.
        const auto wert = [&](double v, bool da) { return da ? zahl(v) : Json(nullptr); };
        modelle.push_back({{"code", m.code},
                           {"formula", FYQ(m.code)},
                           {"r", wert(m.r, m.ok || m.ohneA)},
                           {"A", wert(m.A, m.ok)},
                           {"B", wert(m.B, m.ok || m.ohneA)},
                           {"r2_data", zahl(m.r2Daten)},
                           {"describes_data", m.beschreibt},
                           {"admissible", m.zulaessig},
                           {"ok", m.ok},
                           {"error", fehlerWert(m.fehler)},
                           {"least_squares", kqJson(b.kq[k])}});
        if (m.code == b.regression.modellNr) entscheidend = &m;
    }
    Json decisive = nullptr;
    if (entscheidend)
        decisive = {{"code", entscheidend->code},
                    {"A", zahl(entscheidend->A)},
                    {"B", zahl(entscheidend->B)},
                    {"r", zahl(entscheidend->r)},
                    {"r2_data", zahl(entscheidend->r2Daten)}};
    return {{"models", modelle}, {"decisive", decisive}};
}

Json entscheidendJson(const FallBericht& fall) {
    const FallErgebnis& e = fall.ergebnis;
    if (!e.entscheidend || !fall.kennzahlen) return nullptr;
    const Kennzahlen& k = *fall.kennzahlen;
    return {{"type", e.typ},
            {"KMax", zahl(e.KMax)},
            {"A", zahl(e.A)},
            {"B", zahl(e.B)},
            {"r", zahl(e.r)},
            {"r2_data", zahl(e.r2Daten)},
            {"Xs", zahl(e.Xs)},
            {"X1", zahl(k.X1)},
            {"X99", zahl(k.X99)},
            {"X50", zahl(k.X50)},
            {"Ks", zahl(k.Ks)},
            {"Xwp1", zahl(k.Xwp1)},
            {"Xwp2", zahl(k.Xwp2)},
            {"KMaxLower", zahl(k.KMaxUnten)},
            {"KMaxUpper", zahl(k.KMaxOben)},
            {"phiXs", zahl(k.phiXs)},
            {"T", zahl(k.T)}};
}

Json fallJson(const FallBericht& fall) {
    Json typen = Json::array();
    for (std::size_t k = 0; k < fall.ergebnis.typen.size(); ++k) {
        const TypFit& t = fall.ergebnis.typen[k];
        const auto wert = [&](double v) { return t.ok ? zahl(v) : Json(nullptr); };
        typen.push_back({{"type", KurvenTypen[k]}, // also for a type the case never reached
                         {"K", wert(t.K)},
                         {"r", wert(t.r)},
                         {"A", wert(t.A)},
                         {"B", wert(t.B)},
                         {"Xs", wert(t.Xs)},
                         {"r2_data", zahl(t.r2Daten)},
                         {"describes_data", t.beschreibt},
                         {"iterations", t.iterationen},
                         {"ok", t.ok},
                         {"error", fehlerWert(t.fehler)},
                         {"least_squares", kqJson(fall.kq[k])}});
    }
    return {{"types", typen}, {"decisive", entscheidendJson(fall)}};
}

Json abfrageJson(const Bericht& b) {
    if (!b.abfrageGewuenscht || !b.abfrageUnmoeglich.empty()) return nullptr;
    Json abfragen = Json::object();
    for (const Abfrage& a : b.abfragen) {
        Json j = {{"input", a.eingabe}, {"X", zahl(a.X)}};
        if (b.prognose) {
            j["prozent"] = zahl(a.prozent);
            j["K"] = zahl(a.K);
            j["KLower"] = zahl(a.KUnten);
            j["KUpper"] = zahl(a.KOben);
            j["error"] = fehlerWert(a.fehler);
        } else {
            j["Y"] = zahl(a.Y);
        }
        j["extrapolation"] = a.extrapolation;
        j["interval95"] = a.band ? Json{{"mean", intervall(a.band->mittel)},
                                        {"prediction", intervall(a.band->vorhersage)}}
                                 : Json(nullptr);
        // A second value of the same kind turns its entry into a list of answers.
        if (!abfragen.contains(a.art))
            abfragen[a.art] = j;
        else if (abfragen[a.art].is_array())
            abfragen[a.art].push_back(j);
        else
            abfragen[a.art] = Json::array({abfragen[a.art], j});
    }
    return abfragen;
}

} // namespace

std::string jsonText(const Json& wert) {
    std::string aus;
    aus.reserve(8192); // a regression answer is about 5 KB
    schreiben(aus, wert);
    return aus;
}

Json alsJsonWert(const Bericht& b, const std::string& datei) {
    Json j = {{"file", datei},
              {"mode", b.prognose ? "prognosis" : "regression"},
              {"n", b.n},
              {"title", b.titel}};
    if (b.prognose) {
        j["shift"] = zahl(b.verschiebung);
        j["cases"] = {{"summenwerte", fallJson(b.summenwerte)},
                      {"einzelwerte", fallJson(b.einzelwerte)}};
    } else {
        j.update(regressionJson(b));
    }
    j["query"] = abfrageJson(b);
    return j;
}

std::string alsJson(const Bericht& b, const std::string& datei) {
    return jsonText(alsJsonWert(b, datei)) + "\n";
}

std::string fehlerAlsJson(const std::string& datei, int code, const std::string& text) {
    Json j;
    j["file"] = datei;
    j["error"] = {{"code", code}, {"text", text}};
    return jsonText(j) + "\n";
}

} // namespace tk::bericht
