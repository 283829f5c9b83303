#!/usr/bin/env bash
# Builds the game and starts it from build/. Extra arguments go to the game,
# for example: scripts/play.sh --window-mode
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh play
scripts/build.sh
cd build
exec ./gullmar "$@"
