#!/usr/bin/env bash
# Sets up and builds (see setup.sh), then starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
exec build/bin/rashi-drishti "$@"
