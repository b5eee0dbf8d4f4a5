#!/usr/bin/env bash
# Builds the tests without windows (calc, datafile, the pair entry's rules, the library) with
# AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a extra <<<"${TK_CMAKE_ARGS:-}"
cmake -S . -B build-asan -G Ninja "${launcher[@]}" "${extra[@]}" -DTK_GUI=OFF -DTK_BENCH=OFF -DTK_SANITIZE=ON \
    -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build build-asan -j "$(nproc)"
ctest --test-dir build-asan --output-on-failure -j "$(nproc)" -R '^(calc|datafile|entry|bibliothek)\.'
