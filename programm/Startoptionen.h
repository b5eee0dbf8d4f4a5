#pragma once
// The command line of the window program, read before Qt starts so that "--help" and a
// refused option need no display.

#include <string>
#include <vector>

namespace tk {

struct Startoptionen {
    enum class Art { Start, Hilfe, Version, Fehler } art = Art::Start;
    std::string datei;   // the data file to open, empty for none
    std::string meldung; // why the command line was refused
};

// The arguments after the program name. Qt's own options (-platform, -style, ...) pass.
Startoptionen startoptionen(const std::vector<std::string>& argumente);

// The short German usage.
std::string aufrufHilfe();

} // namespace tk
