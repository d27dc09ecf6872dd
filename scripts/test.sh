#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Pressmark and runs the whole test suite, then runs
# it once more built with AddressSanitizer and UndefinedBehaviorSanitizer
# (PRESSMARK_SKIP_SANITIZERS=1 skips that second pass). Between the two, the .deb is built and
# its contents checked (PRESSMARK_DEB_TEST=1 also installs it into a fresh Debian 12 root).
# PRESSMARK_TSAN=1 adds a third pass: the core and command-line tests built with ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
export QT_QPA_PLATFORM=offscreen

# Line tables (-g1) are enough for a failing test's backtrace and build much faster than -g.
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG"
cmake --build build -j2
(cd build && ctest --output-on-failure -j2)

echo "== the .deb: built with CPack from this build and its contents checked"
# Installing it into a fresh Debian root (packaging/test-deb.sh) needs a mirror and minutes, so
# it runs only when asked: PRESSMARK_DEB_TEST=1.
out=$(packaging/check-deb.sh build)
echo "$out"
deb=$(tail -n1 <<<"$out")
if [ "${PRESSMARK_DEB_TEST:-0}" = 1 ]; then
  packaging/test-deb.sh "$deb"
fi

if [ "${PRESSMARK_SKIP_SANITIZERS:-0}" != 1 ]; then
  echo "== the same tests under AddressSanitizer and UndefinedBehaviorSanitizer"
  # Line tables are all a sanitizer's report needs (-g1 builds much faster than -g); the
  # benchmarks and the screenshot tool are not tested, so not built.
  cmake -S . -B build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESSMARK_SANITIZE=ON \
    -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O2 -g1 -DNDEBUG" -DPRESSMARK_BUILD_BENCH=OFF
  cmake --build build-sanitize -j2
  (cd build-sanitize && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 ctest --output-on-failure -j2)
fi

if [ "${PRESSMARK_TSAN:-0}" = 1 ]; then
  echo "== the core and command-line tests under ThreadSanitizer"
  cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPRESSMARK_THREAD_SANITIZER=ON
  cmake --build build-tsan -j2
  # The window's tests are left out: its background work hands over through Qt's event and
  # thread-pool queues, which ThreadSanitizer cannot see in an uninstrumented Qt.
  (cd build-tsan &&
    TSAN_OPTIONS="die_after_fork=0 exitcode=66 suppressions=$PWD/../tests/tsan.supp" ctest --output-on-failure -j2 -L 'core|cli')
fi
