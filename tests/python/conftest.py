import glob
import json
import math
import os
import subprocess

import pytest

BEISPIELE = sorted(glob.glob(os.path.join(os.path.dirname(__file__), "../../examples/*.[rp][gr][ro]")))


def datei_lesen(pfad):
    """A data file as (mode, title, x, y): title line ('@' for ','), count, code, pairs."""
    with open(pfad, encoding="cp1252") as f:
        zeilen = f.read().splitlines()
    zahlen = " ".join(zeilen[1:]).replace(",", " ").split()
    n = int(float(zahlen[0]))
    paare = [float(z) for z in zahlen[2 : 2 + 2 * n]]
    modus = "prognose" if pfad.endswith(".pro") else "regression"
    return modus, zeilen[0].strip().replace("@", ","), paare[0::2], paare[1::2]


def kommandozeile(*pfade):
    """The command line's JSON lines for the files, without "file"."""
    aus = subprocess.run([os.environ["TK_CLI"], "--json", *pfade], capture_output=True, text=True, timeout=120).stdout
    zeilen = [json.loads(z) for z in aus.splitlines()]
    for z in zeilen:
        del z["file"]
    return zeilen


def gleich(a, b, pfad="$"):
    """Equal structures; floats to 1e-12 relative."""
    if isinstance(a, float) or isinstance(b, float):
        assert isinstance(a, (int, float)) and isinstance(b, (int, float)), pfad
        assert math.isclose(a, b, rel_tol=1e-12, abs_tol=1e-300), (pfad, a, b)
    elif isinstance(a, dict):
        assert list(a) == list(b), pfad
        for k in a:
            gleich(a[k], b[k], pfad + "." + k)
    elif isinstance(a, list):
        assert len(a) == len(b), pfad
        for i, (x, y) in enumerate(zip(a, b)):
            gleich(x, y, "%s[%d]" % (pfad, i))
    else:
        assert a == b, (pfad, a, b)


@pytest.fixture(scope="session")
def beispiele():
    """Every example as (data, the command line's answer)."""
    return list(zip([datei_lesen(p) for p in BEISPIELE], kommandozeile(*BEISPIELE)))
