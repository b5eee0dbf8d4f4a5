#include "bench/Daten.h"

#include "datafile/Datei.h"

#include <benchmark/benchmark.h>

#include <sstream>

namespace {

// Writing a data set of 21 pairs and reading it back, through streams.
void BM_Datei_SchreibenLesen_21Paare(benchmark::State& state) {
    const tk::Programmzustand z = tk::bench::regressionsDaten();
    for (auto _ : state) {
        std::ostringstream aus;
        tk::schreiben(aus, z);
        std::istringstream ein(aus.str());
        const tk::Datensatz d = tk::lesen(ein);
        benchmark::DoNotOptimize(d.Y.data());
    }
}
BENCHMARK(BM_Datei_SchreibenLesen_21Paare);

} // namespace
