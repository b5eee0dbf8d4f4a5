#!/usr/bin/env python3
"""Series per second of trendkurve.dask.fit_frame on a Dask cluster.

Generates N regression and M prognosis series (4 to 21 pairs, the same on every run) in
long format inside the workers, fits them and prints series per second for each mode.
Without --scheduler a LocalCluster with one single-threaded worker process per usable CPU
is started. Usage (from the build tree's python folder on PYTHONPATH):

    PYTHONPATH=build/python bench/dask_durchsatz.py --regression 1000000 --prognose 100000
    PYTHONPATH=build/python bench/dask_durchsatz.py --scheduler tcp://host:8786
"""

import argparse
import time

import dask.dataframe as dd
import numpy as np
import pandas as pd
from distributed import Client, LocalCluster, wait

import trendkurve
from trendkurve.dask import fit_frame


def teil(auftrag):
    """One partition of whole series: (first id, count, mode)."""
    erste, anzahl, modus = auftrag
    rng = np.random.default_rng(erste)
    n = rng.integers(4, 22, anzahl)
    ids = np.repeat(np.arange(erste, erste + anzahl), n)
    x = np.concatenate([np.arange(1.0, k + 1) for k in n])
    if modus == "regression":
        y = 10 + 3 * x * rng.uniform(0.5, 2.5, len(x)) + rng.uniform(0, 4, len(x))
    else:
        mitte = np.repeat(rng.uniform(3, 9, anzahl), n)
        y = 100 / (1 + np.exp(mitte - x)) + rng.uniform(0, 0.5, len(x))
    return pd.DataFrame({"id": ids, "x": x, "y": y})


def rahmen(anzahl, modus, je_teil, versatz):
    auftraege = [(versatz + a, min(je_teil, anzahl - a), modus) for a in range(0, anzahl, je_teil)]
    vorlage = pd.DataFrame({"id": pd.Series(dtype="int64"), "x": pd.Series(dtype="float64"), "y": pd.Series(dtype="float64")})
    return dd.from_map(teil, auftraege, meta=vorlage)


def main():
    p = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    p.add_argument("--regression", type=int, default=20000)
    p.add_argument("--prognose", type=int, default=200)
    p.add_argument("--scheduler", help="address of a running cluster, e.g. tcp://host:8786")
    p.add_argument("--worker", type=int, default=trendkurve.available_cpus())
    p.add_argument("--reihen-je-teil", type=int, default=5000, help="series per partition")
    p.add_argument("--mischen", action="store_true", help="shuffle by id first, as for a frame of unknown order")
    a = p.parse_args()

    if a.scheduler:
        client = Client(a.scheduler)
    else:
        client = Client(LocalCluster(n_workers=a.worker, threads_per_worker=1, processes=True, dashboard_address=None))
    with client:
        for modus, anzahl, versatz in (("regression", a.regression, 0), ("prognose", a.prognose, 10**12)):
            if anzahl <= 0:
                continue
            je_teil = a.reihen_je_teil if modus == "regression" else max(1, a.reihen_je_teil // 50)
            df = rahmen(anzahl, modus, je_teil, versatz)
            beginn = time.perf_counter()
            # Results stay on the workers; only their row counts come back.
            ergebnis = fit_frame(df, mode=modus, shuffle=a.mischen).persist()
            wait(ergebnis)
            dauer = time.perf_counter() - beginn
            gezaehlt = len(ergebnis)
            fehler = int(ergebnis["error_code"].count().compute())
            print("%-10s %9d Reihen  %8.2f s  %10.0f Reihen/s  (%d unbrauchbar)" % (modus, gezaehlt, dauer, gezaehlt / dauer, fehler))


if __name__ == "__main__":
    main()
