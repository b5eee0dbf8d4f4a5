"""Trendkurven an kurze Reihen von Wertepaaren anpassen.

fit_regression(x, y, title="") and fit_prognosis(x, k, title="") return the dictionary
one line of ``trendkurve-cli --json`` holds for that data set (without "file").
fit_many(series, threads=None) fits many such series on several threads; see
trendkurve.dask for Dask DataFrames.
"""

from ._kern import available_cpus, fit_many, fit_prognosis, fit_regression

__all__ = ["available_cpus", "fit_many", "fit_prognosis", "fit_regression"]
