#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Pressmark and starts it with the given files:
#   scripts/run.sh [PHOTOS...]
# The command-line converter is built beside it: build/src/cli/pressmark-cli --help
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 >/dev/null
exec build/src/app/pressmark "$@"
