#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Pressmark and runs the whole test suite, then runs
# it once more built with AddressSanitizer and UndefinedBehaviorSanitizer
# (PRESSMARK_SKIP_SANITIZERS=1 skips that second pass).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

if [ "${PRESSMARK_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESSMARK_SANITIZE=ON
  cmake --build build-sanitize -j2
  (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
fi
