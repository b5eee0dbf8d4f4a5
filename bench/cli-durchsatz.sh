#!/usr/bin/env bash
# Throughput of trendkurve-cli --json over the example files and 1,000 generated
# regression series: one call for all of them against one call per file.
# Usage: bench/cli-durchsatz.sh [path of trendkurve-cli]   (target: at least 1.8x)
set -euo pipefail
cd "$(dirname "$0")/.."
cli="$(realpath "${1:-build/cli/trendkurve-cli}")"
ordner=$(mktemp -d)
trap 'rm -rf "$ordner"' EXIT

# Series of 5 to 21 pairs around a rising trend, the same on every run.
awk -v ordner="$ordner" 'BEGIN {
    srand(1)
    for (s = 1; s <= 1000; s++) {
        datei = sprintf("%s/reihe%04d.rgr", ordner, s)
        n = 5 + s % 17
        printf "Reihe %d\r\n %d \r\n 1 \r\n", s, n > datei
        for (i = 1; i <= n; i++)
            printf " %d  %.6f \r\n", i, 10 + 3 * i * (0.5 + s % 5) + 4 * rand() > datei
        close(datei)
    }
}'
dateien=(examples/*.rgr examples/*.pro "$ordner"/*.rgr)

sekunden() { date +%s.%N; }
beginn=$(sekunden)
"$cli" --json "${dateien[@]}" >/dev/null 2>&1 || true
einAufruf=$(awk -v a="$beginn" -v b="$(sekunden)" 'BEGIN { print b - a }')

beginn=$(sekunden)
for f in "${dateien[@]}"; do "$cli" --json "$f" >/dev/null 2>&1 || true; done
jeDatei=$(awk -v a="$beginn" -v b="$(sekunden)" 'BEGIN { print b - a }')

echo "files: ${#dateien[@]}, cores: $(nproc)"
echo "one call:      ${einAufruf} s"
echo "one per file:  ${jeDatei} s"
awk -v e="$einAufruf" -v j="$jeDatei" \
    'BEGIN { printf "speed-up:      %.2fx (target 1.8x)\n", j / e; exit !(j / e >= 1.8) }'
