#!/bin/sh
# Takes the README's pictures of the main window from the real program under
# Xvfb: the places the atlas offers for a city being typed, the input panel
# with a birth typed in and its place picked, the results panel after a
# click on the reading button, and the chart with the Moon chosen in both
# styles; then the results of a crowded chart (eight bodies in one house,
# the longest sentence there is) on a 1366 by 768 screen, at 100% and at
# 200% scale.
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
  xdotool mousemove --window "$win" 258 529 click 1
  sleep 0.3
  import -window "$win" "$OUT/chart-south.png"
  xdotool key alt+p
  sleep 0.3
  xdotool key n
  sleep 0.5
  import -window "$win" "$OUT/chart-north.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
'

# 4 February 1962, 12:00 GMT in London: seven bodies and the South Node in
# Makara. Day and month are lists (Down moves on), the rest typed as above.
crowded() { # SCREEN SCALE PICTURE
  rm -f "$RASHI_DRISHTI_LOCK"
  # Settings of their own: the diagram in its first style.
  XDG_CONFIG_HOME="$work/config-$1" QT_SCALE_FACTOR=$2 PICTURE=$3 xvfb-run -a -s "-screen 0 ${1}x24" sh -eu -c '
    "$PROGRAM" &
    pid=$!
    win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti")
    xdotool windowfocus --sync "$win"
    sleep 0.5
    xdotool type --delay 40 "Ada Lovelace"
    xdotool key Tab Down Down Down Tab Down
    for text in 1962 12 - Greenwich 51 30 0 0 London England UK; do
      xdotool key Tab
      case $text in -) ;; *) xdotool type --delay 40 "$text" ;; esac
    done
    xdotool key alt+g
    sleep 1
    import -window "$win" "$OUT/$PICTURE"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
  '
}
crowded 1366x768 1 results-1366x768.png
crowded 2732x1536 2 results-scale-200.png

# The results in Hindi, as a system in Hindi starts the program, and the
# user's own places (File, Places...) with one place added by the report tool.
rm -f "$RASHI_DRISHTI_LOCK"
export RASHI_OWN_PLACES="$work/own-places.sqlite"
"$(dirname "$program")/rashi-drishti-report" --add-place "Ozarkhed, Maharashtra, India" --lat 20:05N --lon 73:58E \
  --zone-id Asia/Kolkata >/dev/null
XDG_CONFIG_HOME="$work/config-hindi" LANG=hi_IN.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  "$PROGRAM" &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti")
  "$DRIVE" "$win"
  "$DRIVE" --click "$win"
  sleep 1
  import -window "$win" "$OUT/results-hindi.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
'
rm -f "$RASHI_DRISHTI_LOCK"
XDG_CONFIG_HOME="$work/config-places" xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  "$PROGRAM" &
  pid=$!
  win=$(xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti")
  xdotool windowfocus --sync "$win" key alt+f
  sleep 0.3
  xdotool key l
  sleep 1
  import -window root -crop 900x520+0+0 "$OUT/own-places.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
'
echo "wrote atlas-offer.png, input-panel.png, results-panel.png, chart-south.png, chart-north.png," \
     "results-1366x768.png, results-scale-200.png, results-hindi.png and own-places.png in $out"
