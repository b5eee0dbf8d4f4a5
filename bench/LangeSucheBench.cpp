#include "calc/Prognose.h"
#include "calc/Rechenlauf.h"
#include "datafile/Datei.h"

#include <benchmark/benchmark.h>

namespace {

// 21 pairs of e^(x^1.5): the type-1 search of each case ends about 100 times above the
// base, after some 2.1 million levels.
tk::Programmzustand langeSuche() {
    tk::Programmzustand z;
    z.ModusPrognostik = true;
    z.initialisierenEingabe();
    tk::uebernehmen(z, tk::laden(TK_BENCH_DATEN "/wachstum-100fach.pro"));
    tk::MaxMinWert(z, z.AnzPaare);
    return z;
}

long schritte(const tk::FallErgebnis& e) {
    long n = 0;
    for (const auto& t : e.typen) n += t.iterationen;
    return n;
}

// The three searches of the Summenwerte case; the counter gives the CPU time per pair
// and level tried.
void BM_LangeSuche(benchmark::State& state) {
    tk::Programmzustand z = langeSuche();
    long punktSchritte = 0;
    double kmaxZuBasis = 0;
    for (auto _ : state) {
        const tk::Summenreihe reihe = tk::Untersuch1(z);
        const tk::FallErgebnis e = tk::RegressFaktorP(z, reihe);
        punktSchritte = schritte(e) * z.AnzPaare;
        kmaxZuBasis = e.typen[0].K / reihe.KBasis;
    }
    state.counters["KMax1/KBasis"] = kmaxZuBasis;
    // shown in seconds with an SI prefix: "12.9n" is 12.9 ns
    state.counters["Zeit/Punkt+Schritt"] = benchmark::Counter(
        static_cast<double>(punktSchritte),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_LangeSuche)->Unit(benchmark::kMillisecond);

// Both cases as the calculation run does them: one after the other (0) or at the same
// time (1). Compare the real times.
void BM_Rechenlauf(benchmark::State& state) {
    const tk::Programmzustand z = langeSuche();
    const bool gleichzeitig = state.range(0) != 0;
    for (auto _ : state) {
        const tk::Laufergebnis lauf = tk::rechenlauf(z, {}, gleichzeitig);
        benchmark::DoNotOptimize(lauf.einzelwerte.KMax);
    }
}
BENCHMARK(BM_Rechenlauf)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
