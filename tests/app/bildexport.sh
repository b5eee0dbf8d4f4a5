#!/usr/bin/env bash
# trendkurve --exportieren on every example in both views (both cases of a prognosis
# file), without a display; then the refusals, each with its German message and status 2.
set -uo pipefail
programm="$1"
beispiele="$2"
antworten="$3" # the command line's stored tables: they tell a case without a decisive curve
ziel=$(mktemp -d)
trap 'rm -rf "$ziel"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
fehler=0
kopf() { # the first bytes of each picture type
    case "$1" in
    *.png) head -c 8 "$1" | od -An -tx1 | tr -d ' \n' | grep -q '^89504e470d0a1a0a' ;;
    *.pdf) head -c 5 "$1" | grep -q '^%PDF-' ;;
    *.svg) grep -q '<svg' "$1" ;;
    esac
}
abgelehnt() { # expected message, then the arguments
    local soll="$1"
    shift
    "$programm" "$@" 2>"$ziel/fehler"
    local status=$?
    if [[ $status -ne 2 ]] || ! grep -qF -- "$soll" "$ziel/fehler"; then
        echo "FEHLER: $* gab Status $status und \"$(cat "$ziel/fehler")\", erwartet 2 und \"$soll\""
        fehler=1
    fi
}
ohneKurve() { # the file's case has no decisive curve, as the command line reports it
    [[ "$1" == *.pro ]] || return 1
    awk -v f="$2" '/^Fall Summenwerte/ { fall = "summen" } /^Fall Einzelwerte/ { fall = "einzel" }
        /Keine entscheidende Kurve/ && fall == f { da = 1 } END { exit !da }' \
        "$antworten/$(basename "$1").txt"
}
# The end of the title line above an exported chart: mode, case and view.
titel() {
    local art="Trend-Regression"
    [[ "$1" == *.pro ]] && art="Trend-Prognostik, Fall $([[ $3 == summen ]] && echo Summenwerte || echo Einzelwerte)"
    echo "$art  –  $([[ $2 == linear ]] && echo 'Linearisierte Darstellung' || echo 'Originalmaßstab')"
}
n=0
for datei in "$beispiele"/*.rgr "$beispiele"/*.pro; do
    faelle=(summen)
    [[ "$datei" == *.pro ]] && faelle=(summen einzel)
    for ansicht in linear original; do
        for fall in "${faelle[@]}"; do
            endung=(svg png pdf)
            bild="$ziel/$(basename "$datei")-$ansicht-$fall.${endung[$((n++ % 3))]}"
            if ohneKurve "$datei" "$fall"; then
                abgelehnt 'hat keine entscheidende Kurve' --exportieren "$bild" --ansicht "$ansicht" \
                    --fall "$fall" "$datei"
            elif ! "$programm" --exportieren "$bild" --ansicht "$ansicht" --fall "$fall" "$datei" \
                2>"$ziel/fehler"; then
                echo "FEHLER: $datei $ansicht $fall: $(cat "$ziel/fehler")"
                fehler=1
            elif ! kopf "$bild" || [[ -s "$ziel/fehler" ]]; then
                echo "FEHLER: $bild ist kein Bild, oder eine Meldung: $(cat "$ziel/fehler")"
                fehler=1
            elif [[ "$bild" == *.svg ]] && ! grep -q "$(titel "$datei" "$ansicht" "$fall")" "$bild"; then
                echo "FEHLER: $bild trägt nicht die Zeile \"$(titel "$datei" "$ansicht" "$fall")\""
                fehler=1
            fi
        done
    done
done

beispiel="$beispiele/umsatz-linear.rgr"
abgelehnt 'erwartet wird .svg, .png oder .pdf' --exportieren "$ziel/a.gif" "$beispiel"
abgelehnt '--ansicht erwartet original oder linear' --exportieren "$ziel/a.png" --ansicht log "$beispiel"
abgelehnt '--fall erwartet summen oder einzel' --exportieren "$ziel/a.png" --fall beide "$beispiel"
abgelehnt 'Keine Datei angegeben.' --exportieren "$ziel/a.png"
abgelehnt 'kann nicht angelegt werden' --exportieren "$ziel/fehlt/a.png" "$beispiel"
abgelehnt 'fehlt.rgr: Datei nicht gefunden' --exportieren "$ziel/a.png" "$ziel/fehlt.rgr"
[[ -e "$ziel/a.png" ]] && { echo "FEHLER: ein abgelehnter Aufruf hinterliess ein Bild"; fehler=1; }
[[ $fehler -eq 0 ]] && echo "$n Aufrufe geprüft"
exit $fehler
