#!/usr/bin/env bash
# Seeds single-line faults into the product code one at a time, rebuilds, runs the tests and
# reports which faults the tests caught (killed) and which they missed (survived).
#
# Usage: scripts/mutate.sh [FAULT_LIST] [CTEST_REGEX]
#   FAULT_LIST  default tests/mutants.txt
#   CTEST_REGEX optional: run only the tests matching it (default: all tests)
#   MUT_CMAKE_ARGS  extra configure options, e.g. "-DTK_GUI=OFF" for engine faults
#   MUT_TARGETS     build only these targets (space-separated), e.g. the test executables
#                   that CTEST_REGEX selects; default: everything
#
# Each line of the list is:   path | text to find | replacement
# The text must occur exactly once in the file. Blank lines and lines starting with '#' are
# skipped. The build goes to build-mut/ (BUILD_DIR overrides), so build/ stays untouched; the
# original file is always put back, also when the script is interrupted.
set -euo pipefail
cd "$(dirname "$0")/.."
liste=${1:-tests/mutants.txt}
filter=${2:-}
build=${BUILD_DIR:-build-mut}

launcher=()
if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
read -r -a extra <<<"${MUT_CMAKE_ARGS:-}"
read -r -a ziele <<<"${MUT_TARGETS:-}"
bauen() {
    if ((${#ziele[@]} > 0)); then
        cmake --build "$build" -j "$(nproc)" --target "${ziele[@]}"
    else
        cmake --build "$build" -j "$(nproc)"
    fi
}
cmake -S . -B "$build" -G Ninja "${launcher[@]}" -DTK_BENCH=OFF "${extra[@]}" >/dev/null
bauen >/dev/null

sicherung=$(mktemp)
aktuell=""
zurueck() {
    if [[ -n "$aktuell" ]]; then
        cp "$sicherung" "$aktuell"
        aktuell=""
    fi
}
trap 'zurueck; rm -f "$sicherung"' EXIT
trap 'exit 130' INT TERM

ctest_args=(--test-dir "$build" -j "$(nproc)" --timeout 120 --stop-on-failure)
if [[ -n "$filter" ]]; then
    ctest_args+=(-R "$filter")
fi

gezaehlt=0
getoetet=0
ueberlebt=()
while IFS= read -r zeile || [[ -n "$zeile" ]]; do
    [[ -z "${zeile// /}" || "$zeile" == \#* ]] && continue
    datei=$(awk -F' \\| ' '{print $1}' <<<"$zeile")
    such=$(awk -F' \\| ' '{print $2}' <<<"$zeile")
    ersatz=$(awk -F' \\| ' '{print $3}' <<<"$zeile")
    if [[ ! -f "$datei" ]]; then
        echo "UNGUELTIG (keine Datei)  $zeile"
        continue
    fi
    treffer=$(SUCH="$such" perl -0777 -ne '$n = () = /\Q$ENV{SUCH}\E/g; print $n' "$datei")
    if [[ "$treffer" != 1 ]]; then
        echo "UNGUELTIG ($treffer Treffer)  $zeile"
        continue
    fi
    cp "$datei" "$sicherung"
    aktuell=$datei
    SUCH="$such" ERSATZ="$ersatz" perl -0777 -pi -e 's/\Q$ENV{SUCH}\E/$ENV{ERSATZ}/' "$datei"
    if ! bauen >/dev/null 2>&1; then
        echo "BAUFEHLER  $zeile"
        zurueck
        continue
    fi
    gezaehlt=$((gezaehlt + 1))
    if ctest "${ctest_args[@]}" >/dev/null 2>&1; then
        echo "UEBERLEBT  $zeile"
        ueberlebt+=("$zeile")
    else
        echo "GETOETET   $zeile"
        getoetet=$((getoetet + 1))
    fi
    zurueck
done <"$liste"

# Leave the build matching the unmutated sources.
bauen >/dev/null
if ((gezaehlt > 0)); then
    awk -v k="$getoetet" -v n="$gezaehlt" \
        'BEGIN { printf "getoetet: %d von %d (%.0f %%)\n", k, n, 100 * k / n }'
fi
if ((${#ueberlebt[@]} > 0)); then
    echo "ueberlebt:"
    printf '  %s\n' "${ueberlebt[@]}"
fi
