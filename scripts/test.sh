#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Xvfb; then the game
# alone as players and packagers build it, with clang and with Debian's
# hardening flags (scripts/release_builds.sh); the same suite built with
# AddressSanitizer and UndefinedBehaviorSanitizer (leak detection on) in
# build-asan/, and a short run of every fuzz target in build-fuzz/
# (scripts/fuzz.sh; longer runs: scripts/fuzz.sh all 600). The browser build
# (scripts/web.sh) is played in headless Chromium (tests/web/browser_test.py).
# Every build here is ours, so warnings are errors in all of them.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
scripts/deps.sh test
scripts/build.sh --werror
(cd build && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure --parallel 2 --timeout 600)

scripts/release_builds.sh

echo "== the browser build (build-web/) in headless Chromium"
scripts/web.sh --no-serve --werror
/usr/bin/python3 tests/web/browser_test.py build-web build

echo "== the suite under AddressSanitizer and UndefinedBehaviorSanitizer (build-asan/)"
cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_SANITIZE=ON -DGULLMAR_WERROR=ON \
  >/dev/null
cmake --build build-asan --parallel "$(nproc)"
# Leaks inside the GL driver, GLX and freeglut are suppressed (tests/lsan.supp);
# a leak with only our own code on its stack fails the test that made it.
export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
(cd build-asan && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure --parallel 2 --timeout 900)

echo "== fuzz targets, ${GULLMAR_FUZZ_SECONDS:-15} s each (build-fuzz/)"
scripts/fuzz.sh all "${GULLMAR_FUZZ_SECONDS:-15}"
