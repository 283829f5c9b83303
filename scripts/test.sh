#!/usr/bin/env bash
# Builds everything and runs the whole test suite under Xvfb.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh test
scripts/build.sh
cd build
xvfb-run -a -s "-screen 0 1280x1024x24" ctest --output-on-failure --parallel 2 --timeout 600
