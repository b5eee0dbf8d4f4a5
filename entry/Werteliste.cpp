#include "entry/Werteliste.h"

#include "calc/Format.h"

#include <cmath>

namespace tk {

QString listenZeile(int j, double x, double y) {
    const std::string zeile = " " + DruckFormat(12, j) + rechtsbuendig(formatWert(x), 17) +
                              rechtsbuendig(formatWert(y), 18);
    return QString::fromStdString(zeile);
}

QString anzahlText(int n) {
    std::string t = listenForm(n);
    while (!t.empty() && t.back() == ' ') t.pop_back();
    return QString::fromStdString(t);
}

QString korrekturText(double v) {
    const double a = std::fabs(v);
    if (a > 1e-7 && a < 1e6) return QString::fromStdString(allgemein(v));
    return QString::fromStdString(formatExp(v, 7));
}

} // namespace tk
