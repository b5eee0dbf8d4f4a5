#!/usr/bin/env bash
# Checks that every folder includes only from the folders below it, so that the engine
# stays free of windows and no window library pulls in the command line.
set -euo pipefail
cd "$(dirname "$0")/.."
declare -A erlaubt=(
    [calc]="calc"
    [datafile]="calc datafile"
    [bericht]="calc datafile bericht"
    [cli]="calc datafile bericht cli"
    [python]="calc datafile bericht"
    [bibliothek]="calc datafile trendkurve"
    [zeichnung]="calc zeichnung"
    [app]="calc datafile app"
    [charts]="calc datafile app zeichnung bericht charts"
    [queries]="calc datafile app zeichnung charts queries"
    [print]="calc datafile app zeichnung charts print"
    [entry]="calc datafile app zeichnung charts entry"
    [programm]="calc datafile app zeichnung charts queries print entry programm"
)
fehler=0
for ordner in "${!erlaubt[@]}"; do
    while IFS=: read -r datei zeile; do
        [[ $zeile =~ \#include\ \"([a-z]+)/ ]] && ziel=${BASH_REMATCH[1]}
        if [[ " ${erlaubt[$ordner]} " != *" $ziel "* ]]; then
            echo "$datei: $ordner darf $ziel nicht einbinden: $zeile"
            fehler=1
        fi
    done < <(grep -rHE '^#include "[a-z]+/' "$ordner" || true)
done
exit $fehler
