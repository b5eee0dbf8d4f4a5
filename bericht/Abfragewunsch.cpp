#include "bericht/Abfragewunsch.h"

#include "calc/Zahlregel.h"

namespace tk::bericht {

std::optional<double> zahlAusText(const std::string& text) {
    return zahlAusEingabe(text);
}

} // namespace tk::bericht
