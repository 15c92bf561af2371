#!/usr/bin/env python3
"""Expected results of the gas recalculation for the compositions of
recalc_compositions_test.cpp, worked out here independently of the program.

Run: python3 tests/gas/recalc_expected.py
Records hold single-precision numbers, so inputs and results are rounded to
float32 as the program stores them; the arithmetic between is in double.
"""
import math
import struct


def f32(x):
    return struct.unpack('<f', struct.pack('<f', x))[0]


KCAL = 239.08
# Z, Hs MJ, Hi MJ, d, M, u % per component, with the record slot of each.
COMPONENTS = [
    (0, 0.919, 174.46, 161.59, 2.976, 86.177, 0.3),
    (1, 0.9834, 92.29, 84.94, 1.549, 44.097, 0.2),
    (2, 0.971, 119.28, 110.09, 2.068, 58.123, 0.3),
    (3, 0.9682, 119.66, 110.47, 2.071, 58.123, 0.3),
    (4, 0.945, 146.16, 135.13, 2.637, 72.15, 0.3),
    (5, 0.953, 146.76, 135.72, 2.637, 72.15, 0.3),
    (6, 0.945, 147.04, 136.01, 2.637, 72.15, 0.3),
    (7, 0.9997, 0.0, 0.0, 0.967, 28.0135, 0.3),
    (8, 0.9981, 37.044, 33.367, 0.5546, 16.043, 0.1),
    (9, 0.9947, 0.0, 0.0, 1.528, 44.01, 0.3),
    (10, 0.992, 64.91, 59.39, 1.046, 30.07, 0.1),
    (17, 0.9993, 0.0, 0.0, 1.105, 31.9988, 0.3),
]
METHANE = 8

# (name, controller record of 20 values, volume?, kcal?, GOST?, corrected?)
CASES = [
    ("pipeline gas",
     [0.05, 0.9, 0.15, 0.2, 0.01, 0.05, 0.04, 1.2, 93.5, 0.6, 3.2,
      38.52, 0.7211, 49.95, 0.9978, 99.92, 12.5, 0.02, 34.74, 0.5987],
     False, False, True, False),
    ("rich gas",
     [0.3, 5.0, 1.2, 1.8, 0.05, 0.4, 0.35, 2.5, 78.0, 1.1, 9.0,
      45.1, 0.8602, 53.4, 0.9961, 99.75, 8.25, 0.05, 41.0, 0.7142],
     True, True, True, True),
    ("lean gas",
     [0.0, 0.1, 0.01, 0.01, 0.0, 0.0, 0.0, 8.0, 88.5, 2.5, 0.8,
      33.9, 0.7075, 44.6, 0.9980, 100.02, -3.5, 0.1, 30.5, 0.5874],
     False, True, False, True),
]


def recalc(record, volume, kcal, gost, corrected):
    x = [record[slot] for slot, *_ in COMPONENTS]
    out = list(record)
    did_correct = False
    if corrected:
        others = sum(v for k, v in enumerate(x) if k != METHANE)
        if others != 0 or record[8] != 0:
            x[METHANE] = 100 - others
            did_correct = True
    zsum = sum(v * c[1] for v, c in zip(x, COMPONENTS))
    phi = [v * c[1] / zsum * 100 for v, c in zip(x, COMPONENTS)]
    shown = phi if volume else x
    for v, c in zip(shown, COMPONENTS):
        out[c[0]] = v
    out[15] = sum(phi) if volume else (100.0 if did_correct else sum(x))
    unit = KCAL if kcal else 1.0
    if gost:
        hs = sum(p * c[2] * unit * 0.01 for p, c in zip(phi, COMPONENTS))
        hi = sum(p * c[3] * unit * 0.01 for p, c in zip(phi, COMPONENTS))
        d = sum(p * c[4] * 0.01 for p, c in zip(phi, COMPONENTS))
        out[11], out[18], out[19] = hs, hi, d
        out[12] = d * 1.20445
        out[13] = hs / math.sqrt(d)
    else:
        out[11], out[18], out[13] = record[11] * unit, record[18] * unit, record[13] * unit
    return [f32(v) for v in out]


def uncertainties(rec, kcal):
    ux = [rec[c[0]] ** 0.55 * 0.015 * 2 * 0.01 for c in COMPONENTS]
    m = COMPONENTS[METHANE]

    def heat(col):
        a = sum((u * (c[col] - m[col])) ** 2 for u, c in zip(ux, COMPONENTS))
        b = sum((c[6] * c[col] * 0.01 * rec[c[0]] * 0.01) ** 2 for c in COMPONENTS)
        return math.sqrt(a + b)

    um = math.sqrt(sum(((c[5] - m[5]) * u) ** 2 for u, c in zip(ux, COMPONENTS)))
    ud = um / 28.9626
    to_mj = 0.0041827 if kcal else 1.0
    r = math.sqrt((ud / (2 * rec[19])) ** 2 + (heat(2) / (rec[11] * to_mj)) ** 2)
    return {11: heat(2), 18: heat(3), 19: ud, 12: um * 101.325 / (8.3145 * 293.15),
            13: rec[13] * r * to_mj}


for name, record, volume, kcal, gost, corrected in CASES:
    out = recalc([f32(v) for v in record], volume, kcal, gost, corrected)
    props = uncertainties(out, kcal)
    print(name)
    print("  record: {" + ", ".join("%.9gf" % v for v in out) + "}")
    print("  U(11, 12, 13, 18, 19): {" + ", ".join("%.17g" % props[s] for s in (11, 12, 13, 18, 19)) + "}")
