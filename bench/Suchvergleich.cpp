// Compares the bundled search step with the pairwise one on generated prognosis data
// sets (both cases, all three curve types) and prints how many searches differ in their
// step counts or in any bit of their numbers, and the CPU time per data set of each.
// Usage: build/bench/tk_suchvergleich [SETS]   (default 1000; exit status 1 on a difference)
#include "bench/Daten.h"
#include "calc/Vektorlog.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    const long saetze = argc > 1 ? std::atol(argv[1]) : 1000;
    tk::bench::Suchvergleich v;
    for (long i = 0; i < saetze; ++i) v.vergleiche(tk::bench::prognoseReihe(i));
    std::printf("data sets: %ld, searches: %ld, logarithms at a time: %d\n", saetze, v.suchen,
                tk::logarithmenBreite());
    std::printf("step counts differing: %ld (largest difference %ld steps)\n", v.schritteAnders,
                v.groessterSchrittAbstand);
    std::printf("searches with a number differing in any bit: %ld\n", v.zahlenAnders);
    std::printf("CPU per data set (both cases): pairwise %.2f ms, bundled %.2f ms (%.2fx)\n",
                1000 * v.sekundenPaarweise / saetze, 1000 * v.sekundenGebuendelt / saetze,
                v.sekundenPaarweise / v.sekundenGebuendelt);
    return v.schritteAnders == 0 && v.zahlenAnders == 0 ? 0 : 1;
}
