"""Fitting every series of a Dask DataFrame in long format (one row per pair).

A series has to lie whole in one partition. fit_frame therefore shuffles the frame by id
first (pass ``shuffle=False`` for a frame already partitioned by id) and restores the
rows' original order within each series, since the order of the pairs is part of the data.
"""

import numpy as np
import pandas as pd

from ._kern import _zeilen


def _spalten(mode):
    parameter = ("A", "B", "K") if mode == "prognose" else ("A", "B")
    spalten = {"id": "object", ("type" if mode == "prognose" else "model"): "Int64"}
    if mode == "prognose":
        spalten["KMax"] = "float64"
    spalten.update({name: "float64" for name in ("A", "B", "r", "r2_data")})
    for p in parameter:
        spalten["ls_" + p] = "float64"
    for p in parameter:
        spalten["ci95_%s_lower" % p] = "float64"
        spalten["ci95_%s_upper" % p] = "float64"
    spalten.update({"error_code": "Int64", "error_text": "object"})
    return spalten


def _teil_rechnen(teil, id, x, y, mode, spalten):
    # Row order within a series as it was before the shuffle.
    if "_tk_teil" in teil.columns:
        teil = teil.sort_values(["_tk_teil", "_tk_zeile"], kind="stable")
    # Rows of one series side by side, first appearance first (faster than groupby).
    codes, ids = pd.factorize(teil[id], use_na_sentinel=False)
    folge = np.argsort(codes, kind="stable")
    grenzen = np.flatnonzero(np.diff(codes[folge])) + 1
    xs = np.split(teil[x].to_numpy(float)[folge], grenzen)
    ys = np.split(teil[y].to_numpy(float)[folge], grenzen)
    reihen = [{"id": i, "mode": mode, "x": a, "y": b} for i, a, b in zip(ids, xs, ys)] if len(teil) else []
    # Dask runs the partitions in parallel; one thread each avoids oversubscription.
    zeilen = _zeilen(reihen, list(spalten), mode == "prognose", threads=1)
    return pd.DataFrame.from_records(zeilen, columns=list(spalten)).astype(spalten)


def _nummerieren(teil, partition_info=None):
    teil = teil.copy()
    teil["_tk_teil"] = partition_info["number"] if partition_info else 0
    teil["_tk_zeile"] = np.arange(len(teil))
    return teil


def fit_frame(df, id="id", x="x", y="y", mode="regression", shuffle=True):
    """Fits every series of ``df`` and returns a Dask DataFrame with one row per series.

    Columns: id; the decisive model code ("model", regression) or curve type ("type",
    prognosis, the Summenwerte case); KMax (prognosis); A, B, r, r2_data of the decisive
    curve; ls_A, ls_B (ls_K) and their 95 % intervals ci95_*_lower/upper from the least
    squares fit of the same curve, when it converged; error_code and error_text for a
    series that could not be used (the other columns then empty).
    """
    if mode not in ("regression", "prognose"):
        raise ValueError('Unbekannter Modus "%s": erwartet wird "regression" oder "prognose".' % mode)
    fehlend = [s for s in (id, x, y) if s not in df.columns]
    if fehlend:
        raise ValueError("Die Tabelle hat keine Spalte %s." % ", ".join('"%s"' % s for s in fehlend))
    spalten = _spalten(mode)
    df = df[[id, x, y]]
    if shuffle:
        # partition_info is filled in by map_partitions.
        vorlage = df._meta.assign(_tk_teil=np.int64(0), _tk_zeile=np.int64(0))
        df = df.map_partitions(_nummerieren, meta=vorlage).shuffle(on=id)
    leer = pd.DataFrame({name: pd.Series(dtype=typ) for name, typ in spalten.items()})
    return df.map_partitions(_teil_rechnen, id, x, y, mode, spalten, meta=leer)
