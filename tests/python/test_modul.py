import math

import numpy as np
import pytest

import trendkurve
from conftest import gleich


def einzeln(modus, titel, x, y):
    f = trendkurve.fit_prognosis if modus == "prognose" else trendkurve.fit_regression
    return f(x, y, title=titel)


def test_wie_die_kommandozeile(beispiele):
    assert len(beispiele) >= 10
    for (modus, titel, x, y), erwartet in beispiele:
        gleich(einzeln(modus, titel, x, y), erwartet)
        gleich(einzeln(modus, titel, np.array(x), np.array(y)), erwartet)


@pytest.mark.parametrize(
    "x, y, text",
    [
        ([1, 2, 3], [1, 2, 3], "Es müssen mindestens 4 Wertepaare eingegeben werden"),
        (range(22), range(22), "Max. Anzahl = 21 : Bitte Eingabe korrigieren !!"),
        ([1, 2, 3, 4], [1, 2, 3], "Ungleich viele Werte: 4 X-Werte und 3 Y-Werte."),
        ([1, 2, 3, 4], [1, 2, math.inf, 4], "Der Y-Wert von Paar 3 ist keine gültige endliche Zahl."),
        (np.array([1, np.nan, 3, 4]), [1, 2, 3, 4], "Der X-Wert von Paar 2 ist keine gültige endliche Zahl."),
        ([1, 2, 3, 4], [1, "2", 3, 4], "Der Y-Wert von Paar 2 ist keine gültige endliche Zahl."),
    ],
)
def test_unbrauchbare_reihe(x, y, text):
    with pytest.raises(ValueError) as fehler:
        trendkurve.fit_regression(x, y)
    assert str(fehler.value) == text


def test_viele_reihen(beispiele):
    reihen = [{"id": -i, "mode": m, "x": x, "y": y, "title": t} for i, ((m, t, x, y), _) in enumerate(beispiele)]
    reihen.insert(3, {"id": "kurz", "mode": "prognose", "x": [1, 2, 3], "y": [1, 2, 3]})
    reihen.insert(5, {"id": "modus", "mode": "prognosis", "x": [1, 2, 3, 4], "y": [1, 2, 3, 4]})
    reihen.reverse()
    eins = trendkurve.fit_many(reihen, threads=1)
    zwei = trendkurve.fit_many(iter(reihen), threads=2)
    gleich(eins, zwei)
    assert [e["id"] for e in eins] == [r["id"] for r in reihen]
    fehler = {e["id"]: e["error"] for e in eins if "error" in e}
    assert fehler == {
        "kurz": {"code": 62, "text": "Es müssen mindestens 4 Wertepaare eingegeben werden"},
        "modus": {"code": 62, "text": 'Unbekannter Modus "prognosis": erwartet wird "regression" oder "prognose".'},
    }
    for e in eins:
        if isinstance(e["id"], int):
            erwartet = beispiele[-e["id"]][1]
            gleich(e, {"id": e["id"], **erwartet})
    with pytest.raises(ValueError, match="mindestens 1"):
        trendkurve.fit_many(reihen, threads=0)
