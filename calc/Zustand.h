#pragma once
// The program-wide state shared by the windows: mode, data set, title, file name,
// the decisive fit and the extremes. One object, created by main and handed on.

#include <optional>
#include <string>
#include <vector>

namespace tk {

// A Double array indexed 1..n as the program counts; element 0 exists but is unused.
class Reihe1 {
public:
    Reihe1() : werte_(1, 0.0) {}
    int groesse() const { return static_cast<int>(werte_.size()) - 1; }
    // Re-dimension to 1..n; `behalten` keeps the old contents where they fit.
    void redim(int n, bool behalten = true);
    double& operator()(int i) { return werte_.at(static_cast<std::size_t>(i)); }
    double operator()(int i) const { return werte_.at(static_cast<std::size_t>(i)); }

private:
    std::vector<double> werte_;
};

struct Programmzustand {
    // mode and data set
    bool ModusPrognostik = false;
    int AnzPaare = 0;
    bool AnzahlOK = false;
    Reihe1 EingabeX, EingabeY; // as entered (adjusted by Zusatz)
    Reihe1 XWert, YWert;       // working copies; YWert may be shifted in prognosis mode
    std::string Bezeichnung;   // at most 52 characters
    std::string DateiName;
    int Kennzahl = 0;

    // extremes of the working arrays
    double XMin = 0, XMax = 0, YMin = 0, YMax = 0;

    // decisive fit
    int ModellNr = 0;
    double RMax = 0;
    double KorrR = 0, KonstA = 0, KoeffB = 0;
    double KMax = 0, WertXs = 0;
    int KurvenTyp = 0;
    std::optional<double> R2Daten; // R² of the decisive curve in the data's units

    // chart window
    int GrafikFall = 1;

    // Re-dimensions the four pair arrays together to 1..n.
    void redimPaare(int n, bool behalten = true);
    // Copies EingabeX/Y into XWert/YWert for 1..AnzPaare.
    void WerteZuweisung();
    // Start window's initialisation.
    void initialisierenStart();
    // Input window's initialisation.
    void initialisierenEingabe();
    // Clears the decisive-fit results (A, B, r, KMax, Xs, type).
    void ergebnisLoeschen();
    // Takes the decisive-fit results of a run on a copy of this state.
    void fitUebernehmen(const Programmzustand& lauf);
};

} // namespace tk
