#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Pressmark and runs it with the given arguments:
#   scripts/run.sh -o OUTPUT_FOLDER --width 1500 PHOTOS...
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 >/dev/null
exec build/src/cli/pressmark-cli "$@"
