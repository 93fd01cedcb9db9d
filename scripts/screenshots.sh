#!/bin/sh
# Takes the README's pictures of the main window from the real program under
# Xvfb: the places the atlas offers for a city being typed, the input panel
# with a birth typed in and its place picked, the results panel after a
# click on the reading button, and the chart with the Moon chosen in both
# styles.
#
#   scripts/screenshots.sh [path/to/rashi-drishti] [output folder]
#
# Needs xvfb-run, xdotool and ImageMagick's import.
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-$here/build/bin/rashi-drishti}
out=${2:-$here/docs/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/runtime"

export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export RASHI_DRISHTI_LOCK="$work/instance.lock"
export PROGRAM="$program" OUT="$out" DRIVE="$here/scripts/type-birth.sh"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  "$PROGRAM" &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti")
  "$DRIVE" "$win"
  # The City box (its row does not move before a place is picked): a city
  # typed anew, the atlas offering its places, the first one picked.
  sleep 1
  xdotool mousemove --window "$win" 400 245 click --repeat 3 1 key BackSpace
  xdotool type --delay 60 "Calcutta"
  sleep 0.6
  import -window root -crop 720x430+0+0 "$OUT/atlas-offer.png"
  xdotool key Down Return
  sleep 0.3
  import -window "$win" "$OUT/input-panel.png"
  "$DRIVE" --click "$win"
  sleep 0.5
  import -window "$win" "$OUT/results-panel.png"
  # The Moon chosen by a click on its name in the chart, in both styles.
  xdotool mousemove --window "$win" 258 464 click 1
  sleep 0.3
  import -window "$win" "$OUT/chart-south.png"
  xdotool key alt+o
  sleep 0.3
  xdotool key n
  sleep 0.5
  import -window "$win" "$OUT/chart-north.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
'
echo "wrote atlas-offer.png, input-panel.png, results-panel.png, chart-south.png and chart-north.png in $out"
