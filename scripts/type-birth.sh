#!/bin/sh
# Types a birth into the main window with xdotool (X display required):
#   type-birth.sh WINDOW          fills every box and list of the input panel
#   type-birth.sh --click WINDOW  clicks the reading button
# The example: 1 January 2000, 12:00 Greenwich Mean Time, 51°30' N 0°0' E, London.
set -eu
click=no
if [ "${1:-}" = "--click" ]; then click=yes; shift; fi
win=$1

if [ "$click" = yes ]; then
  # The reading button sits at the bottom left of the input panel.
  eval "$(xdotool getwindowgeometry --shell "$win")"
  xdotool mousemove --window "$win" 80 $((HEIGHT - 34)) click 1
  exit 0
fi

xdotool windowfocus --sync "$win"
sleep 0.3
# Focus starts in the name box; Tab walks the boxes and lists in order, and a
# list selects the entry whose text is typed.
xdotool type --delay 40 "Ada Lovelace"
for text in - - 2000 12 - Greenwich 51 30 0 0 London England UK; do
  xdotool key Tab
  case $text in
    -) ;;                                  # the first entry is already selected
    *) xdotool type --delay 40 "$text" ;;
  esac
done
sleep 0.3
