#!/usr/bin/env python3
"""Reference values for the pad accuracy tests, in 60-digit arithmetic.

For each case: the theoretical design from the textbook forms, and the
analysis of the preferred-value pad that velkor-cli builds (its values read
from velkor-cli's JSON, so only the rounding to the series comes from the
program). Needs mpmath. Usage: tools/pad-references.py build/bin/velkor-cli
"""
import json
import subprocess
import sys

from mpmath import mp, mpf, matrix, lu_solve, log10, sqrt, asinh, sinh, cosh, ln, fabs

mp.dps = 60
CLI = sys.argv[1] if len(sys.argv) > 1 else "build/bin/velkor-cli"

# Where each resistor sits: node 0 ground, 1 in, 2 out, 3 the junction.
PLACES = {
    "pi": [(1, 0), (1, 2), (2, 0)],
    "t": [(1, 3), (3, 0), (3, 2)],
    "bridged_t": [(1, 3), (3, 2), (1, 2), (3, 0)],
    "series_r": [(1, 2)],
    "shunt_r": [(1, 0)],
    "l_pad_series": [(1, 2), (2, 0)],
    "l_pad_shunt": [(1, 2), (1, 0)],
}
# The output port's node: the input's for a kind that passes straight through.
OUTPUT = {"shunt_r": 1}


def lpad_places(zin, zout):
    return [(1, 2), (2, 0)] if zin > zout else [(1, 2), (1, 0)]


def minimum(zin, zout):
    r = max(zin, zout) / min(zin, zout)
    return 20 * log10(sqrt(r) + sqrt(r - 1))


def design(kind, db, zin, zout):
    k = mpf(10) ** (db / 20)
    if kind == "l_pad":
        zh, zl = max(zin, zout), min(zin, zout)
        return [sqrt(zh * (zh - zl)), zl * sqrt(zh / (zh - zl))]
    if kind == "bridged_t":
        return [zin, zin, zin * (k - 1), zin / (k - 1)]
    if kind in ("series_r", "shunt_r"):
        excess = 2 * sqrt(zin * zout) * k - zin - zout
        return [excess] if kind == "series_r" else [zin * zout / excess]
    if kind == "l_pad_series":
        return [zin * (k - 1) / k, zin / (k - 1)]
    if kind == "l_pad_shunt":
        return [zin * (k - 1), zin * k / (k - 1)]
    l = k * k
    a = (l + 1) / (l - 1)
    if kind == "pi":
        r2 = (l - 1) / 2 * sqrt(zin * zout / l)
        return [1 / (a / zin - 1 / r2), r2, 1 / (a / zout - 1 / r2)]
    r2 = 2 * sqrt(l * zin * zout) / (l - 1)
    return [a * zin - r2, r2, a * zout - r2]


def solve(places, ohms, driven, other, load):
    """Node voltages with `driven` at 1 V and the port at `other` loaded; current in."""
    nodes = max(max(max(p) for p in places), driven, other) + 1
    unknown = [n for n in range(1, nodes) if n != driven]
    index = {n: i for i, n in enumerate(unknown)}
    g = matrix(len(unknown), len(unknown))
    b = matrix(len(unknown), 1)
    branches = [(a, c, 1 / mpf(r)) for (a, c), r in zip(places, ohms)] + [(other, 0, 1 / load)]
    for a, c, y in branches:
        for x, z in ((a, c), (c, a)):
            if x in index:
                g[index[x], index[x]] += y
                if z in index:
                    g[index[x], index[z]] -= y
                elif z == driven:
                    b[index[x]] += y
    v = lu_solve(g, b) if unknown else []
    volts = {0: mpf(0), driven: mpf(1)}
    volts.update({n: v[index[n]] for n in unknown})
    current = sum(y * (1 - volts[c if a == driven else a]) for a, c, y in branches if driven in (a, c))
    return volts, current


def returnloss(r, z):
    rho = fabs((r - z) / (r + z))
    return mpf(120) if rho < mpf("1e-6") else -20 * log10(rho)


def analyse(places, ohms, zin, zout, out=2):
    volts, current = solve(places, ohms, 1, out, zout)
    rin = 1 / current
    atten = 20 * log10(1 / volts[out]) + 10 * log10(zout / zin)
    s21 = 2 * volts[out] / (1 + zin / rin) * sqrt(zin / zout)
    _, back = solve(places, ohms, out, 1, zin)
    return [atten, -20 * log10(s21), returnloss(rin, zin), returnloss(1 / back, zout)]


# Balanced pads as they stand, both terminals of each port: node 1 in, 2 out,
# 3 the junction, and 4, 5, 6 their minus terminals (the low side at the
# output).
BALANCED = {
    "h_pad": [(1, 3), (4, 6), (3, 6), (3, 2), (6, 5)],
    "o_pad": [(1, 4), (1, 2), (4, 5), (2, 5)],
    "u_pad": [(1, 2), (4, 5), (2, 5)],
}
UNBALANCED = {"h_pad": "t", "o_pad": "pi", "u_pad": "l_pad"}
HALVED = {"h_pad": (0, 2), "o_pad": (1,), "u_pad": (0,)}


