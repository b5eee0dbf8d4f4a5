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
    r.daten.Bezeichnung = ersteZeichen(cp1252NachUtf8(utf8NachCp1252(titel)), maxTitelZeichen);
    r.daten.AnzPaare = static_cast<int>(xs.size());
    r.daten.X = {0};
    r.daten.Y = {0};
    r.daten.X.insert(r.daten.X.end(), xs.begin(), xs.end());
    r.daten.Y.insert(r.daten.Y.end(), ys.begin(), ys.end());
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

py::list fitMany(const py::iterable& reihen, std::optional<int> threads) {
    const int faeden = threads.value_or(verfuegbareKerne());
    if (faeden < 1) throw py::value_error("Die Anzahl der Threads muss mindestens 1 sein.");
    std::vector<py::object> ids;
    std::vector<std::variant<Reihe, Fehler>> auftraege;
    for (const py::handle eintrag : reihen) {
        ids.push_back(py::isinstance<py::dict>(eintrag) &&
                              py::reinterpret_borrow<py::dict>(eintrag).contains("id")
                          ? py::reinterpret_borrow<py::object>(eintrag["id"])
                          : py::none());
        auftraege.push_back(auftrag(eintrag));
    }
    const std::size_t n = auftraege.size();
    std::vector<Json> ergebnisse(n);
    {
        py::gil_scoped_release frei;
        std::atomic<std::size_t> naechste{0};
        const auto arbeiten = [&] {
            for (std::size_t i; (i = naechste++) < n;) {
                Json& e = ergebnisse[i];
                if (const auto* f = std::get_if<Fehler>(&auftraege[i])) {
                    e = {{"error", fehlerJson(*f)}};
                    continue;
                }
                try {
                    e = rechnen(std::get<Reihe>(auftraege[i]));
                } catch (const Fehler& f) {
                    e = {{"error", fehlerJson(f)}};
                } catch (const std::exception& x) {
                    e = {{"error", fehlerJson(Fehler(fehlercode::Anwendungsfehler, "Berechnung",
                                                     x.what()))}};
                }
            }
        };
        std::vector<std::jthread> arbeiter;
        for (std::size_t k = 1; k < std::min<std::size_t>(n, static_cast<std::size_t>(faeden)); ++k)
            arbeiter.emplace_back(arbeiten);
        arbeiten(); // the calling thread works too
    }
    py::list aus;
    for (std::size_t i = 0; i < n; ++i) {
        py::dict d;
        d["id"] = ids[i];
        for (auto [k, v] : alsPython(ergebnisse[i]).cast<py::dict>()) d[k] = v;
        aus.append(std::move(d));
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
    m.def("available_cpus", &python::verfuegbareKerne,
          "CPUs this process may run on (its affinity).");
}
