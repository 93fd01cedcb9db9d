#!/bin/sh
# Starts the real main window under Xvfb with the accessibility bus on, and
# reads it with scripts/atspi-check.py: the input panel, then (a birth typed
# in and read, by scripts/type-birth.sh) the results panel. Returns 77 (skipped) when Xvfb, D-Bus,
# the accessibility bus or Python's Atspi module is missing.
#
#   scripts/atspi-check.sh [path/to/rashi-drishti]
#   scripts/atspi-check.sh --hindi [path/to/rashi-drishti]   started with LANG=hi_IN.UTF-8:
#                                      every control named in Devanagari
set -eu
hindi=
if [ "${1:-}" = "--hindi" ]; then hindi=--hindi; shift; fi
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/bin/rashi-drishti}
[ -x "$program" ] || { echo "no program at $program (build first)"; exit 1; }
for tool in xvfb-run dbus-run-session /usr/libexec/at-spi-bus-launcher xdotool; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool missing"; exit 77; }
done
# The system's Python: the gi bindings come from Debian's python3-gi.
python=/usr/bin/python3
[ -x "$python" ] || python=python3
"$python" -c 'import gi; gi.require_version("Atspi", "2.0"); from gi.repository import Atspi' 2>/dev/null \
  || { echo "skipped: Python's Atspi module missing"; exit 77; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export RASHI_DRISHTI_LOCK="$work/instance.lock" PROGRAM="$program" CHECK="$here/scripts/atspi-check.py" PYTHON="$python"
export DRIVE="$here/scripts/type-birth.sh" HINDI="$hindi"
# The program alone is started on a Hindi system (the machine need not have
# the locale: Qt reads the name).
program_lang=
if [ -n "$hindi" ]; then program_lang=hi_IN.UTF-8; fi
export PROGRAM_LANG="$program_lang"

exec xvfb-run -a -s "-screen 0 1280x1024x24" dbus-run-session -- sh -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  bus=$!
  sleep 1
  env ${PROGRAM_LANG:+LANG=$PROGRAM_LANG LC_ALL= LC_MESSAGES=} QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 "$PROGRAM" &
  program=$!
  status=0
  "$PYTHON" "$CHECK" $HINDI "Rashi Drishti" || status=$?
  win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti" | head -n 1)
  "$DRIVE" "$win"
  "$DRIVE" --click "$win"
  sleep 1
  "$PYTHON" "$CHECK" $HINDI --results "Rashi Drishti" || status=$?
  kill "$program" "$bus" 2>/dev/null || true
  wait "$program" 2>/dev/null || true
  exit $status
'
