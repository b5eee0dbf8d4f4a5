#pragma once
// State of one showing of the chart window: what the user chose (view, query band,
// stored queries, density limit). The chart routines only read it; the query panel and
// the window change it.

#include "calc/Auswertung.h"

#include <array>
#include <optional>
#include <utility>
#include <vector>

namespace tk {

struct GrafikZustand {
    bool DruckModus = false;
    bool NumerierungEin = true;
    double Xi = 0, Yi = 0;

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

    // density chart ordinate: a chosen top, or else the automatic one (DichteOben)
    bool GrenzwertFest = false;
    double PhiGrenze = 0;

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
