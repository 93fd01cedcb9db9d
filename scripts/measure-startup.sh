#!/bin/sh
# Measures the main window under Xvfb (one X server for all runs):
#   - start to first paint: from just before exec to the moment the window's
#     first paint has been flushed, median of 20 runs (RUNS=n for another
#     number; this machine's pauses leave a median of ten unsteady), and the
#     part of it spent inside the program, after the libraries are loaded;
#   - peak memory (VmHWM) and resident memory 4 s after the start, of the
#     program and of the one-label window, and their ratios;
#   - click to report: from the release of the mouse button on the reading
#     button to the first paint of the results panel, median of 5 runs;
#   - the first offer of places: "Pu" typed into the City box (Alt+C) the
#     moment the window has painted, and the time from the first paint, and
#     from that first key, until the atlas's places show under the box,
#     median of 5 runs;
#   - the same start to first paint of the smallest Qt window (one label,
#     bench/startup_baseline), of the program started in Hindi
#     (LANG=hi_IN.UTF-8) and of another build of the program when one is
#     given, their runs taking turns with the program's, and the ratios;
#   - where the program's time to first paint goes: the median moment of
#     each step of its start (the probe's "stage-ms" lines), beside the
#     one-label window's;
#   - the report tool's whole-process CPU time (user and system) of a typed
#     reading, of a reading by --place and of --find-place, median of 10
#     runs taking turns, and the ratios to the typed reading.
# The program reports its own moments when RASHI_DRISHTI_PROBE is set.
#
#   scripts/measure-startup.sh [path/to/rashi-drishti [path/to/other/rashi-drishti]]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/bin/rashi-drishti}
[ -x "$program" ] || { echo "no program at $program (build first)"; exit 1; }
baseline=$(dirname "$program")/startup_baseline
[ -x "$baseline" ] || { echo "no baseline at $baseline (build first)"; exit 1; }
other=${2:-}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"
export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export RASHI_DRISHTI_LOCK="$work/instance.lock"
export PROGRAM="$program" BASELINE="$baseline" OTHER="$other" WORK="$work" DRIVE="$here/scripts/type-birth.sh"
export RUNS="${RUNS:-20}"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  # One run first, so that the update reminder has stored its date and the
  # page cache is warm.
  RASHI_DRISHTI_PROBE=first-paint "$PROGRAM" >/dev/null
  RASHI_DRISHTI_PROBE=first-paint "$BASELINE" >/dev/null
  [ -z "$OTHER" ] || RASHI_DRISHTI_PROBE=first-paint "$OTHER" >/dev/null

  # paint NAME PROGRAM: one start, its figures appended to NAME-us and NAME-ms.
  paint() {
    # Let the X server finish with the previous client: a start within a
    # moment of the last exit waits ~35 ms on the server, which is not ours.
    sleep 1
    start=$(date +%s%N)
    env ${3:-} RASHI_DRISHTI_PROBE=first-paint "$2" >"$WORK/paint.out"
    painted=$(sed -n "s/^first-paint-ns //p" "$WORK/paint.out")
    echo $(( (painted - start) / 1000 )) >>"$WORK/$1-us"
    sed -n "s/^main-to-paint-ms //p" "$WORK/paint.out" >>"$WORK/$1-ms"
    sed -n "s/^stage-ms //p" "$WORK/paint.out" >>"$WORK/$1-stages"
  }
  RASHI_DRISHTI_PROBE=first-paint LANG=hi_IN.UTF-8 "$PROGRAM" >/dev/null
  for i in $(seq 1 "$RUNS"); do
    paint paint "$PROGRAM"
    paint baseline "$BASELINE"
    paint hindi "$PROGRAM" LANG=hi_IN.UTF-8
    [ -z "$OTHER" ] || paint other "$OTHER"
  done

  for i in 1 2 3 4 5; do
    sleep 1
    # A run whose keys go astray would wait for its offer for ever: 20 s at most.
    RASHI_DRISHTI_PROBE=first-offer timeout 20 "$PROGRAM" >"$WORK/offer.out" &
    pid=$!
    while ! grep -q "^first-paint-ns" "$WORK/offer.out"; do sleep 0.005; done
    win=$(xdotool search --onlyvisible --name "Tarvek Rashi Drishti" | head -n 1)
    xdotool windowfocus --sync "$win" key alt+c type --delay 0 "Pu"
    wait "$pid" || true
    sed -n "s/^paint-to-offer-ms //p" "$WORK/offer.out" >>"$WORK/offer-paint-ms"
    sed -n "s/^key-to-offer-ms //p" "$WORK/offer.out" >>"$WORK/offer-key-ms"
  done

  # Memory 4 s after the start, the program and the one-label window alike.
  "$PROGRAM" &
  pid=$!
  sleep 4
  grep -E "^(VmHWM|VmRSS)" /proc/$pid/status >"$WORK/memory"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  "$BASELINE" &
  pid=$!
  sleep 4
  grep -E "^(VmHWM|VmRSS)" /proc/$pid/status >"$WORK/baseline-memory"
  kill "$pid"; wait "$pid" 2>/dev/null || true

  for i in 1 2 3 4 5; do
    RASHI_DRISHTI_PROBE=reading timeout 30 "$PROGRAM" >"$WORK/reading.out" &
    pid=$!
    win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti" | head -n 1)
    "$DRIVE" "$win"
    "$DRIVE" --click "$win"
    wait "$pid" || true
    sed -n "s/^click-to-report-ms //p" "$WORK/reading.out" >>"$WORK/reading-ms"
  done
'

