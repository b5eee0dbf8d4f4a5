// The engine for Python: one data set, or many at once on several threads, each as the
// command line's JSON report turned into Python objects.

#include "bericht/Bericht.h"
#include "bericht/Json.h"
#include "calc/Meldungstext.h"
#include "datafile/Zeichensatz.h"

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <optional>
#include <sched.h>
#include <thread>
#include <variant>
#include <vector>

namespace py = pybind11;

namespace tk::python {

namespace {

using bericht::Json;

constexpr std::size_t maxTitelZeichen = 52; // as a data file holds it

struct Reihe {
    DateiArt art = DateiArt::Regression;
    Datensatz daten;
};

struct Eingabefehler {
    Fehler fehler;
};

[[noreturn]] void ablehnen(const std::string& text) {
    throw Eingabefehler{Fehler(fehlercode::DateiFormat, "Eingabe", text)};
}

std::vector<double> werte(const py::handle& folge, const std::string& name) {
    if (!py::isinstance<py::iterable>(folge) || py::isinstance<py::str>(folge))
        ablehnen("Die " + name + "-Werte müssen eine Folge von Zahlen sein.");
    std::vector<double> w;
    for (const py::handle wert : folge) {
        double v = NAN;
        try {
            v = wert.cast<double>();
        } catch (const py::cast_error&) {
        }
        if (!std::isfinite(v))
            ablehnen("Der " + name + "-Wert von Paar " + std::to_string(w.size() + 1) +
                     " ist keine gültige endliche Zahl.");
        w.push_back(v);
    }
    return w;
}

// The same rules a data file's pairs and title follow.
Reihe reiheAus(DateiArt art, const py::handle& x, const py::handle& y, const std::string& titel) {
    const std::string yName = art == DateiArt::Prognose ? "K" : "Y";
    const std::vector<double> xs = werte(x, "X"), ys = werte(y, yName);
    if (xs.size() != ys.size())
        ablehnen("Ungleich viele Werte: " + std::to_string(xs.size()) + " X-Werte und " +
                 std::to_string(ys.size()) + " " + yName + "-Werte.");
    if (xs.size() < 4) ablehnen(meldungMinPaare().text);
    if (xs.size() > 21) ablehnen(meldungMaxAnzahl().text);
    Reihe r;
    r.art = art;
    r.daten =
        datensatzAus(ersteZeichen(cp1252NachUtf8(utf8NachCp1252(titel)), maxTitelZeichen), xs, ys);
    return r;
}

// The report without the "file" key: there is no file.
Json rechnen(const Reihe& r) {
    Json j = bericht::alsJsonWert(bericht::berichtErstellen("", r.art, r.daten, {}), "");
    j.erase("file");
    return j;
}

Json fehlerJson(const Fehler& f) {
    return {{"code", f.code}, {"text", meldungstext(f)}};
}

py::object alsPython(const Json& j) {
    switch (j.type()) {
    case Json::value_t::object: {
        py::dict d;
        for (auto it = j.begin(); it != j.end(); ++it) d[py::str(it.key())] = alsPython(*it);
        return d;
    }
    case Json::value_t::array: {
        py::list l;
        for (const Json& e : j) l.append(alsPython(e));
        return l;
    }
    case Json::value_t::string:
        return py::str(j.get_ref<const std::string&>());
    case Json::value_t::boolean:
        return py::bool_(j.get<bool>());
    case Json::value_t::number_integer:
        return py::int_(j.get<std::int64_t>());
    case Json::value_t::number_unsigned:
        return py::int_(j.get<std::uint64_t>());
    case Json::value_t::number_float: { // as the JSON text has it: null when not finite
        const double v = j.get<double>();
        return std::isfinite(v) ? py::object(py::float_(v)) : py::none();
    }
    default:
        return py::none();
    }
}

py::object einzeln(DateiArt art, const py::handle& x, const py::handle& y,
                   const std::string& titel) {
    try {
        const Reihe r = reiheAus(art, x, y, titel);
        Json j;
        {
            py::gil_scoped_release frei;
            j = rechnen(r);
        }
        return alsPython(j);
    } catch (const Eingabefehler& e) {
        throw py::value_error(e.fehler.beschreibung);
    } catch (const Fehler& f) {
        throw py::value_error(meldungstext(f));
    }
}

int verfuegbareKerne() {
    cpu_set_t menge;
    if (sched_getaffinity(0, sizeof menge, &menge) == 0) return std::max(1, CPU_COUNT(&menge));
    return static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
}

std::string modusText(const py::handle& wert) {
    return py::isinstance<py::str>(wert) ? wert.cast<std::string>() : std::string(py::str(wert));
}

// One entry of fit_many's input; a series that cannot be used keeps its error.
std::variant<Reihe, Fehler> auftrag(const py::handle& eintrag) {
    try {
        if (!py::isinstance<py::dict>(eintrag))
            ablehnen("Eine Reihe muss ein dict mit \"id\", \"mode\", \"x\" und \"y\" sein.");
        const auto d = py::reinterpret_borrow<py::dict>(eintrag);
        DateiArt art = DateiArt::Regression;
        if (d.contains("mode")) {
            const std::string modus = modusText(d["mode"]);
            if (modus == "prognose")
                art = DateiArt::Prognose;
            else if (modus != "regression")
                ablehnen("Unbekannter Modus \"" + modus +
                         "\": erwartet wird \"regression\" oder \"prognose\".");
        }
        for (const char* feld : {"x", "y"})
            if (!d.contains(feld))
                ablehnen(std::string("Der Reihe fehlt das Feld \"") + feld + "\".");
        const std::string titel = d.contains("title") ? std::string(py::str(d["title"])) : "";
        return reiheAus(art, d["x"], d["y"], titel);
    } catch (const Eingabefehler& e) {
        return e.fehler;
    }
}

struct Auftraege {
    std::vector<py::object> ids;
    std::vector<std::variant<Reihe, Fehler>> reihen;
};

Auftraege einlesen(const py::iterable& reihen) {
    Auftraege a;
    for (const py::handle eintrag : reihen) {
        a.ids.push_back(py::isinstance<py::dict>(eintrag) &&
                                py::reinterpret_borrow<py::dict>(eintrag).contains("id")
                            ? py::reinterpret_borrow<py::object>(eintrag["id"])
                            : py::none());
        a.reihen.push_back(auftrag(eintrag));
    }
    return a;
}

// Runs `ausgabe(i, report or error)` for every series on `threads` threads without the GIL.
template <class F> void parallel(const Auftraege& a, std::optional<int> threads, F ausgabe) {
    const int faeden = threads.value_or(verfuegbareKerne());
    if (faeden < 1) throw py::value_error("Die Anzahl der Threads muss mindestens 1 sein.");
    const std::size_t n = a.reihen.size();
    py::gil_scoped_release frei;
    std::atomic<std::size_t> naechste{0};
    const auto arbeiten = [&] {
        for (std::size_t i; (i = naechste++) < n;) {
            Json e;
            if (const auto* f = std::get_if<Fehler>(&a.reihen[i])) {
                e = {{"error", fehlerJson(*f)}};
            } else {
                try {
                    e = rechnen(std::get<Reihe>(a.reihen[i]));
                } catch (const Fehler& f) {
                    e = {{"error", fehlerJson(f)}};
                } catch (const std::exception& x) {
                    e = {{"error", fehlerJson(Fehler(fehlercode::Anwendungsfehler, "Berechnung",
                                                     x.what()))}};
                }
            }
            ausgabe(i, std::move(e));
        }
    };
    std::vector<std::jthread> arbeiter;
    for (std::size_t k = 1; k < std::min<std::size_t>(n, static_cast<std::size_t>(faeden)); ++k)
        arbeiter.emplace_back(arbeiten);
    arbeiten(); // the calling thread works too
}

py::list fitMany(const py::iterable& reihen, std::optional<int> threads) {
    const Auftraege a = einlesen(reihen);
    std::vector<Json> ergebnisse(a.ids.size());
    parallel(a, threads, [&](std::size_t i, Json e) { ergebnisse[i] = std::move(e); });
    py::list aus;
    for (std::size_t i = 0; i < ergebnisse.size(); ++i) {
        py::dict d;
        d["id"] = a.ids[i];
        for (auto [k, v] : alsPython(ergebnisse[i]).cast<py::dict>()) d[k] = v;
        aus.append(std::move(d));
    }
    return aus;
}

// The named columns of one result row: the decisive curve (of the Summenwerte case for a
// prognosis), "ls_P" and "ci95_P_lower"/"_upper" from its least-squares fit, "error_code"
// and "error_text"; null where the report has nothing.
std::vector<Json> zeile(const Json& e, bool prognose, const std::vector<std::string>& spalten) {
    std::vector<Json> z(spalten.size());
    const auto setzen = [&](const std::string& name, const Json& wert) {
        for (std::size_t k = 0; k < spalten.size(); ++k)
            if (spalten[k] == name) z[k] = wert;
    };
    if (e.contains("error")) {
        setzen("error_code", e["error"]["code"]);
        setzen("error_text", e["error"]["text"]);
        return z;
    }
    const Json& fall = prognose ? e["cases"]["summenwerte"] : e;
    const Json& d = fall["decisive"];
    if (d.is_null()) return z;
    const char* schluessel = prognose ? "type" : "code";
    setzen(prognose ? "type" : "model", d[schluessel]);
    for (auto it = d.begin(); it != d.end(); ++it) setzen(it.key(), *it);
    for (const Json& k : fall[prognose ? "types" : "models"]) {
        if (k[schluessel] != d[schluessel] || k["least_squares"].is_null()) continue;
        const Json& kq = k["least_squares"];
        for (const char* p : {"A", "B", "K"}) {
            if (!kq.contains(p)) continue;
            setzen(std::string("ls_") + p, kq[p]);
            const Json& ci = kq[std::string("ci95_") + p];
            if (!ci.is_array()) continue;
            setzen(std::string("ci95_") + p + "_lower", ci[0]);
            setzen(std::string("ci95_") + p + "_upper", ci[1]);
        }
    }
    return z;
}

// fit_frame's rows as tuples in the order of `spalten`, without building whole reports
// in Python.
py::list zeilen(const py::iterable& reihen, const std::vector<std::string>& spalten, bool prognose,
                std::optional<int> threads) {
    const Auftraege a = einlesen(reihen);
    std::vector<std::vector<Json>> z(a.ids.size());
    parallel(a, threads, [&](std::size_t i, Json e) { z[i] = zeile(e, prognose, spalten); });
    py::list aus;
    for (std::size_t i = 0; i < z.size(); ++i) {
        py::tuple t(spalten.size());
        for (std::size_t k = 0; k < spalten.size(); ++k)
            t[k] = spalten[k] == "id" ? a.ids[i] : alsPython(z[i][k]);
        aus.append(std::move(t));
    }
    return aus;
}

} // namespace

} // namespace tk::python

