// SPDX-License-Identifier: GPL-3.0-or-later
#include "KQAnpassung.h"

#include "Modelle.h"

namespace tk {

KQModelle kqRegression(const Programmzustand& z, const RegressionsErgebnis& r) {
    std::vector<double> x, y;
    for (int i = 1; i <= z.AnzPaare; ++i) {
        x.push_back(z.EingabeX(i));
        y.push_back(z.EingabeY(i));
    }
    KQModelle kq;
    for (std::size_t k = 0; k < r.modelle.size(); ++k) {
        const ModellFit& m = r.modelle[k];
        if (m.ok && !m.ohneA) kq[k] = kqMitIntervallen(modellKurve(m.code), x, y, {m.A, m.B, 0});
    }
    return kq;
}

KQTypen kqFall(const Programmzustand& z, const Summenreihe& reihe, const FallErgebnis& f) {
    std::vector<double> x, w;
    for (int i = 1; i <= z.AnzPaare; ++i) {
        x.push_back(z.XWert(i));
        w.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    }
    KQTypen kq;
    for (std::size_t k = 0; k < f.typen.size(); ++k) {
        const TypFit& t = f.typen[k];
        if (t.ok) kq[k] = kqMitIntervallen(typKurve(t.typ), x, w, {t.K, t.A, t.B});
    }
    return kq;
}

std::optional<KQEntscheidend> kqEntscheidend(const Programmzustand& z) {
    std::vector<double> x, y;
    if (!z.ModusPrognostik) {
        if (!modell(z.ModellNr)) return std::nullopt;
        for (int i = 1; i <= z.AnzPaare; ++i) {
            x.push_back(z.EingabeX(i));
            y.push_back(z.EingabeY(i));
        }
        KQKurve k = modellKurve(z.ModellNr);
        KQErgebnis e = kleinsteQuadrate(k, x, y, {z.KonstA, z.KoeffB, 0});
        return KQEntscheidend{std::move(k), std::move(e)};
    }
    if (z.KurvenTyp != 1 && z.KurvenTyp != 3 && z.KurvenTyp != 5) return std::nullopt;
    const Summenreihe reihe = z.GrafikFall == 1 ? Untersuch1(z) : Untersuch2(z);
    for (int i = 1; i <= z.AnzPaare; ++i) {
        x.push_back(z.XWert(i));
        y.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    }
    KQKurve k = typKurve(z.KurvenTyp);
    KQErgebnis e = kleinsteQuadrate(k, x, y, {z.KMax, z.KonstA, z.KoeffB});
    return KQEntscheidend{std::move(k), std::move(e)};
}

} // namespace tk
