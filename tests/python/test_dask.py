import os
import subprocess

import dask.dataframe as dd
import numpy as np
import pandas as pd
import pytest
from distributed import Client, LocalCluster

import trendkurve
from conftest import gleich, kommandozeile
from trendkurve.dask import fit_frame


def reihen(anzahl, modus, rng):
    """Generated series; the ids of one in ten are strings, so both kinds go through."""
    aus = []
    for i in range(anzahl):
        n = int(rng.integers(4, 22))
        x = np.sort(rng.uniform(0.5, 30, n)) if modus == "regression" else np.arange(1.0, n + 1)
        if modus == "regression":
            y = rng.uniform(1, 5) * x ** rng.uniform(-1, 1.5) * rng.lognormal(0, 0.05, n)
        else:
            y = 100 / (1 + np.exp(-(x - rng.uniform(4, 8)))) + rng.uniform(0, 0.5, n)
        aus.append({"id": "r%d" % i if i % 10 == 0 else i, "mode": modus, "x": x, "y": y})
    aus.append({"id": "kurz", "mode": modus, "x": [1.0, 2.0, 3.0], "y": [1.0, 2.0, 3.0]})
    return aus


def lang(serien):
    """Long format, pairs of different series interleaved so that a series spans partitions."""
    teile = [pd.DataFrame({"id": [s["id"]] * len(s["x"]), "paar": range(len(s["x"])), "x": s["x"], "y": s["y"]}) for s in serien]
    df = pd.concat(teile).sort_values("paar", kind="stable").drop(columns="paar")
    df["id"] = df["id"].astype(object)
    return df.rename(columns={"id": "reihe", "y": "wert"})


def erwartete_zeile(e, modus):
    """What fit_frame's row must hold, read from a fit_many result."""
    if "error" in e:
        return {"error_code": e["error"]["code"], "error_text": e["error"]["text"]}
    fall = e["cases"]["summenwerte"] if modus == "prognose" else e
    d = fall["decisive"]
    schluessel = "type" if modus == "prognose" else "code"
    z = {("type" if modus == "prognose" else "model"): d[schluessel]}
    z.update({k: d[k] for k in ("KMax", "A", "B", "r", "r2_data") if k in d})
    kandidat = next(k for k in fall["types" if modus == "prognose" else "models"] if k[schluessel] == d[schluessel])
    kq = kandidat["least_squares"]
    for p in ("A", "B", "K") if modus == "prognose" else ("A", "B"):
        z["ls_" + p] = kq[p]
        z["ci95_%s_lower" % p], z["ci95_%s_upper" % p] = kq["ci95_" + p]
    return z


def test_fit_frame_auf_dem_cluster(tmp_path):
    rng = np.random.default_rng(22)
    serien = {"regression": reihen(2000, "regression", rng), "prognose": reihen(6, "prognose", rng)}
    with LocalCluster(n_workers=2, processes=True, threads_per_worker=1, dashboard_address=None) as cluster, Client(cluster) as client:
        ergebnisse = {}
        for modus, s in serien.items():
            df = dd.from_pandas(lang(s), npartitions=4, sort=False)
            frame = fit_frame(df, id="reihe", y="wert", mode=modus)
            ergebnisse[modus] = client.compute(frame).result(timeout=90)
    for modus, s in serien.items():
        erg = ergebnisse[modus].set_index("id")
        assert len(erg) == len(s) and erg.index.is_unique
        for e in trendkurve.fit_many(s, threads=2):
            zeile = erg.loc[e["id"]]
            erwartet = erwartete_zeile(e, modus)
            gleich({k: zeile[k].item() if hasattr(zeile[k], "item") else zeile[k] for k in erwartet}, erwartet)
            assert all(pd.isna(zeile[k]) for k in erg.columns if k not in erwartet)
    assert ergebnisse["regression"]["model"].nunique() >= 3
    # A few rows against the command line itself.
    pfade = []
    for i, s in enumerate(serien["regression"][1:4] + serien["prognose"][1:3]):
        pfad = tmp_path / ("r%d.%s" % (i, "pro" if s["mode"] == "prognose" else "rgr"))
        pfad.write_text("T\n%d\n1\n" % len(s["x"]) + "".join("%.17g %.17g\n" % p for p in zip(s["x"], s["y"])))
        pfade.append((s, str(pfad)))
    for (s, _), antwort in zip(pfade, kommandozeile(*[p for _, p in pfade])):
        zeile = ergebnisse[s["mode"]].set_index("id").loc[s["id"]]
        erwartet = erwartete_zeile({"id": s["id"], **antwort}, s["mode"])
        gleich({k: zeile[k].item() for k in erwartet}, erwartet)


def test_fit_frame_lehnt_ab():
    df = dd.from_pandas(pd.DataFrame({"id": [1], "x": [1.0], "y": [1.0]}), npartitions=1)
    with pytest.raises(ValueError, match='keine Spalte "wert"'):
        fit_frame(df, y="wert")
    with pytest.raises(ValueError, match="Unbekannter Modus"):
        fit_frame(df, mode="prognosis")