PYBIND11_MODULE(_kern, m) {
    using namespace tk;
    m.doc() = "Trendkurven an kurze Reihen von Wertepaaren anpassen";
    m.def(
        "fit_regression",
        [](const py::handle& x, const py::handle& y, const std::string& title) {
            return python::einzeln(DateiArt::Regression, x, y, title);
        },
        py::arg("x"), py::arg("y"), py::arg("title") = "",
        "Regression of 4 to 21 pairs; the command line's JSON report as a dict.");
    m.def(
        "fit_prognosis",
        [](const py::handle& x, const py::handle& k, const std::string& title) {
            return python::einzeln(DateiArt::Prognose, x, k, title);
        },
        py::arg("x"), py::arg("k"), py::arg("title") = "",
        "Prognosis of 4 to 21 pairs; the command line's JSON report as a dict.");
    m.def("fit_many", &python::fitMany, py::arg("series"), py::arg("threads") = py::none(),
          "Fits dicts {id, mode, x, y} on several threads without the GIL; results in input "
          "order, {id, error: {code, text}} for a series that cannot be used.");
    m.def("_zeilen", &python::zeilen, py::arg("series"), py::arg("columns"), py::arg("prognosis"),
          py::arg("threads") = py::none());
    m.def("available_cpus", &python::verfuegbareKerne,
          "CPUs this process may run on (its affinity).");
}
