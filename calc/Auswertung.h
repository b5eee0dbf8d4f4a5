#pragma once
// Evaluation and inversion of the decisive fit, confidence limits, axis positions,
// inflection points and densities. Guarded operations return nullopt where a value
// cannot be computed; unguarded ones throw Fehler.

#include "calc/Zustand.h"

#include <optional>
#include <string>
#include <vector>

namespace tk {

// ---- regression (guarded)
std::optional<double> WertYQ(const Programmzustand& z, double Xi);
std::optional<double> WertXQ(const Programmzustand& z, double Yi);
std::string FYQ(int modellNr);

// Positions 0..1 on the regression chart's linearising axes. `StreckeX` records the
// indices of the points at XMin and XMax.
struct IndexXMinMax {
    int IndexXMin = 0;
    int IndexXMax = 0;
};
std::optional<double> StreckeX(const Programmzustand& z, int i, double F, IndexXMinMax& idx);
std::optional<double> StreckeY(const Programmzustand& z, int i, double F, double Yo, double Yu);

// ---- prognosis (unguarded: throw Fehler)
double WertKi(const Programmzustand& z, double X);
double WertXI(const Programmzustand& z, double s);
double KGrenz1(const Programmzustand& z, double K);
double KGrenz2(const Programmzustand& z, double K);
double StreckeXI(const Programmzustand& z, double X);
std::optional<double> StreckeYI(const Programmzustand& z, double K); // guarded
void GibS(int i, double& s);

// K(dx) between the horizons X(i) and X(i+d), with its 95 % limits: beyond the last
// observed horizon the differences of the limits, inside it K(dx) itself.
struct Bandwerte {
    double Kdx = 0, KdxG1 = 0, KdxG2 = 0;
};
Bandwerte bandwerte(const Programmzustand& z, double Xi, double Xid);

// Inflection points of the density (throw for A <= 0 with types 1 and 3).
double WendepunktX1(const Programmzustand& z);
double WendepunktX2(const Programmzustand& z);
inline double GeradeY(double m, double x, double b) {
    return m * x + b;
}

// Density of the normalised cumulative curve at x (guarded).
std::optional<double> PhiWert(const Programmzustand& z, double x);

// Top of the density chart's ordinate for a density maximum.
double OrdinatenTop(double phiMax);
// The automatic top of the density chart: the density's maximum (at Xs) rounded up.
double DichteOben(const Programmzustand& z);

// Ascending bubble sort of a 1..n array (element 0 unused); equal neighbours stay.
void SortBubble(std::vector<double>& werte, int n);

// Characteristic values of the decisive prognosis curve for the reports, each computed
// on its own: a value that cannot be computed stays empty and the others are still given.
struct Kennzahlen {
    std::optional<double> X1, X99, X50, Ks, Xwp1, Xwp2, KMaxUnten, KMaxOben, phiXs, T;
};
Kennzahlen kennzahlen(const Programmzustand& z);

} // namespace tk
