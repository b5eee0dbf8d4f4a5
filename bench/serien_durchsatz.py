#!/usr/bin/env python3
"""Series per CPU-second and peak memory of one streaming call of trendkurve-cli --serien.

Generates N series (4 to 21 pairs, the same on every run) as a long table (id;x;y) or as
JSON Lines and pipes them into one call on standard input, as a database export would.
Only the command line's own CPU time and peak memory are counted, not the generator's.

    bench/serien_durchsatz.py --anzahl 1000000 --form csv -j 1
    bench/serien_durchsatz.py --anzahl 20000 --modus prognose --form jsonl
"""

import argparse
import json
import random
import resource
import subprocess
import threading
import time


def reihen(anzahl, modus):
    zufall = random.Random(1)
    for s in range(anzahl):
        n = zufall.randint(4, 21)
        if modus == "regression":
            steigung = zufall.uniform(0.5, 2.5)
            y = [10 + 3 * i * steigung + zufall.uniform(0, 4) for i in range(1, n + 1)]
        else:
            mitte = zufall.uniform(3, 9)
            y = [100 / (1 + 2.718281828459045 ** (mitte - i)) + zufall.uniform(0, 0.5)
                 for i in range(1, n + 1)]
        yield s, list(range(1, n + 1)), y


def schreiben(ziel, anzahl, modus, form):
    puffer = []
    if form == "csv":
        puffer.append("id;x;y\n")
    for s, x, y in reihen(anzahl, modus):
        if form == "csv":
            puffer.extend(f"{s};{a};{b:.6f}\n".replace(".", ",") for a, b in zip(x, y))
        else:
            puffer.append(json.dumps({"id": s, "mode": modus, "x": x, "y": y}) + "\n")
        if len(puffer) > 4096:
            ziel.write("".join(puffer).encode())
            puffer.clear()
    ziel.write("".join(puffer).encode())
    ziel.close()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("--anzahl", type=int, default=20000)
    p.add_argument("--modus", choices=["regression", "prognose"], default="regression")
    p.add_argument("--form", choices=["csv", "jsonl"], default="csv")
    p.add_argument("-j", type=int, default=1)
    p.add_argument("--cli", default="build/cli/trendkurve-cli")
    a = p.parse_args()
    aufruf = [a.cli, "--serien", "-j", str(a.j), "--modus", a.modus, "-"]
    beginn = time.monotonic()
    lauf = subprocess.Popen(aufruf, stdin=subprocess.PIPE, stdout=subprocess.PIPE)
    schreiber = threading.Thread(target=schreiben, args=(lauf.stdin, a.anzahl, a.modus, a.form))
    schreiber.start()
    zeilen = fehler = 0
    for zeile in lauf.stdout:
        zeilen += 1
        fehler += b'"error":{' in zeile[:200]
    schreiber.join()
    lauf.wait()
    dauer = time.monotonic() - beginn
    r = resource.getrusage(resource.RUSAGE_CHILDREN)
    cpu = r.ru_utime + r.ru_stime
    print(f"series: {zeilen} ({fehler} error lines), form {a.form}, mode {a.modus}, -j {a.j}")
    print(f"wall: {dauer:.1f} s, cli CPU: {cpu:.1f} s")
    print(f"series per CPU-second: {zeilen / cpu:.0f}")
    print(f"peak memory of the cli: {r.ru_maxrss / 1024:.1f} MB")


if __name__ == "__main__":
    main()
