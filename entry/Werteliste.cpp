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

void ListZeileLoesch(Dialoge& dialoge, Programmzustand& z, int k, int& c, Antwort& antwort) {
    if (antwort != Antwort::Ja) {
        antwort = dialoge.meldung(QStringLiteral("Wollen Sie diese Zeile wirklich löschen ??"),
                                  QStringLiteral("Achtung !!"), Knoepfe::JaNein, Symbol::Frage);
        if (antwort != Antwort::Ja) return;
    }
    for (int j = k; j < c; ++j) {
        z.EingabeX(j) = z.EingabeX(j + 1);
        z.EingabeY(j) = z.EingabeY(j + 1);
    }
    --c;
}

} // namespace tk
