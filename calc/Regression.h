#pragma once
// The nine regression models, fitted by least squares on linearised axes.

#include "calc/Fehler.h"
#include "calc/Zustand.h"

#include <array>
#include <functional>
#include <optional>

namespace tk {

inline constexpr std::array<int, 9> ModellCodes = {1, 2, 5, 7, 8, 9, 10, 11, 12};

bool istDoppeltLogarithmisch(int modell); // 5, 8, 10, 11, 12
// A double-logarithmic model competes only when no pair has a negative X or Y.
bool istZulaessig(const Programmzustand& z, int modell);

// One model's fit. `ok` false means the fit ended early; `fehler` then says why.
// `ohneA`: r and B were computed, but A = e^a overflowed (fehler holds code 6); such a
// model is reported and stays out of the choice.
struct ModellFit {
    int code = 0;
    bool ok = false;
    bool ohneA = false;
    double r = 0, A = 0, B = 0;    // A back-transformed (e^a) for codes 7..12
    bool zulaessig = true;         // admissible for the choice of the decisive model
    std::optional<double> r2Daten; // R² in the data's units; unset where undefined
    bool beschreibt = false;       // R² defined and not below 0
    std::optional<Fehler> fehler;
};

// Fits one model on EingabeX/EingabeY (1..AnzPaare). Throws Fehler on arithmetic
// failure (including the negative radicand, flagged wurzelNegativ), except for the
// overflow of A, which comes back as `ohneA`.
ModellFit RegressFaktorR(const Programmzustand& z, int modell);

struct RegressionsErgebnis {
    std::array<ModellFit, 9> modelle; // in code order
    int modellNr = 0;                 // 0: no model succeeded
    double rMax = 0;
    std::optional<double> r2Daten; // of the decisive model
};

// The decisive model among fits in code order: the largest |r| among the models that
// were fitted, are admissible and describe the data; on equal |r| the lower code.
// Returns its index, or -1 when there is none.
int waehleModell(const std::array<ModellFit, 9>& fits);

// Reports one error to the user (the windows show a message box, the CLI prints).
using FehlerMelder = std::function<void(const Fehler&)>;

// Fits all nine models on the state's pairs and chooses the decisive one (largest |r|
// among the models that describe the data, earlier code wins ties, a double-logarithmic
// model only when no pair is negative). Writes nothing: each failing fit is reported
// through `melden` and drops out of the choice.
RegressionsErgebnis regressionAnpassen(const Programmzustand& z, const FehlerMelder& melden = {});

// Stores a fit's decisive model in the state: ModellNr, RMax, KorrR, KonstA, KoeffB, R².
void regressionUebernehmen(Programmzustand& z, const RegressionsErgebnis& e);

// Both of the above, as the calculation run does.
RegressionsErgebnis MassgR(Programmzustand& z, const FehlerMelder& melden = {});

// Adjusts pair i so that ln|v| and ln|ln|v|| stay defined: 0 -> 1e-7, +-1 -> +-(1+1e-7).
void Zusatz(Programmzustand& z, int i);
double zusatzWert(double v);

} // namespace tk
