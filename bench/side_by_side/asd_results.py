#!/usr/bin/env python3
"""G rms, 3-sigma velocity and displacement of a random profile file, with numpy.

The same line sums as the calculator: the breakpoint profile sampled on the analysis
lines of its range, each level single precision. Prints one JSON object with gref (G rms),
vref (in/s peak) and dref (mils peak-to-peak). Usage: asd_results.py PROFILE
"""
import csv
import json
import sys

import numpy as np

LINES = {0: (200, 256, 2.5), 1: (400, 512, 1.25), 2: (800, 1024, 0.625), 3: (1600, 2048, 0.3125)}


def read_profile(path):
    """The 100 records' six numbers, indexed 1..100 as the file layout numbers them."""
    with open(path, encoding="cp1252", newline="") as f:
        rows = list(csv.reader(f))
    table = np.zeros((101, 6), dtype=np.float32)
    for k, row in enumerate(rows[:100], start=1):
        table[k] = [float(x) for x in row[:6]]
    return table


def results(table):
    params, freq, asd = table[:, 0], table[:, 1], table[:, 3]
    count, _, base = LINES.get(int(params[68]), LINES[1])
    rf = np.float32(2.0 ** (float(params[6]) - 1.0))
    df = np.float32(base * float(rf))

    lines = np.arange(count, dtype=np.float64)
    line_freq = (lines * df).astype(np.float32)
    spectrum = np.full(count, 1e-6, dtype=np.float32)
    for k in range(1, 51):
        if freq[k + 1] == 0:
            break
        lo, hi, a_lo, a_hi = freq[k], freq[k + 1], asd[k], asd[k + 1]
        if not (lo > 0 and hi > 0 and a_lo > 0 and a_hi > 0):
            continue
        slope = np.float32(np.log(float(a_hi) / a_lo) / np.log(float(hi) / lo))
        on = (line_freq >= lo) & (line_freq < hi) & (lines >= 1)
        level = (0.434 * np.log(line_freq[on] / np.float64(lo))).astype(np.float32)
        spectrum[on] = (100.0 * np.sqrt(10.0 ** (level * np.float64(slope)) * a_lo)).astype(
            np.float32)
    if params[22] == 1:
        spectrum = (spectrum * 0.102).astype(np.float32)

    s = spectrum[1:count].astype(np.float64)
    fk = float(rf) * base * lines[1:count]
    g = np.sqrt(s * s * float(rf) * base)
    gref = np.sqrt(np.sum(s * s * (base * 0.0001 * float(rf))))
    vref = 3.0 * np.sqrt(np.sum((g * 0.6145 / fk) ** 2))
    dref = 3.0 * np.sqrt(np.sum((g * 195.6 / fk**2) ** 2))
    return {"gref": float(gref), "vref": float(vref), "dref": float(dref)}


if __name__ == "__main__":
    print(json.dumps(results(read_profile(sys.argv[1]))))
