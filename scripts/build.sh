#!/usr/bin/env bash
# Configures and builds Trendkurve into build/ (Ninja, ccache when present).
set -euo pipefail
cd "$(dirname "$0")/.."
launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "${BUILD_DIR:-build}" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "${BUILD_DIR:-build}" -j "$(nproc)"
