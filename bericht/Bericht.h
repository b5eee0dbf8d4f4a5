#pragma once
// The whole calculation of one data file without windows, collected for the
// table and the JSON output.

#include "bericht/Abfragewunsch.h"
#include "calc/Auswertung.h"
#include "calc/KQAnpassung.h"
#include "calc/Prognose.h"
#include "calc/Regression.h"
#include "datafile/Datei.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace tk::bericht {

// A query value the query panel would refuse; the text is the panel's own warning.
struct Abfragefehler : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct FallBericht {
    FallErgebnis ergebnis;
    std::optional<Kennzahlen> kennzahlen; // set when the case has a decisive curve
    KQTypen kq;                           // least squares in the data's units, per type
};

// One query, as the query panel computes it from one field.
struct Abfrage {
    std::string art;     // "x", "y", "prozent" or "k"
    std::string eingabe; // the value as given
    std::optional<double> X, Y, prozent, K, KUnten, KOben;
    bool extrapolation = false;   // the answer's X lies outside the data
    std::optional<Fehler> fehler; // a prognosis query stops at its first failure
    // Y (or K) of the decisive least-squares curve at the answer's X, with its intervals.
    std::optional<KQBand> band;
};

struct Bericht {
    std::string pfad;
    bool prognose = false;
    std::string titel;
    int n = 0;

    RegressionsErgebnis regression;
    KQModelle kq; // least squares in the data's units, per model

    double verschiebung = 0;
    FallBericht summenwerte, einzelwerte;

    bool abfrageGewuenscht = false;
    std::vector<Abfrage> abfragen;
    std::string abfrageUnmoeglich; // why no query could be answered, else empty

    // Errors reported while fitting, in order, with what was being fitted.
    struct Meldung {
        std::string wobei;
        Fehler fehler;
    };
    std::vector<Meldung> meldungen;

    bool hatErgebnis() const;
};

// Runs the calculation of the file's mode on the data set. Throws Abfragefehler for
// a query value outside what the query panel accepts.
Bericht berichtErstellen(const std::string& pfad, DateiArt art, const Datensatz& daten,
                         const Abfragewunsch& optionen);

// The report of a run made elsewhere (the windows' last run) on the state it ran on,
// without queries.
Bericht berichtAusLauf(const Programmzustand& daten, const RegressionsErgebnis& regression,
                       const FallErgebnis& summenwerte, const FallErgebnis& einzelwerte);

} // namespace tk::bericht
