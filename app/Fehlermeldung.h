#pragma once
// ZeigFehler: the one place where run-time errors become a German message box.

#include "app/Dialoge.h"
#include "calc/Fehler.h"

#include <functional>

namespace tk {

// Shows the message of the error record (nothing for code 0 and for a cancelled
// file dialog). Returns the answer, so that a file access can be retried after
// "Wiederholen"; never throws.
Antwort ZeigFehler(Dialoge& dialoge, const Fehler& fehler);

// Runs a window handler and reports what it throws: an error record as it is, any
// other exception as an unexpected error of `quelle`. Returns false when it failed;
// `melden` false keeps the failure silent (a repeated redraw, say).
bool geschuetztAusfuehren(Dialoge& dialoge, const char* quelle,
                          const std::function<void()>& handler, bool melden = true);

} // namespace tk