# The report tool, without a display: typed, by the atlas, and a search.
report_tool=$(dirname "$program")/rashi-drishti-report
if [ -x "$report_tool" ]; then
  for i in 1 2 3 4 5 6 7 8 9 10; do
    for kind in typed place find; do
      case $kind in
        typed) set -- --name Ada --date 1990-05-12 --time 06:30 --zone 22 --lat 18:31N --lon 73:51E \
                      --city Pune --state Maharashtra --country India ;;
        place) set -- --name Ada --date 1990-05-12 --time 06:30 --place Pune ;;
        find)  set -- --find-place Pune ;;
      esac
      # The child's own user and system time, to the microsecond (the
      # system's Python: a wrapper of another would count its own children).
      /usr/bin/python3 -c 'import resource, subprocess, sys
subprocess.run(sys.argv[1:], stdout=subprocess.DEVNULL, check=True)
u = resource.getrusage(resource.RUSAGE_CHILDREN)
print(f"{(u.ru_utime + u.ru_stime) * 1000:.1f}")' "$report_tool" "$@" >>"$work/tool-$kind"
    done
  done
fi

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "load average: $(cut -d" " -f1-3 /proc/loadavg), $(nproc) cores"
report() {
  echo "$1 (median of $(wc -l <"$work/$2-us") runs): $(median "$work/$2-us" | awk '{ printf "%.1f", $1 / 1000 }') ms"
  echo "  all runs (ms): $(sort -n "$work/$2-us" | awk '{ printf "%.1f ", $1 / 1000 }')"
  echo "  of which inside the program, from its start-up code (median): $(median "$work/$2-ms") ms"
}
report "start to first paint" paint
report "one-label Qt window, same measure" baseline
echo "  ratio program / one-label window: $(echo "$(median "$work/paint-us") $(median "$work/baseline-us")" | awk '{ printf "%.2f", $1 / $2 }')"
# The fastest runs, as the machine's own pauses (runs of a few tens of ms
# longer now and then) leave a median of ten unsteady.
fastest() { sort -n "$1" | head -n 1; }
echo "  fastest runs: $(fastest "$work/paint-us" | awk '{ printf "%.1f", $1 / 1000 }') ms and $(fastest "$work/baseline-us" | awk '{ printf "%.1f", $1 / 1000 }') ms, ratio $(echo "$(fastest "$work/paint-us") $(fastest "$work/baseline-us")" | awk '{ printf "%.2f", $1 / $2 }')"
report "the program started in Hindi, same measure" hindi
echo "  ratio Hindi / English: $(echo "$(median "$work/hindi-us") $(median "$work/paint-us")" | awk '{ printf "%.2f", $1 / $2 }'), fastest runs $(echo "$(fastest "$work/hindi-us") $(fastest "$work/paint-us")" | awk '{ printf "%.2f", $1 / $2 }')"
# The steps of the start: each one's median moment, in ms from the start-up code.
stages() {
  for stage in $(awk '!seen[$1]++ { print $1 }' "$work/$1-stages"); do
    awk -v s="$stage" '$1 == s { print $2 }' "$work/$1-stages" >"$work/stage"
    printf "    %-24s %6.1f ms\n" "$stage" "$(median "$work/stage")"
  done
}
echo "  where the time goes (median moment of each step, from the start-up code):"
echo "   the program:"; stages paint
echo "   the one-label window:"; stages baseline
if [ -n "$other" ]; then
  report "the other build ($other)" other
  echo "  ratio program / other build: $(echo "$(median "$work/paint-us") $(median "$work/other-us")" | awk '{ printf "%.2f", $1 / $2 }'), fastest runs $(echo "$(fastest "$work/paint-us") $(fastest "$work/other-us")" | awk '{ printf "%.2f", $1 / $2 }')"
fi
echo "first paint to the atlas's offer for the first keys (median of $(wc -l <"$work/offer-paint-ms") runs): $(median "$work/offer-paint-ms") ms"
echo "  all runs (ms): $(sort -n "$work/offer-paint-ms" | tr '\n' ' ')"
echo "  from the first key typed: $(median "$work/offer-key-ms") ms (all: $(sort -n "$work/offer-key-ms" | tr '\n' ' '))"
echo "memory 4 s after start: $(tr -s ' \t' ' ' <"$work/memory" | tr '\n' ' ')"
echo "  one-label window: $(tr -s ' \t' ' ' <"$work/baseline-memory" | tr '\n' ' ')"
kb() { sed -n "s/^$1:[[:space:]]*\([0-9]*\).*/\1/p" "$2"; }
echo "  ratios program / one-label window: resident $(echo "$(kb VmRSS "$work/memory") $(kb VmRSS "$work/baseline-memory")" | awk '{ printf "%.2f", $1 / $2 }'), peak $(echo "$(kb VmHWM "$work/memory") $(kb VmHWM "$work/baseline-memory")" | awk '{ printf "%.2f", $1 / $2 }')"
echo "click to report (median of $(wc -l <"$work/reading-ms") runs): $(median "$work/reading-ms") ms"
echo "  all runs (ms): $(sort -n "$work/reading-ms" | tr '\n' ' ')"
if [ -s "$work/tool-typed" ]; then
  echo "report tool, whole-process CPU time (user + system, median of 10 runs):"
  echo "  typed reading $(median "$work/tool-typed") ms, by --place $(median "$work/tool-place") ms, --find-place $(median "$work/tool-find") ms"
  echo "  ratios to the typed reading: --place $(echo "$(median "$work/tool-place") $(median "$work/tool-typed")" | awk '{ printf "%.2f", $1 / $2 }'), --find-place $(echo "$(median "$work/tool-find") $(median "$work/tool-typed")" | awk '{ printf "%.2f", $1 / $2 }')"
fi
