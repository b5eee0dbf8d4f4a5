#pragma once
// The whole command: arguments in, reports on `aus`, messages on `fehler`.

#include <iosfwd>
#include <string>
#include <vector>

namespace tk::cli {

// Exit status: 0 when every input gave a result, 1 when one could not be computed
// decisively, 2 for an unusable command line, input or query value. Several inputs
// are computed in parallel and reported in the order given; `eingabe` is read for
// the input "-".
int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler,
               std::istream& eingabe);

} // namespace tk::cli
