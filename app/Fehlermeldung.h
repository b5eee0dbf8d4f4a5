#pragma once
// ZeigFehler: the one place where run-time errors become a German message box.

#include "Dialoge.h"
#include "Fehler.h"

namespace tk {

// Shows the message of the error record (nothing for code 0 and for a cancelled
// file dialog). Returns the answer, so that a file access can be retried after
// "Wiederholen"; never throws.
Antwort ZeigFehler(Dialoge& dialoge, const Fehler& fehler);

} // namespace tk
