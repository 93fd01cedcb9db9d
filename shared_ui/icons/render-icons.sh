#!/bin/sh
# Renders the PNG icons from their SVG sources (needs rsvg-convert, from
# the librsvg2-bin package). The PNGs are kept in the repository, so this is
# only needed after an SVG changes. The browser's toolbar icons are in
# browser/icons/toolbar.
set -eu
cd "$(dirname "$0")"
for size in 16 24 32; do
  rsvg-convert -w "$size" -h "$size" rashi-drishti-small.svg -o "rashi-drishti-$size.png"
done
for size in 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" rashi-drishti.svg -o "rashi-drishti-$size.png"
done
for name in back forward stop refresh home search; do
  rsvg-convert -w 24 -h 24 "../../browser/icons/toolbar/$name.svg" -o "../../browser/icons/toolbar/$name.png"
  rsvg-convert -w 48 -h 48 "../../browser/icons/toolbar/$name.svg" -o "../../browser/icons/toolbar/$name@2x.png"
done