def balanced_design(kind, db, zin, zout):
    out = []
    for i, r in enumerate(design(UNBALANCED[kind], db, zin, zout)):
        out += [r / 2, r / 2] if i in HALVED[kind] else [r]
    return out


def balanced_port(places, ohms, plus, minus, zfrom, other_plus, other_minus, zto):
    """+1/2 V behind zfrom/2 at plus, -1/2 V behind zfrom/2 at minus, zto/2
    from each terminal of the other port to ground: the differential
    voltages at the driven port and the other."""
    used = sorted({n for p in places for n in p} - {0})
    index = {n: i for i, n in enumerate(used)}
    g = matrix(len(used), len(used))
    b = matrix(len(used), 1)
    branches = [(a, c, 1 / mpf(r)) for (a, c), r in zip(places, ohms)]
    branches += [(plus, 0, 2 / zfrom), (minus, 0, 2 / zfrom), (other_plus, 0, 2 / zto), (other_minus, 0, 2 / zto)]
    for a, c, y in branches:
        for x, z in ((a, c), (c, a)):
            if x:
                g[index[x], index[x]] += y
                if z:
                    g[index[x], index[z]] -= y
    b[index[plus]] += 1 / zfrom
    b[index[minus]] -= 1 / zfrom
    v = lu_solve(g, b)
    return v[index[plus]] - v[index[minus]], v[index[other_plus]] - v[index[other_minus]]


def balanced_analyse(places, ohms, zin, zout):
    vin, vout = balanced_port(places, ohms, 1, 4, zin, 2, 5, zout)
    atten = 20 * log10(vin / vout) + 10 * log10(zout / zin)
    s21 = 2 * vout * sqrt(zin / zout)
    back, _ = balanced_port(places, ohms, 2, 5, zout, 1, 4, zin)
    rl = lambda s: mpf(120) if fabs(s) < mpf("1e-6") else -20 * log10(fabs(s))
    return [atten, -20 * log10(s21), rl(2 * vin - 1), rl(2 * back - 1)]


def cases():
    for db in ("1e-9", "1e-7", "1e-5", "1e-3", "300"):
        yield db, 50, 50
    low = minimum(mpf(75), mpf(50))
    for above in ("1e-6", "1"):
        yield repr(float(low + mpf(above))), 75, 50
    yield "300", 75, 50
    yield None, 75, 50


def main():
    for db, zin, zout in cases():
        args = [CLI, "-f", "json", "--zin", str(zin), "--zout", str(zout)] + ([db] if db else [])
        row = json.loads(subprocess.run(args, check=True, capture_output=True, text=True).stdout)[0]
        kinds = ["pi", "t", "bridged_t"] if db and zin == zout else ["pi", "t"] if db else ["l_pad"]
        for kind in kinds:
            places = lpad_places(zin, zout) if kind == "l_pad" else PLACES[kind]
            theory = design(kind, mpf(db or 0), mpf(zin), mpf(zout))
            built = analyse(places, [mpf(x) for x in row[kind]["preferred_ohm"]], mpf(zin), mpf(zout))
            print(kind, db, zin, zout)
            print("  theory", ", ".join(mp.nstr(x, 17) for x in theory))
            print("  built ", ", ".join(mp.nstr(x, 17) for x in built))
    # The kinds named with --pad alone.
    for kind, db, zin, zout in [(k, db, 50, 50) for k in ("series_r", "shunt_r", "l_pad_series", "l_pad_shunt")
                                for db in ("1e-9", "10")] + [("series_r", "1", 75, 50), ("shunt_r", "1", 75, 50)]:
        args = [CLI, "-f", "json", "--pad", kind, "--zin", str(zin), "--zout", str(zout), db]
        row = json.loads(subprocess.run(args, check=True, capture_output=True, text=True).stdout)[0]
        theory = design(kind, mpf(db), mpf(zin), mpf(zout))
        built = analyse(PLACES[kind], [mpf(x) for x in row[kind]["preferred_ohm"]], mpf(zin), mpf(zout),
                        OUTPUT.get(kind, 2))
        print(kind, db, zin, zout)
        print("  theory", ", ".join(mp.nstr(x, 17) for x in theory))
        print("  built ", ", ".join(mp.nstr(x, 17) for x in built))
    # Balanced pads, solved with both terminals of each port.
    low = minimum(mpf(75), mpf(50))
    for kind, db, zin, zout in [("h_pad", "1e-9", 50, 50), ("o_pad", "1e-9", 50, 50),
                                ("h_pad", repr(float(low + 1)), 75, 50), ("o_pad", "20", 75, 50),
                                ("u_pad", None, 75, 50)]:
        args = [CLI, "-f", "json", "--pad", kind, "--zin", str(zin), "--zout", str(zout)] + ([db] if db else [])
        row = json.loads(subprocess.run(args, check=True, capture_output=True, text=True).stdout)[0]
        theory = balanced_design(kind, mpf(db or 0), mpf(zin), mpf(zout))
        built = balanced_analyse(BALANCED[kind], [mpf(x) for x in row[kind]["preferred_ohm"]], mpf(zin), mpf(zout))
        print(kind, db, zin, zout)
        print("  theory", ", ".join(mp.nstr(x, 17) for x in theory))
        print("  built ", ", ".join(mp.nstr(x, 17) for x in built))


main()
