#!/usr/bin/env bash
# Builds the libFuzzer harnesses of fuzz/ with clang into build-fuzz/ and runs
# each for SECONDS seconds (default 30), one after another:
#   bash scripts/fuzz.sh [SECONDS] [NAME...]      e.g. bash scripts/fuzz.sh 3600 chart_file
# Each starts from its committed seeds (fuzz/corpus/NAME/) and from what the
# runs before it found (build-fuzz/corpus/NAME/, where new inputs go).
# A crash, a sanitizer report or a broken rule fails the script; the input is
# kept in build-fuzz/findings/NAME/ and the log (build-fuzz/logs/NAME.log)
# names it. Replay one with: build-fuzz/bin/fuzz_NAME FILE
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-30}
shift $(( $# > 0 ? 1 : 0 ))
names=("$@")
if (( ${#names[@]} == 0 )); then
  for source in fuzz/fuzz_*.cpp; do
    name=${source#fuzz/fuzz_}
    names+=("${name%.cpp}")
  done
fi

cc=$(command -v clang || command -v clang-14 || true)
cxx=$(command -v clang++ || command -v clang++-14 || true)
if [[ -z $cc || -z $cxx ]]; then
  echo "fuzz.sh: clang is not installed (scripts/setup.sh installs it)" >&2
  exit 1
fi
CC=$cc CXX=$cxx cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DRASHI_FUZZ=ON \
      -DRASHI_BUILD_GUI=OFF -DRASHI_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$(nproc)" --target rashi_fuzzers

out=$PWD/build-fuzz
# Whatever a harness writes (the report tool's --save) goes to its own
# folder under here.
export TMPDIR=$out/scratch
rm -rf "$TMPDIR" && mkdir -p "$TMPDIR"
failed=0
passed=0
for name in "${names[@]}"; do
  mkdir -p "$out/corpus/$name" "$out/findings/$name" "$out/logs"
  log=$out/logs/$name.log
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix="$out/findings/$name/")
  [[ -f fuzz/$name.dict ]] && options+=(-dict="fuzz/$name.dict")
  if "$out/bin/fuzz_$name" "${options[@]}" "$out/corpus/$name" "fuzz/corpus/$name" >"$log" 2>&1; then
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
    echo "fuzz_$name: ${seconds} s, $runs inputs, $speed per second, no finding"
    passed=$((passed + 1))
  else
    echo "fuzz_$name: FINDING; the log is $log"
    grep -E 'rule broken|ERROR:|SUMMARY:|Test unit written' "$log" || tail -n 20 "$log"
    failed=$((failed + 1))
  fi
done
echo "fuzz: $passed passed, $failed failed"
(( failed == 0 ))
