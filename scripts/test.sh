#!/usr/bin/env bash
# Sets up and builds (see setup.sh), runs every test, then builds the core
# tests with AddressSanitizer and UndefinedBehaviorSanitizer and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

# Headless: widget tests use the offscreen platform, window tests xvfb-run.
export QTWEBENGINE_DISABLE_SANDBOX=1
export QT_LOGGING_RULES="qt.webenginecontext.info=false"
export XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_CACHE_HOME="$PWD/build/.cache" XDG_CONFIG_HOME="$PWD/build/.config" XDG_DATA_HOME="$PWD/build/.local/share"
export MESA_SHADER_CACHE_DISABLE=true
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT

(cd build && ctest --output-on-failure -j"$(nproc)" --timeout 300)

cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=Debug -DRASHI_SANITIZE=ON \
      -DRASHI_BUILD_GUI=OFF -DRASHI_BUILD_BENCH=OFF
cmake --build build-sanitize -j"$(nproc)"
(cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
   ctest --output-on-failure -j"$(nproc)")

# Last, every fuzzing harness for about 30 seconds.
# clang for the fuzzing harnesses only; the builds above use g++ without it.
fuzz_packages=(clang-14 libclang-rt-14-dev)
if ! dpkg -s "${fuzz_packages[@]}" >/dev/null 2>&1; then
  { apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
      -o DPkg::Lock::Timeout=600 "${fuzz_packages[@]}"; } || echo "test.sh: clang not installed" >&2
fi
bash scripts/fuzz.sh 30
