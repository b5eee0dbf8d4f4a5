#pragma once
// Single-value checks that tell the user and report failure through `ergebnis`
// (set to 1 when the message was shown, untouched when the value passed).

#include "app/Dialoge.h"

namespace tk {

void MeldDruckerA4(Dialoge& dialoge, double abweichung, int& ergebnis);

} // namespace tk
