#!/usr/bin/env bash
# Installs the Debian packages needed to build, test and run Trendkurve.
# Idempotent and non-interactive; works as root or through sudo.
set -euo pipefail

packages=(
    build-essential cmake ninja-build ccache
    qt6-base-dev qt6-svg-dev qt6-translations-l10n libqt6svg6
    libgtest-dev libgmock-dev libbenchmark-dev nlohmann-json3-dev libgsl-dev
    fonts-liberation2 poppler-utils locales
    pybind11-dev python3-dev python3-pytest python3-numpy python3-pandas python3-dask
    python3-distributed
    shared-mime-info libxml2-utils libglib2.0-bin desktop-file-utils
)
# clang and its runtime are needed only for the fuzz target.
if [[ "${TK_WITH_FUZZ:-0}" == 1 ]]; then
    packages+=(clang libclang-rt-14-dev)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$p")
    fi
done

sudo_cmd=()
if [[ $(id -u) -ne 0 ]]; then
    sudo_cmd=(sudo)
fi

if ((${#missing[@]} == 0)); then
    echo "install-deps: all packages present"
else
    echo "install-deps: installing ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The tests check that a German number locale changes no number text.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
    "${sudo_cmd[@]}" sed -i 's/^# *de_DE.UTF-8 UTF-8/de_DE.UTF-8 UTF-8/' /etc/locale.gen
    "${sudo_cmd[@]}" locale-gen >/dev/null
fi
