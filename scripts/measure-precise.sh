#!/usr/bin/env bash
# The precise positions' errors against Debian's swetest (a reference
# ephemeris run on the developer's machine only, never part of the build),
# Lahiri, apparent, with its ephemeris files for 1800-2400 (Debian's
# swe-basic-data) and its analytical fallback before 1800: random moments of UT
# and places in each band of years, and per band the largest error of each
# body, the mean and the true node and the ascendant, in arcseconds; then the
# same with the reference's own ΔT, which leaves the theories' differences.
#   scripts/measure-precise.sh [MOMENTS_PER_BAND] [BUILD_DIR]
# Run from anywhere; needs swetest and its basic files (apt-get install
# swetest swe-basic-data; without the files it falls back everywhere).
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100}
build=${2:-build}
command -v swetest >/dev/null && [ -e /usr/share/libswe/ephe/semo_18.se1 ] ||
  { echo "needs swetest and swe-basic-data (apt-get install swetest swe-basic-data)" >&2; exit 1; }

nice cmake --build "$build" -j2 --target precise_accuracy >/dev/null
sample="$build/precise-sample.tsv"
# first and last year of each band's pieces
bands=(1901:2050 1800:1900 2051:2150 1600:1799 2151:2400)

for band in "${bands[@]}"; do
  awk -v first="${band%%:*}" -v last="${band##*:}" -v n="$count" -v seed="${band%%:*}" 'BEGIN {
    srand(seed)
    for (i = 0; i < n; i++) {
      y = first + int(rand() * (last - first + 1)); m = 1 + int(rand() * 12); d = 1 + int(rand() * 28)
      printf "%d %d %d %d %d %d %.4f %.4f\n", y, m, d, int(rand() * 24), int(rand() * 60), int(rand() * 60),
             rand() * 360 - 180, rand() * 120 - 60
    }
  }'
done | while read -r y m d h mi s lon lat; do
  printf '%s %s %s %s %s %s %s %s' "$y" "$m" "$d" "$h" "$mi" "$s" "$lon" "$lat"
  swetest "-b$d.$m.$y" "-ut$h:$mi:$s" -p0123456mt -sid1 -fPl "-house$lon,$lat,W" 2>/dev/null |
    awk '/^(Sun|Moon|Mercury|Venus|Mars|Jupiter|Saturn|mean Node|true Node|Ascendant) / { printf " %s", $NF }
         /delta t:/ { for (i = 1; i < NF; i++) if ($i == "t:") dt = $(i + 1) }
         END { printf " %s\n", dt }' 
done >"$sample"
"$build/bin/precise_accuracy" <"$sample"
