#pragma once
// State of one showing of the chart window, shared by the chart routines, the
// query panel and the printout.

#include "calc/Auswertung.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tk {

struct GrafikZustand {
    bool DruckModus = false;
    bool NumerierungEin = true;
    double RandLinks = 0;
    double Xi = 0, Yi = 0;
    std::vector<double> BetragX, BetragY; // 1..n
    IndexXMinMax indexXMinMax;

    // The chart in the data's own units instead of the linearised one.
    bool Originalmassstab = false;
    // In that view: the least-squares curve with its 95 % bands instead of the fit's own.
    bool KleinsteQuadrate = false;
    // The current query as a point of the curve (X, Y or X, K), as the panel last
    // evaluated it; empty before.
    std::optional<std::pair<double, double>> Abfragepunkt;

    // stored queries
    int AnzAbfragen = 0;
    std::array<double, 22> AbfrageX{};
    std::array<double, 22> AbfrageY{};
    std::array<double, 11> AbfrageS{};

    // density chart ordinate
    bool GrenzwertFest = false;
    double PhiGrenze = 0;

    // Results the chart routines hand to the query panel; empty = not drawn yet.
    struct Ergebnisse {
        // Summenwerte: the 95 % limits of KMax.
        std::optional<double> KMaxGrenze1, KMaxGrenze2;
        // Einzelwerte: K(dx) of the band X(i)..X(i+d) and its 95 % limits.
        std::optional<double> Kdx, KdxG1, KdxG2;
    } ergebnisse;

    void initialisieren() { *this = GrafikZustand{}; }
};

// Switches the print mode for one drawing; the previous mode comes back when the
// scope ends, also when the drawing throws.
class DruckModusBereich {
public:
    DruckModusBereich(GrafikZustand& g, bool druck) : g_(g), vorher_(g.DruckModus) {
        g.DruckModus = druck;
    }
    ~DruckModusBereich() { g_.DruckModus = vorher_; }
    DruckModusBereich(const DruckModusBereich&) = delete;
    DruckModusBereich& operator=(const DruckModusBereich&) = delete;

private:
    GrafikZustand& g_;
    bool vorher_;
};

} // namespace tk
