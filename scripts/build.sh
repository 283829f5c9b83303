#!/usr/bin/env bash
# Configures and builds everything into build/.
# Usage: scripts/build.sh [--werror]
# Warnings are errors only with --werror (the test command does so). The
# choice is passed to CMake on every run, so one cached by an earlier test run
# never makes the play command's build strict.
set -euo pipefail
cd "$(dirname "$0")/.."
case "${1:-}" in
  --werror) werror=ON ;;
  "") werror=OFF ;;
  *) echo "usage: $0 [--werror]" >&2; exit 2 ;;
esac
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_WERROR=$werror >/dev/null
cmake --build build --parallel "$(nproc)"
