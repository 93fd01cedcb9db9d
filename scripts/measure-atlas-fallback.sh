#!/bin/sh
# Measures how long the report tool takes to find a place (--find-place Pune),
# whole process, wall clock, median of RUNS runs (9 unless given), with the
# atlas as the build leaves it:
#   - database: places.sqlite beside places.atlas, good;
#   - file only: no database, the atlas file read whole;
#   - damaged database: places.sqlite with its pages overwritten (the
#     regions' keys gone), so the tool says so once and reads the file;
#   - damaged rows: a database whose place rows are gone, found out only when
#     searched, and then the file read.
#
#   scripts/measure-atlas-fallback.sh [path/to/rashi-drishti-report]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
tool=${1:-$here/build/bin/rashi-drishti-report}
[ -x "$tool" ] || { echo "no tool at $tool (build first)"; exit 1; }
share=$(dirname "$tool")/../share/rashi-drishti
[ -f "$share/places.atlas" ] && [ -f "$share/places.sqlite" ] || { echo "no atlas beside $tool (build first)"; exit 1; }
runs=${RUNS:-9}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export RASHI_OWN_PLACES="$work/none.sqlite"
for setup in database file damaged rows; do
    mkdir "$work/$setup"
    cp "$share/places.atlas" "$work/$setup/places.atlas"
done
cp "$share/places.sqlite" "$work/database/places.sqlite"
cp "$share/places.sqlite" "$work/damaged/places.sqlite"
sqlite3 "$work/damaged/places.sqlite" "PRAGMA writable_schema = 1; UPDATE sqlite_schema SET sql = replace(sql, 'key TEXT NOT NULL, code_key', 'key TEXT, code_key') WHERE name = 'regions'; PRAGMA writable_schema = 0;" 2>/dev/null ||
    python3 - "$work/damaged/places.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("PRAGMA writable_schema = 1")
db.execute("UPDATE sqlite_schema SET sql = replace(sql, 'key TEXT NOT NULL, code_key', 'key TEXT, code_key') WHERE name = 'regions'")
db.commit()
PY
python3 - "$work/damaged/places.sqlite" "$work/rows/places.sqlite" "$share/places.sqlite" <<'PY'
import shutil, sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("UPDATE regions SET key = NULL")
db.commit()
db.close()
shutil.copy(sys.argv[3], sys.argv[2])
db = sqlite3.connect(sys.argv[2])
db.execute("DELETE FROM places")
db.commit()
PY

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }
for setup in database file damaged rows; do
    export RASHI_ATLAS="$work/$setup/places.atlas"
    "$tool" --find-place Pune > /dev/null 2> "$work/said"
    times=$(for i in $(seq "$runs"); do
        start=$(date +%s%N)
        "$tool" --find-place Pune > /dev/null 2>&1
        end=$(date +%s%N)
        echo $(( (end - start) / 1000000 ))
    done | median)
    printf '%-16s %5s ms   %s\n' "$setup" "$times" "$(head -c 120 "$work/said" | tr '\n' ' ')"
done
