#pragma once
// Many series in one input: JSON Lines, one series a line
// ({"id": …, "mode": "regression"|"prognose", "x": […], "y": […], "title": …}), computed
// block by block on all workers and answered line by line in input order, so that memory
// stays bounded by the block however long the input is.

#include "cli/Optionen.h"

#include <cstddef>
#include <istream>
#include <ostream>

namespace tk::cli {

// The exit status as for files (0, 1, 2, or 3 when the output cannot be written).
int serienRechnen(const Optionen& opt, std::size_t arbeiter, std::istream& standard,
                  std::ostream& aus, std::ostream& fehler);

} // namespace tk::cli
