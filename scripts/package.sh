#!/usr/bin/env bash
# Builds the Debian package trendkurve_<version>_<arch>.deb from the build in
# build/ (or $BUILD_DIR) into the folder $OUT (default: build/). The package's
# dependencies come from dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
out="$(realpath -m "${OUT:-$build}")"
scripts/build.sh
mkdir -p "$out"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/trendkurve_*.deb
