#!/usr/bin/env python3
"""Checks the report tool's Jaimini keys against a reference ephemeris.

For random births 1901-2050 (Greenwich Mean Time, random places) it runs
`rashi-drishti-report --json --precise` and Debian's `swetest` (Lahiri, mean
node; a development reference only, never part of the build), and computes
from swetest's longitudes, independently of the program, the karakas, the
karakamsa, the navamsa signs, the arudha padas and the houses aspected. It
prints how many births agree on each; a disagreement lists the body's
distance from the nearest edge (3°20' for the navamsa, a sign for the rest,
the gap between two bodies' degrees for the karakas).

Usage: scripts/check-jaimini.py [COUNT] [TOOL]
"""
import json
import random
import subprocess
import sys

count = int(sys.argv[1]) if len(sys.argv) > 1 else 150
tool = sys.argv[2] if len(sys.argv) > 2 else "build/bin/rashi-drishti-report"
SIGNS = ["Mesha", "Vrishabha", "Mithuna", "Kataka", "Simha", "Kanya",
         "Thula", "Vrischika", "Dhanus", "Makara", "Kumbha", "Meena"]
MOVABLE, FIXED, DUAL = (0, 3, 6, 9), (1, 4, 7, 10), (2, 5, 8, 11)
LORDS = [4, 3, 2, 1, 0, 2, 3, 4, 5, 6, 6, 5]  # report rows: Sun 0 .. Saturn 6, Rahu 7, Ketu 8
SUN, MOON, MERCURY, VENUS, MARS, JUPITER, SATURN, RAHU, KETU = range(9)


def aspects(a, b):  # our rule: the other signs of one quality
    return a != b and any(a in q and b in q for q in (MOVABLE, FIXED, DUAL))


def swetest(year, month, day, hour, minute, lat, lon):
    args = ["swetest", f"-b{day}.{month}.{year}", f"-ut{hour}:{minute:02d}:00", "-sid1", "-emos",
            "-fPl", "-p0123456m", f"-house{lon},{lat},P", "-head"]
    out = subprocess.run(args, capture_output=True, text=True, check=True).stdout
    values = {}
    for line in out.splitlines():
        name, _, number = line.rpartition(" ")
        values[name.strip()] = float(number)
    bodies = [values[n] for n in ("Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn", "mean Node")]
    bodies.append((bodies[7] + 180) % 360)
    return bodies, values["Ascendant"]


def degrees(row, longitude):
    within = longitude % 30
    return 30 - within if row in (RAHU, KETU) else within


def stronger(a, b, sign, signs, longs):
    if (signs[a] == sign) != (signs[b] == sign):
        return b if signs[a] == sign else a
    def companions(x): return sum(1 for k in range(9) if k != x and signs[k] == signs[x])
    def supporters(x):
        group = {JUPITER, MERCURY, LORDS[signs[x]]} - {x}
        return sum(1 for k in group if signs[k] == signs[x] or aspects(signs[k], signs[x]))
    exalt = {SATURN: 6, RAHU: 1, MARS: 9, KETU: 7}
    def kind(x): return 3 if signs[x] in DUAL else 2 if signs[x] in FIXED else 1
    for f in (companions, supporters, lambda x: signs[x] == exalt[x], kind, lambda x: degrees(x, longs[x])):
        if f(a) != f(b):
            return a if f(a) > f(b) else b
    return a


def padas(lagna, signs, longs):
    result = []
    for h in range(12):
        s = (lagna + h) % 12
        lord = LORDS[s]
        if s == 7: lord = stronger(MARS, KETU, s, signs, longs)
        if s == 10: lord = stronger(SATURN, RAHU, s, signs, longs)
        n = (signs[lord] - s) % 12
        p = (signs[lord] + n) % 12
        if p == s: p = (s + 9) % 12
        elif p == (s + 6) % 12: p = (s + 3) % 12
        result.append(SIGNS[p])
    return result


rng = random.Random(25)
agree = {k: 0 for k in ("karakas", "karakamsa", "navamsa", "arudha_padas", "aspected_houses")}
for n in range(count):
    year, month, day = rng.randint(1901, 2050), rng.randint(1, 12), rng.randint(1, 28)
    hour, minute = rng.randint(0, 23), rng.randint(0, 59)
    latd, latm, lond, lonm = rng.randint(0, 60), rng.randint(0, 59), rng.randint(0, 179), rng.randint(0, 59)
    north, east = rng.random() < 0.7, rng.random() < 0.5
    run = subprocess.run([tool, "--json", "--precise", "--name", "A", "--date", f"{year}-{month:02d}-{day:02d}",
                          "--time", f"{hour}:{minute:02d}", "--zone", "29", "--lat", f"{latd}:{latm}{'N' if north else 'S'}",
                          "--lon", f"{lond}:{lonm}{'E' if east else 'W'}", "--city", "A", "--state", "B", "--country", "C"],
                         capture_output=True, text=True, check=True)
    j = json.loads(run.stdout)
    lat = (latd + latm / 60) * (1 if north else -1)
    lon = (lond + lonm / 60) * (1 if east else -1)
    longs, asc = swetest(year, month, day, hour, minute, lat, lon)
    signs = [int(x // 30) for x in longs]
    lagna = int(asc // 30)
    order = sorted(range(8), key=lambda i: -degrees(i, longs[i]))
    names = [p["name"] for p in j["positions"]]
    expected = {
        "karakas": [names[i] for i in order],
        "karakamsa": SIGNS[int(longs[order[0]] // (10 / 3)) % 12],
        "navamsa": (SIGNS[int(asc // (10 / 3)) % 12], [SIGNS[int(x // (10 / 3)) % 12] for x in longs]),
        "arudha_padas": padas(lagna, signs, longs),
        "aspected_houses": [[(t - lagna) % 12 + 1 for t in range(12) if aspects(signs[i], t)] for i in range(9)],
    }
    got = {
        "karakas": j["karakas"]["order"], "karakamsa": j["karakamsa"],
        "navamsa": (j["navamsa"]["lagna"], j["navamsa"]["signs"]),
        "arudha_padas": j["arudha_padas"], "aspected_houses": j["aspected_houses"],
    }
    for key in agree:
        if got[key] == expected[key]:
            agree[key] += 1
        else:
            near = min(min(x % (10 / 3), 10 / 3 - x % (10 / 3)) for x in longs + [asc]) * 60
            print(f"{year}-{month:02d}-{day:02d} {hour}:{minute:02d} {lat:.2f} {lon:.2f} {key}: "
                  f"got {got[key]} reference {expected[key]} (nearest navamsa edge {near:.1f}')")
for key, n in agree.items():
    print(f"{key}: {n}/{count}")
