#!/usr/bin/env python3
"""Fails when trendkurve-cli writes a JSON field or CSV column that its man page does not name
in bold. Usage: handbuchfelder.py CLI MANPAGE EXAMPLES"""
import glob
import json
import re
import subprocess
import sys

cli, handbuch, beispiele = sys.argv[1:4]


def aufruf(*argumente, eingabe=None):
    return subprocess.run([cli, *argumente], input=eingabe, capture_output=True, text=True).stdout


def schluessel(wert, menge):
    if isinstance(wert, dict):
        for k, v in wert.items():
            menge.add(k)
            schluessel(v, menge)
    elif isinstance(wert, list):
        for v in wert:
            schluessel(v, menge)


zeilen = aufruf("--json", "--x", "10", "--x", "12", "--y", "20", *glob.glob(beispiele + "/*.rgr"))
zeilen += aufruf("--json", "--x", "5", "--x", "unendlich", "--prozent", "50", "--k", "10",
                 *glob.glob(beispiele + "/*.pro"))
zeilen += aufruf("--json", "/nicht/vorhanden.rgr")
zeilen += aufruf("--serien", "-", eingabe='{"id": 1, "mode": "regression", "x": [1,2,3,4],'
                 ' "y": [2,4,5,8]}\n{"id": 2, "x": [1]}\n')
felder = set()
for zeile in zeilen.splitlines():
    schluessel(json.loads(zeile), felder)
felder |= set(aufruf("--ausgabe", "csv", beispiele + "/umsatz-linear.rgr")
              .splitlines()[0].split(";"))
felder |= set(aufruf("--serien", "--ausgabe", "csv", "-", eingabe="id;x;y\n1;1;2\n")
              .splitlines()[0].split(";"))
if len(felder) < 60:
    sys.exit(f"only {len(felder)} fields collected: the calls above failed")

quelle = open(handbuch, encoding="utf-8").read()
fett = set(re.findall(r"\\fB([\w-]+)\\fR", quelle))
for zeile in quelle.splitlines():
    if re.match(r"\.(B|BR|RB|BI) ", zeile):
        fett |= set(re.findall(r"[\w-]+", zeile.replace("\\(dq", " ")))
fehlend = sorted(felder - fett)
if fehlend:
    sys.exit("not described in " + handbuch + ": " + ", ".join(fehlend))
print(f"{len(felder)} fields described")
