#pragma once
// The residuals Y - Ŷ of a fitted regression model over X, in the data's own units,
// and their plot on any output surface.

#include "Ausgabe.h"
#include "Zustand.h"

#include <vector>

namespace tk {

struct Residuum {
    int nr = 0; // pair number
    double x = 0, y = 0, yDach = 0;
    double rest() const { return y - yDach; }
};

// The residuals of the pairs 1..AnzPaare under model `code` with A and B; a pair where
// the model is undefined is left out.
std::vector<Residuum> residuen(const Programmzustand& z, int code, double A, double B);

// Frame, zero line, scales with nice ticks, axis titles and one circle per residual,
// filling the whole surface.
void zeichneResiduen(Ausgabe& a, const std::vector<Residuum>& r);

} // namespace tk
