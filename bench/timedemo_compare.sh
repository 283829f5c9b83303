#!/usr/bin/env bash
# Runs the game's timedemo on both renderers at 800 x 800 under Xvfb (Mesa's
# software renderer unless the machine has a GPU driver), and prints both
# result lines and how many times faster the batched renderer's median and
# average frame are than the classic renderer's.
#
#   bench/timedemo_compare.sh [build dir] [frames] [runs]   (default: build 1000 2)
#
# The renderers take turns, classic first, for the given number of runs each;
# for each renderer the run with the lowest median is kept, the one least
# disturbed by whatever else the machine was doing.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
frames=${2:-1000}
runs=${3:-2}
[ -x "$build/gullmar" ] || { echo "no game in $build (build it first)" >&2; exit 1; }

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-timedemo.XXXXXX")
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$run"' EXIT
ln -s "$build/gullmar" "$build/textures" "$run/"
cp -r "$build/config" "$run/config"
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$run/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$run/display")

timedemo() { (cd "$run" && ./gullmar --window-mode --timedemo="$frames" "$@" | grep '^timedemo:'); }
# fields: "... fps average, frame time median M ms, ..."
median() { sed -E 's/.*median ([0-9.]+) ms.*/\1/' <<<"$1"; }
fps() { sed -E 's/.*, ([0-9.]+) fps average.*/\1/' <<<"$1"; }

# The better of two result lines: the one with the lower median.
better() { if [ -z "$1" ] || awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { exit !(b < a) }'; then echo "$2"; else echo "$1"; fi; }
classic=
batched=
for _ in $(seq "$runs"); do
    classic=$(better "$classic" "$(timedemo --classic-renderer)")
    batched=$(better "$batched" "$(timedemo)")
done
echo "classic renderer: $classic"
echo "batched renderer: $batched"
awk -v cm="$(median "$classic")" -v bm="$(median "$batched")" \
    -v cf="$(fps "$classic")" -v bf="$(fps "$batched")" \
    'BEGIN { printf "batched vs classic: median frame %.2fx faster, average fps %.2fx higher\n", cm / bm, bf / cf }'
