#!/usr/bin/env bash
# Configures and builds Trendkurve into build/ (Ninja, ccache when present). Extra configure
# options come as arguments or in TK_CMAKE_ARGS (CI sets -DTK_WERROR=ON there).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a extra <<<"${TK_CMAKE_ARGS:-}"
cmake -S . -B "${BUILD_DIR:-build}" -G Ninja "${launcher[@]}" "${extra[@]}" "$@" >/dev/null
cmake --build "${BUILD_DIR:-build}" -j "$(nproc)"
