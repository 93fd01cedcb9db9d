#!/bin/sh
# End to end on the installed program under Xvfb: install the build into a
# scratch prefix, start it, type a birth with xdotool, middle-click digits
# into the name box (refused with a note beside it, no box), click the reading button, and
# check on screenshots that the report appeared; then start a second copy and
# check that it only says "Application is already running", and a third with
# a chart file, which the running copy opens; last, a copy started with
# --lang hi and a chart shows that chart's reading.
#
#   end_to_end.sh BUILD_DIR WORK_DIR
# Exit 77 (skipped) when a tool is missing.
set -eu
build=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
drive=$here/../../scripts/type-birth.sh
magick=/usr/bin/convert

for tool in xvfb-run xdotool xprop import cmake; do
  command -v "$tool" >/dev/null 2>&1 || { echo "skipped: $tool is missing"; exit 77; }
done
[ -x "$magick" ] || { echo "skipped: ImageMagick convert is missing"; exit 77; }

rm -rf "$work"
mkdir -p "$work/runtime"
chmod 700 "$work/runtime"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log"
program=$work/prefix/bin/rashi-drishti
[ -x "$program" ] || { echo "not installed: $program"; exit 1; }

export XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache" XDG_RUNTIME_DIR="$work/runtime"
export RASHI_DRISHTI_LOCK="$work/instance.lock"
export PROGRAM="$program" WORK="$work" DRIVE="$drive" CHART="$here/../../data/greenwich-2000.kqa"

xvfb-run -a -s "-screen 0 1280x1024x24" sh -eu -c '
  "$PROGRAM" 2>"$WORK/first.log" &
  first=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "Tarvek Rashi Drishti" | head -n 1)
  "$DRIVE" "$win"
  import -window "$win" "$WORK/input.png"

  # The window icon, set once the window has painted, in its three sizes.
  icons=
  for i in $(seq 1 50); do
    icons=$(xprop -id "$win" _NET_WM_ICON | grep -o "Icon ([0-9]* x [0-9]*)" | tr "\n" " " || true)
    [ -n "$icons" ] && break
    sleep 0.1
  done
  [ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48) " ] || { echo "FAIL: window icons: [$icons]"; kill "$first"; exit 1; }

  # Middle-click pastes the X selection: the digits of the latitude box
  # (selected with a double click) must not enter the name box.
  xdotool mousemove --window "$win" 133 187 click --repeat 2 1
  sleep 0.3
  mainwins=$(xdotool search --onlyvisible --name "Tarvek Rashi Drishti")
  xdotool mousemove --window "$win" 400 65 click 2
  # Refused, and said beside the box: no window of the program opens to
  # take the keys typed next.
  sleep 1
  import -window root "$WORK/middle-click.png"
  boxes=$(printf "%s\n" $(xdotool search --onlyvisible --name "Tarvek Rashi Drishti") | grep -vxF "$mainwins" || true)
  [ -z "$boxes" ] || { echo "FAIL: a window opened after a middle-click paste of digits into the name box"; kill "$first"; exit 1; }
  "$DRIVE" --click "$win"
  sleep 1
  import -window "$win" "$WORK/results.png"

  # A second start: one message box, and the program ends when it is closed.
  before=$(xdotool search --onlyvisible --name "Tarvek Rashi Drishti" | sort)
  "$PROGRAM" 2>"$WORK/second.log" &
  second=$!
  box=
  for i in $(seq 1 100); do
    box=$(printf "%s\n" $(xdotool search --onlyvisible --name "Tarvek Rashi Drishti") | grep -vxF "$before" | head -n 1 || true)
    [ -n "$box" ] && break
    sleep 0.1
  done
  [ -n "$box" ] || { echo "no window from the second start"; kill "$second" "$first"; exit 1; }
  sleep 0.3
  import -window "$box" "$WORK/second.png"
  xdotool windowfocus "$box"
  sleep 0.2
  xdotool key Return
  status=0
  timeout 20 sh -c "while kill -0 $second 2>/dev/null; do sleep 0.1; done" || status=124
  wait "$second" || status=$?
  echo "$status" >"$WORK/second.status"
  kill -0 "$first"        # the first copy still runs

  # A start with a chart file (as a file manager starts it) hands the file
  # to the running copy, which opens it, and ends without a word.
  "$PROGRAM" "$CHART" 2>"$WORK/third.log"
  opened=$(timeout 20 xdotool search --sync --onlyvisible --name "^greenwich-2000.kqa - " | head -n 1)
  [ "$opened" = "$win" ] || { echo "FAIL: the running copy did not open the chart ($opened)"; kill "$first"; exit 1; }
  kill "$first"
  wait "$first" 2>/dev/null || true

  # The first copy: --lang hi and a chart file on its command line.
  "$PROGRAM" --lang hi "$CHART" 2>"$WORK/fourth.log" &
  fourth=$!
  hindi=$(timeout 20 xdotool search --sync --onlyvisible --name "^greenwich-2000.kqa - " | head -n 1)
  sleep 1
  import -window "$hindi" "$WORK/hindi.png"
  kill "$fourth"
  wait "$fourth" 2>/dev/null || true
'

# The share of a picture's pixels near a colour.
share() {
  "$magick" "$1" -alpha off -fuzz 6% -fill black +opaque "$2" -fill white -opaque "$2" -format "%[fx:mean]" info:
}
orange_before=$(share "$work/input.png" "rgb(255,192,128)")
orange_after=$(share "$work/results.png" "rgb(255,192,128)")
yellow_after=$(share "$work/results.png" "rgb(255,255,128)")
echo "aspect text share: before $orange_before, after $orange_after; positions $yellow_after"
fail=0
awk "BEGIN { exit !($orange_before == 0) }" || { echo "FAIL: aspect colour on the input panel"; fail=1; }
awk "BEGIN { exit !($orange_after > 0.002) }" || { echo "FAIL: no aspect sentences after the click"; fail=1; }
awk "BEGIN { exit !($yellow_after > 0.0005) }" || { echo "FAIL: no positions after the click"; fail=1; }
[ "$(cat "$work/second.status")" = 0 ] || { echo "FAIL: second start ended with $(cat "$work/second.status")"; fail=1; }
box_size=$(identify -format "%w %h" "$work/second.png")
set -- $box_size
[ "$1" -lt 700 ] && [ "$2" -lt 400 ] || { echo "FAIL: the second start showed a big window ($box_size)"; fail=1; }
# The Hindi start shows the reading with its Devanagari (no aspect colour
# without a reading).
hindi_after=$(share "$work/hindi.png" "rgb(255,192,128)")
awk "BEGIN { exit !($hindi_after > 0.0001) }" || { echo "FAIL: no reading in the window started with a chart"; fail=1; }
echo "screenshots in $work"
exit $fail
