#!/usr/bin/env bash
# Installs the library's components into a temporary prefix, builds a program against it with
# find_package(Trendkurve) and compares its numbers with trendkurve-cli --json.
set -euo pipefail
build="$1" cli="$2" beispiele="$3"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
for k in bibliothek entwicklung; do
    cmake --install "$build" --prefix "$tmp/usr" --component $k >/dev/null
done
cmake -S "$(dirname "$0")/verbraucher" -B "$tmp/bau" -G Ninja -DCMAKE_PREFIX_PATH="$tmp/usr" >/dev/null
cmake --build "$tmp/bau" >/dev/null
rgr="$beispiele/umsatz-linear.rgr" pro="$beispiele/absatz-logistisch.pro"
"$tmp/bau/verbraucher" "$rgr" "$pro" >"$tmp/bibliothek.txt"
"$cli" --json --x 10 "$rgr" >"$tmp/cli.jsonl"
"$cli" --json --x 5 "$pro" >>"$tmp/cli.jsonl"
python3 - "$tmp/bibliothek.txt" "$tmp/cli.jsonl" <<'PY'
import json, math, sys
werte = dict(z.split(" ", 1) for z in open(sys.argv[1]).read().splitlines())
rgr, pro = (json.loads(z) for z in open(sys.argv[2]))
d, s = rgr["decisive"], pro["cases"]["summenwerte"]["decisive"]
erwartet = {"code": d["code"], "A": d["A"], "B": d["B"], "r": d["r"], "Y10": rgr["query"]["x"]["Y"],
            "type": s["type"], "KMax": s["KMax"], "X50": s["X50"], "K5": pro["query"]["x"]["K"],
            "fehler": "62 Es müssen mindestens 4 Wertepaare eingegeben werden"}
for name, soll in erwartet.items():
    ist = werte.get(name)
    gleich = ist == soll if isinstance(soll, str) else \
        ist is not None and math.isclose(float(ist), soll, rel_tol=1e-12, abs_tol=1e-12)
    if not gleich:
        sys.exit(f"{name}: library {ist}, command line {soll}")
PY
echo "library ok"
