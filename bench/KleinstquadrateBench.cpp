// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench/Daten.h"
#include "calc/KQAnpassung.h"

#include <benchmark/benchmark.h>

namespace {

// Least squares in the data's units for the nine models of 21 pairs, started from
// their linearised fits.
void BM_KleinsteQuadrate_NeunModelle(benchmark::State& state) {
    tk::Programmzustand z = tk::bench::regressionsDaten();
    const auto r = tk::MassgR(z);
    for (auto _ : state) benchmark::DoNotOptimize(tk::kqRegression(z, r));
}
BENCHMARK(BM_KleinsteQuadrate_NeunModelle)->Unit(benchmark::kMillisecond);

// The three curve types of the Summenwerte case with the profile interval of K; arg 0:
// saturation 10 % above the last value, 1: ten times above (a flat, wide profile).
void BM_KleinsteQuadrate_DreiTypenMitProfil(benchmark::State& state) {
    const tk::Programmzustand z =
        state.range(0) == 0 ? tk::bench::logistischBis(100 / 1.1) : tk::bench::gompertzBis(6);
    tk::Programmzustand lauf = z;
    const tk::Summenreihe reihe = tk::Untersuch1(z);
    const auto fall = tk::RegressFaktorP(lauf, reihe);
    for (auto _ : state) benchmark::DoNotOptimize(tk::kqFall(z, reihe, fall));
}
BENCHMARK(BM_KleinsteQuadrate_DreiTypenMitProfil)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
