#!/usr/bin/env python3
"""Prints the table and polynomials of glibc's log (glibc 2.28 and later) as C++, taken from
the installed libm, for calc/Vektorlog.cpp. The data start with ln2hi and ln2lo; after them
come 5 coefficients near the table points, 11 near 1, and 128 pairs (1/c, log c).
Usage: scripts/logtabelle.py [/lib/x86_64-linux-gnu/libm.so.6]"""
import struct
import sys

pfad = sys.argv[1] if len(sys.argv) > 1 else "/lib/x86_64-linux-gnu/libm.so.6"
daten = open(pfad, "rb").read()
kopf = struct.pack("<2d", float.fromhex("0x1.62e42fefa3800p-1"), float.fromhex("0x1.ef35793c76730p-45"))
stelle = daten.find(kopf)
# The first match is log's data (pow's own table follows later with other coefficients).
if stelle < 0 or struct.unpack("<d", daten[stelle + 16 : stelle + 24])[0] != float.fromhex("-0x1.0000000000001p-1"):
    sys.exit("logtabelle: the data of log are not where glibc 2.28+ keeps them")
werte = struct.unpack("<%dd" % (2 + 5 + 11 + 256), daten[stelle : stelle + 8 * (2 + 5 + 11 + 256)])


def zeilen(liste, je_zeile):
    for i in range(0, len(liste), je_zeile):
        print("    " + " ".join(v.hex() + "," for v in liste[i : i + je_zeile]))


print("constexpr double Ln2hi = %s, Ln2lo = %s;" % (werte[0].hex(), werte[1].hex()))
print("constexpr double A[5] = {")
zeilen(werte[2:7], 3)
print("};")
print("constexpr double B[11] = {")
zeilen(werte[7:18], 3)
print("};")
print("alignas(64) constexpr double Tabelle[256] = {")
zeilen(werte[18:], 2)
print("};")
