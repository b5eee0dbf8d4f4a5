#include "bench/Daten.h"

#include <benchmark/benchmark.h>

namespace {

// Both cases with their three saturation searches, as the calculation run does them.
// Counters: levels tried in all six searches, and the Summenwerte case's decisive
// type and its level relative to the base.
void prognoseLauf(benchmark::State& state, tk::Programmzustand z) {
    long iterationen = 0;
    double kmaxZuBasis = 0;
    int typ = 0;
    for (auto _ : state) {
        const tk::Summenreihe summen = tk::Untersuch1(z);
        const auto s = tk::RegressFaktorP(z, summen);
        const auto e = tk::RegressFaktorP(z, tk::Untersuch2(z));
        iterationen = 0;
        for (const auto* fall : {&s, &e})
            for (const auto& fit : fall->typen) iterationen += fit.iterationen;
        typ = s.typ;
        kmaxZuBasis = s.KMax / summen.KBasis;
        benchmark::DoNotOptimize(e.KMax);
    }
    state.counters["iterationen"] = static_cast<double>(iterationen);
    state.counters["KMax/KBasis"] = kmaxZuBasis;
    state.counters["Typ"] = typ;
}

// Best level 10 % above the base: logistic values up to 100/1.1.
void BM_Prognose_Niveau1_1fach(benchmark::State& state) {
    prognoseLauf(state, tk::bench::logistischBis(100 / 1.1));
}
BENCHMARK(BM_Prognose_Niveau1_1fach)->Unit(benchmark::kMillisecond);

// Best level ten times the base: Gompertz values up to 6 (the flat optimum stops the
// search about 10 times above the last value).
void BM_Prognose_Niveau10fach(benchmark::State& state) {
    prognoseLauf(state, tk::bench::gompertzBis(6));
}
BENCHMARK(BM_Prognose_Niveau10fach)->Unit(benchmark::kMillisecond);

// Both cases of the first 100 generated data sets of many shapes (bench/Daten.h), with the
// pairwise search step (0) or the bundled one (1); the counter is the CPU time per data set.
void BM_Prognose_Reihen(benchmark::State& state) {
    std::vector<tk::Programmzustand> saetze;
    for (int i = 0; i < 100; ++i) saetze.push_back(tk::bench::prognoseReihe(i));
    const auto schritt = state.range(0) ? tk::Suchschritt::Gebuendelt : tk::Suchschritt::Paarweise;
    for (auto _ : state)
        for (const auto& z : saetze)
            for (const auto& reihe : {tk::Untersuch1(z), tk::Untersuch2(z)})
                benchmark::DoNotOptimize(tk::fallAnpassen(z, reihe, {}, {}, schritt).KMax);
    state.counters["Zeit/Reihe"] = benchmark::Counter(
        static_cast<double>(saetze.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Prognose_Reihen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
