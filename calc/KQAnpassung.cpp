// SPDX-License-Identifier: GPL-3.0-or-later
#include "calc/KQAnpassung.h"

#include "calc/Modelle.h"

#include <algorithm>
#include <memory>

namespace tk {

namespace {

struct Reihen {
    std::vector<double> x, y;
};

// The entered pairs, which the regression models are fitted to.
Reihen eingabe(const Programmzustand& z) {
    Reihen r;
    r.x.reserve(static_cast<std::size_t>(z.AnzPaare));
    r.y.reserve(static_cast<std::size_t>(z.AnzPaare));
    for (int i = 1; i <= z.AnzPaare; ++i)
        r.x.push_back(z.EingabeX(i)), r.y.push_back(z.EingabeY(i));
    return r;
}

// The horizons and a case's cumulative values, which the curve types are fitted to.
Reihen summen(const Programmzustand& z, const Summenreihe& reihe) {
    Reihen r;
    for (int i = 1; i <= z.AnzPaare; ++i)
        r.x.push_back(z.XWert(i)), r.y.push_back(reihe.SummenK[static_cast<std::size_t>(i)]);
    return r;
}

} // namespace

KQModelle kqRegression(const Programmzustand& z, const RegressionsErgebnis& r) {
    const Reihen d = eingabe(z);
    // the logarithms of the abscissae once for all nine models
    const auto abszissen = std::make_shared<const std::vector<Abszisse>>(d.x.begin(), d.x.end());
    KQModelle kq;
    for (std::size_t k = 0; k < r.modelle.size(); ++k) {
        const ModellFit& m = r.modelle[k];
        if (m.ok && !m.ohneA)
            kq[k] = kqMitIntervallen(modellKurve(m.code, abszissen), d.x, d.y, {m.A, m.B, 0});
    }
    return kq;
}

KQTypen kqFall(const Programmzustand& z, const Summenreihe& reihe, const FallErgebnis& f) {
    const Reihen d = summen(z, reihe);
    KQTypen kq;
    for (std::size_t k = 0; k < f.typen.size(); ++k) {
        const TypFit& t = f.typen[k];
        if (t.ok) kq[k] = kqMitIntervallen(typKurve(t.typ), d.x, d.y, {t.K, t.A, t.B});
    }
    return kq;
}

std::optional<KQEntscheidend> kqEntscheidend(const Programmzustand& z) {
    if (!z.ModusPrognostik) {
        if (!modell(z.ModellNr)) return std::nullopt;
        const Reihen d = eingabe(z);
        KQKurve k = modellKurve(z.ModellNr);
        KQErgebnis e = kleinsteQuadrate(k, d.x, d.y, {z.KonstA, z.KoeffB, 0});
        return KQEntscheidend{std::move(k), std::move(e)};
    }
    if (std::find(KurvenTypen.begin(), KurvenTypen.end(), z.KurvenTyp) == KurvenTypen.end())
        return std::nullopt;
    const Reihen d = summen(z, z.GrafikFall == 1 ? Untersuch1(z) : Untersuch2(z));
    KQKurve k = typKurve(z.KurvenTyp);
    KQErgebnis e = kleinsteQuadrate(k, d.x, d.y, {z.KMax, z.KonstA, z.KoeffB});
    return KQEntscheidend{std::move(k), std::move(e)};
}

} // namespace tk
