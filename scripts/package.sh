#!/usr/bin/env bash
# Builds the Debian packages (trendkurve, trendkurve-cli, python3-trendkurve, libtrendkurve1,
# libtrendkurve-dev) from the build in build/ (or $BUILD_DIR) into the folder $OUT (default:
# build/). Their dependencies come from dpkg-shlibdeps.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${BUILD_DIR:-build}"
out="$(realpath -m "${OUT:-$build}")"
scripts/build.sh
mkdir -p "$out"
rm -f "$out"/*.deb
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$out" >/dev/null
rm -rf "$out/_CPack_Packages"
ls "$out"/*.deb
