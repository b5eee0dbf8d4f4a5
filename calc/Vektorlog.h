#pragma once
// Natural logarithms of many values at once, bit for bit what std::log returns.

#include <cstddef>

namespace tk {

// y[i] = std::log(x[i]) for i < n, the same bits. On x86-64 with AVX2 and FMA (where
// glibc takes its FMA variant of log) eight (AVX-512) or four at a time by the same
// operations in the same order; elsewhere, or if a check at first use finds any
// difference, one by one.
void logarithmen(const double* x, double* y, std::size_t n);

// How many logarithms logarithmen computes at a time on this machine: 8, 4 or 1.
int logarithmenBreite();

} // namespace tk
