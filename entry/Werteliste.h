#pragma once
// Texts of the value list and of the pair fields.

#include <QString>

namespace tk {

// One list line: blank, pair number in 3 columns, X in 17, Y in 18 columns.
QString listenZeile(int j, double x, double y);
// The count as the count field shows it: sign position, no trailing blank (" 5").
QString anzahlText(int n);
// A value put back into a field for correction: the plain general form when
// 1E-07 < |v| < 1000000, else "0.0000000E+00".
QString korrekturText(double v);

} // namespace tk
