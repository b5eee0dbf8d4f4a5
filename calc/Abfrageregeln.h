#pragma once
// What each query field accepts and answers, without windows: the query panel and
// the command line apply the same rules, so the command line accepts every value the
// program itself writes into a field.

#include "calc/Zustand.h"

#include <optional>
#include <string>
#include <variant>

namespace tk::abfrage {

// A refused value: the warning to show and the value to put back into the field.
struct Hinweis {
    std::string text, titel;
    double ersatz = 0;
};

// True when an estimate at the horizon x is read outside the entered X values, at the
// precision the query fields show.
bool extrapoliert(const Programmzustand& z, double x);
// The same for a stored query of the chart on display: its X (the 100 % point S lies
// at an infinite horizon), or either end X, Y of its band in the density chart.
bool gespeichertExtrapoliert(const Programmzustand& z, double X, double Y, double S);

// Regression: Y for X and X for Y. Both values keep off the singular points 0 and +-1
// of the logarithmic models, as stored pairs do; an undefined estimate is 0.
struct Regressionsantwort {
    double X = 0, Y = 0;
    bool extrapolation = false; // a defined estimate with X outside the data
};
Regressionsantwort regressionFuerX(const Programmzustand& z, double x);
Regressionsantwort regressionFuerY(const Programmzustand& z, double y);

// Summenwerte: horizon X, share in percent and cumulative value K of one point of the
// curve. Evaluation failures throw Fehler.
struct Summenantwort {
    double X = 0, prozent = 0, K = 0;
    bool extrapolation = false; // X outside the data
};
using Summenergebnis = std::variant<Summenantwort, Hinweis>;
Summenergebnis summeFuerX(const Programmzustand& z, double x); // x = 1e10: "unendlich"
Summenergebnis summeFuerProzent(const Programmzustand& z, double p);
Summenergebnis summeFuerK(const Programmzustand& z, double K);

// Einzelwerte: the band X(i) < X(i+d); a refused end is moved next to the other one.
std::optional<Hinweis> bandanfangPruefen(double Xi, double Xid);
std::optional<Hinweis> bandendePruefen(double Xi, double Xid);

// The top of the density axis must be a positive number.
std::optional<Hinweis> grenzwertPruefen(double grenzwert, double bisher);

} // namespace tk::abfrage
