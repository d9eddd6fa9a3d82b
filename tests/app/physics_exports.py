#!/usr/bin/env python3
"""The board's physics in the exports, against the run's own momenta.

- The force columns of spring and electrostatic catalogue entries without a
  hard contact integrate to the change of momentum within 1e-9 (relative).
- Seen from the centre of mass (--frame cm) the two momenta sum to zero in
  every sample within 1e-9 of either.
- An elastic spring's total energy after the release stays within the drift
  the guide states (0.5 % of the start).
Usage: physics_exports.py SLIDORA
"""
import csv
import io
import math
import subprocess
import sys

slidora = sys.argv[1]
failed = []


def table(*args):
    done = subprocess.run([slidora, "--export-data", "--every-sample", "--full-precision", *args],
                          capture_output=True, text=True)
    if done.returncode != 0:
        return None, done.stderr.strip()
    return [[float(x) for x in row] for row in list(csv.reader(io.StringIO(done.stdout)))[1:]], ""


def check(ok, what):
    if not ok:
        failed.append(what)
        print("FAIL:", what)


def momenta(row, at):   # rmom, rangle, bmom, bangle (radians) from column `at`
    rm, ra, bm, ba = row[at:at + 4]
    return (rm * math.cos(ra), rm * math.sin(ra)), (bm * math.cos(ba), bm * math.sin(ba))


for entry in (7, 13, 8, 16):   # two springs, two electrostatic runs with no contact
    rows, err = table("--catalogue", str(entry), "--ticks", "2000", "--radians", "--columns",
                      "rangle,rmom,bangle,bmom,rforcex,rforcey,bforcex,bforcey")
    if rows is None:
        check(False, f"entry {entry}: {err}")
        continue
    # columns: time, R Angle, R Mom, B Angle, B Mom, forces
    def mom(row, angle, size):
        return row[size] * math.cos(row[angle]), row[size] * math.sin(row[angle])
    for puck, (angle, size, fx) in (("red", (1, 2, 5)), ("black", (3, 4, 7))):
        start, end = mom(rows[0], angle, size), mom(rows[-1], angle, size)
        for axis in (0, 1):
            area = sum(r[fx + axis] * 0.05 for r in rows[1:]) * 100   # N s to kg cm/s
            change = end[axis] - start[axis]
            scale = max(abs(change), 1e-300)
            check(abs(area - change) <= 1e-9 * scale or abs(change) < 1e-12 and abs(area) < 1e-12,
                  f"entry {entry} {puck} {'xy'[axis]}: area {area!r} against change {change!r}")

frames = 0
for entry in range(1, 18):
    rows, err = table("--catalogue", str(entry), "--ticks", "3000", "--radians", "--frame", "cm", "--columns",
                      "rangle,rmom,bangle,bmom")
    if rows is None:
        check("two pucks" in err, f"entry {entry} refused for another reason: {err}")
        continue
    frames += 1
    worst = 0.0
    for r in rows:
        (ax, ay), (bx, by) = (r[2] * math.cos(r[1]), r[2] * math.sin(r[1])), (r[4] * math.cos(r[3]),
                                                                             r[4] * math.sin(r[3]))
        either = max(math.hypot(ax, ay), math.hypot(bx, by), 1e-12)
        worst = max(worst, math.hypot(ax + bx, ay + by) / either)
    check(worst <= 1e-9, f"entry {entry}: momenta from the centre of mass sum to {worst:.3g} of either")
check(frames >= 10, f"only {frames} entries have a centre-of-mass frame")

rows, err = table("--catalogue", "7", "--ticks", "2000", "--columns", "springenergy,totalenergy")
if rows is None:
    check(False, err)
else:
    start = rows[0][2]
    released = max(i for i, r in enumerate(rows) if r[1] != 0) + 1
    drift = max(abs(r[2] - start) for r in rows[released:]) / start
    check(drift <= 0.005, f"the elastic spring's total after the release strays {100 * drift:.3g} %")
print("ok: forces integrate to the change of momentum, the centre-of-mass momenta cancel, the energy holds"
      if not failed else "")
sys.exit(1 if failed else 0)
