#!/usr/bin/env bash
# Errors of both ephemerides against an independent one over random moments
# 1901–2050: per body the largest and RMS difference in arcminutes, and the
# share of readings with all nine signs equal. Needs node and the `swisseph`
# npm package (a development reference only; see scripts/precise-reference.js).
#   scripts/measure-precise.sh [COUNT] [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
count=${1:-100000}
build=${2:-build}
reference=${PRECISE_REFERENCE_DIR:-/tmp/precise-ref}

if [ ! -d "$reference/node_modules/swisseph/build" ]; then
  mkdir -p "$reference"
  npm install --prefix "$reference" --ignore-scripts swisseph
  (cd "$reference/node_modules/swisseph" && npx node-gyp rebuild --nodedir=/usr)
fi
nice cmake --build "$build" -j2 --target precise_accuracy
NODE_PATH="$reference/node_modules" node scripts/precise-reference.js sample "$count" > "$build/precise-sample.tsv"
"$build/bin/precise_accuracy" < "$build/precise-sample.tsv"
