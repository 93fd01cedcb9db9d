#!/bin/sh
# Measures the main window under Xvfb (one X server for all runs):
#   - start to first paint: from just before exec to the moment the window's
#     first paint has been flushed, median of 10 runs (and the part of it
#     spent inside the program, after the libraries are loaded);
#   - peak memory (VmHWM) and resident memory while idle, 2 s after the window
#     is shown, the browser window not opened;
#   - click to report: from the release of the mouse button on the reading
#     button to the first paint of the results panel, median of 5 runs.
# The program reports its own moments when RASHI_DRISHTI_PROBE is set.
#
#   scripts/measure-startup.sh [path/to/rashi-drishti]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/bin/rashi-drishti}
[ -x "$program" ] || { echo "no program at $program (build first)"; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export RASHI_DRISHTI_LOCK="$work/instance.lock"
export PROGRAM="$program" WORK="$work" DRIVE="$here/scripts/type-birth.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  # One run first, so that the update reminder has stored its date and the
  # page cache is warm.
  RASHI_DRISHTI_PROBE=first-paint "$PROGRAM" >/dev/null

  for i in 1 2 3 4 5 6 7 8 9 10; do
    # Let the X server finish with the previous client: a start within a
    # moment of the last exit waits ~35 ms on the server, which is not ours.
    sleep 1
    start=$(date +%s%N)
    RASHI_DRISHTI_PROBE=first-paint "$PROGRAM" >"$WORK/paint.out"
    painted=$(sed -n "s/^first-paint-ns //p" "$WORK/paint.out")
    echo $(( (painted - start) / 1000 )) >>"$WORK/paint-us"
    sed -n "s/^main-to-paint-ms //p" "$WORK/paint.out" >>"$WORK/main-ms"
  done

  "$PROGRAM" &
  pid=$!
  xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti" >/dev/null
  sleep 2
  grep -E "^(VmHWM|VmRSS)" /proc/$pid/status >"$WORK/memory"
  kill "$pid"; wait "$pid" 2>/dev/null || true

  for i in 1 2 3 4 5; do
    RASHI_DRISHTI_PROBE=reading "$PROGRAM" >"$WORK/reading.out" &
    pid=$!
    win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti" | head -n 1)
    "$DRIVE" "$win"
    "$DRIVE" --click "$win"
    wait "$pid" || true
    sed -n "s/^click-to-report-ms //p" "$WORK/reading.out" >>"$WORK/reading-ms"
  done
'

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "load average: $(cut -d" " -f1-3 /proc/loadavg), $(nproc) cores"
echo "start to first paint (median of $(wc -l <"$work/paint-us") runs): $(median "$work/paint-us" | awk '{ printf "%.1f", $1 / 1000 }') ms"
echo "  all runs (ms): $(sort -n "$work/paint-us" | awk '{ printf "%.1f ", $1 / 1000 }')"
echo "  of which inside the program, from its start-up code (median): $(median "$work/main-ms") ms;"
echo "  the rest is loading and linking the libraries"
echo "idle memory: $(tr -s ' \t' ' ' <"$work/memory" | tr '\n' ' ')"
echo "click to report (median of $(wc -l <"$work/reading-ms") runs): $(median "$work/reading-ms") ms"
echo "  all runs (ms): $(sort -n "$work/reading-ms" | tr '\n' ' ')"
