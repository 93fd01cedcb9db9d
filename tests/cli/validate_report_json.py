#!/usr/bin/env python3
"""Runs the report tool with --json over a table of readings and validates
every object against docs/report.schema.json.

Usage: validate_report_json.py TOOL SCHEMA SAMPLE_DIR
"""
import json
import os
import subprocess
import sys
import tempfile

try:
    import jsonschema
except ImportError:
    sys.exit("python3-jsonschema is not installed (scripts/setup.sh installs it)")

tool, schema_path, samples = sys.argv[1:4]
greenwich = ["--name", "Ada", "--date", "2000-01-01", "--time", "12:00", "--zone", "29",
             "--lat", "51:28N", "--lon", "0:0E", "--city", "London", "--state", "England", "--country", "UK"]
birth = ["--name", "Ada", "--date", "1942-09-01", "--time", "12:00"]
cases = {
    "a chart file": [samples + "/greenwich-2000.kqa"],
    "the birth as options": greenwich,
    "the precise ephemeris": greenwich + ["--precise"],
    "the window": greenwich + ["--window"],
    "the window, precise, classical rule": greenwich + ["--window", "--precise", "--rule", "classical"],
    "the window at the first minute of the years": ["--name", "Ada", "--date", "1901-01-01", "--time", "00:00",
                                                    "--zone", "29", "--lat", "70:00N", "--lon", "0:0E", "--city", "A",
                                                    "--state", "B", "--country", "C", "--window"],
    "the classical rule": greenwich + ["--rule", "classical"],
    "the Jaimini options": greenwich + ["--jaimini", "--karakas", "7", "--arudha-exceptions", "off", "--window"],
    "the navamsa, precise, with the window": greenwich + ["--navamsa", "--precise", "--window", "--rule", "classical"],
    "the north chart style": greenwich + ["--chart", "north"],
    "a place of the atlas, war time": birth + ["--place", "Kolkata"],
    "a place with a row by hand": birth + ["--place", "Pune", "--zone", "34"],
    "the birthplace's local mean time": ["--name", "Ada", "--date", "1930-06-01", "--time", "12:00",
                                         "--place", "Jeddah"],
    "a zone id by hand, southern and western": ["--name", "Ada", "--date", "1950-07-01", "--time", "12:00",
                                                "--lat", "33:52S", "--lon", "70:40W", "--city", "Santiago",
                                                "--state", "RM", "--country", "Chile",
                                                "--zone-id", "America/Santiago"],
    "a place of the atlas without a state": birth + ["--place", "Singapore"],
    "the window's edge in a repeated hour": ["--name", "Ada", "--date", "2010-11-07", "--time", "01:20 UTC-4:00",
                                             "--zone-id", "America/New_York", "--lat", "40:43N", "--lon", "60:00W",
                                             "--city", "A", "--state", "B", "--country", "C", "--window"],
    "a named ayanamsa, precise": greenwich + ["--precise", "--ayanamsa", "true-citra"],
    "the user's own ayanamsa": greenwich + ["--ayanamsa", "custom:-1.5,50.29"],
    "the nodes aspecting the 5th and 9th": greenwich + ["--graha-drishti", "--node-aspects", "5-9", "--rule", "classical"],
    "the dashas, five levels, another year": greenwich + ["--dasha", "all", "--dasha-levels", "5", "--dasha-year", "360",
                                                          "--chara-exaltation", "on", "--on", "2030-01-01", "--window"],
    "one dasha": greenwich + ["--dasha", "drig", "--precise"],
    "a Julian date with the true node": greenwich + ["--date", "1700-02-29", "--calendar", "julian", "--nodes", "true"],
    "the last day of the years, Julian": greenwich + ["--date", "2400-12-31", "--calendar", "julian", "--window"],
    "the first day of the years": greenwich + ["--date", "1600-01-01", "--window"],
}

with open(schema_path, encoding="utf-8") as f:
    schema = json.load(f)
jsonschema.Draft202012Validator.check_schema(schema)
validator = jsonschema.Draft202012Validator(schema)

failures = 0
for what, args in cases.items():
    run = subprocess.run([tool, *args, "--json"], capture_output=True, text=True)
    if run.returncode != 0:
        print(f"{what}: exit {run.returncode}: {run.stderr.strip()}")
        failures += 1
        continue
    lines = run.stdout.splitlines()
    if len(lines) != 1:
        print(f"{what}: {len(lines)} lines, not one")
        failures += 1
        continue
    for error in validator.iter_errors(json.loads(lines[0])):
        print(f"{what}: {'/'.join(map(str, error.absolute_path)) or '(top)'}: {error.message}")
        failures += 1
# A good --pdf and --svg say nothing on standard error, whatever runtime
# folder the environment gives; the tool's own runtime folder goes at the end.
with tempfile.TemporaryDirectory() as scratch:
    tmp = os.path.join(scratch, "tmp")
    os.mkdir(tmp)
    shared = os.path.join(scratch, "shared")
    os.mkdir(shared, 0o755)
    for what, runtime in {"no runtime folder": None, "one of the wrong mode": shared,
                          "one that is not there": os.path.join(scratch, "none")}.items():
        env = {k: v for k, v in os.environ.items() if k not in ("XDG_RUNTIME_DIR", "QT_QPA_PLATFORM")}
        env["TMPDIR"] = tmp
        if runtime:
            env["XDG_RUNTIME_DIR"] = runtime
        pdf = os.path.join(scratch, "reading.pdf")
        run = subprocess.run([tool, *greenwich, "--pdf", pdf, "--svg", os.path.join(scratch, "chart.svg")],
                             capture_output=True, text=True, env=env)
        if run.returncode != 0 or run.stderr or os.listdir(tmp):
            print(f"--pdf with {what}: exit {run.returncode}, stderr {run.stderr!r}, left {os.listdir(tmp)}")
            failures += 1
print(f"{len(cases)} readings, {failures} failures")
sys.exit(1 if failures else 0)
