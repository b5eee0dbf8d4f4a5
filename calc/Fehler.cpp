#include "calc/Fehler.h"

namespace tk {

Fehler wurzelFehler(const std::string& quelle) {
    return Fehler(fehlercode::UngueltigesArgument, quelle, "Negativer Radikand", true);
}

} // namespace tk
