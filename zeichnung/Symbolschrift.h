#pragma once
// The charts and the printout were laid out for a Symbol font in which Latin letters
// stand for Greek ones. Fonts named "Symbol" no longer carry that encoding, so such
// texts are translated into Unicode and drawn in a font that has Greek letters.

#include <QString>

namespace tk {

// Latin letters and the summation code 229 of the Symbol encoding as Unicode text.
QString symbolAlsUnicode(const QString& text);

// True for the font name that selects the translation above.
bool istSymbolschrift(const QString& name);

} // namespace tk
