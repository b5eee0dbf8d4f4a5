#pragma once
// State of one showing of the chart window, shared by the chart routines, the
// query panel and the printout.

#include "Auswertung.h"

#include <QString>
#include <array>
#include <vector>

namespace tk {

struct GrafikZustand {
    bool DruckModus = false;
    bool NumerierungEin = true;
    double RandLinks = 0;
    double Xi = 0, Yi = 0;
    std::vector<double> BetragX, BetragY; // 1..n
    IndexXMinMax indexXMinMax;

    // stored queries
    int AnzAbfragen = 0;
    std::array<double, 22> AbfrageX{};
    std::array<double, 22> AbfrageY{};
    std::array<double, 11> AbfrageS{};

    // density chart ordinate
    bool GrenzwertFest = false;
    double PhiGrenze = 0;

    // Result captions that the chart routines write for the query panel
    // (Label3 indices: 6 and 8 on the Summenwerte chart; 4, 13, 15 on the
    // Einzelwerte chart). Empty = not written.
    std::array<QString, 19> Label3;

    void initialisieren() { *this = GrafikZustand{}; }
};

} // namespace tk
