#pragma once
// The whole command: arguments in, report on `aus`, messages on `fehler`.

#include <iosfwd>
#include <string>
#include <vector>

namespace tk::cli {

// Exit status: 0 with a result, 1 when nothing decisive could be computed, 2 for an
// unusable command line, file or query value.
int ausfuehren(const std::vector<std::string>& argumente, std::ostream& aus, std::ostream& fehler);

} // namespace tk::cli
