#pragma once
// The program-wide exit confirmation.

#include "app/Dialoge.h"

namespace tk {

// Asks " Wollen Sie wirklich abbrechen (beenden) ??"; true when the program must end.
bool EndeAbfrage(Dialoge& dialoge);

} // namespace tk
