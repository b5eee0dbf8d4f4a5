#include "bench/Daten.h"

#include <benchmark/benchmark.h>

namespace {

// The nine fits and the choice of the decisive model.
void BM_MassgR_21Paare(benchmark::State& state) {
    tk::Programmzustand z = tk::bench::regressionsDaten();
    for (auto _ : state) {
        const auto erg = tk::MassgR(z);
        benchmark::DoNotOptimize(erg.modellNr);
    }
}
BENCHMARK(BM_MassgR_21Paare);

} // namespace
