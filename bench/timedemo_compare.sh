#!/usr/bin/env bash
# Runs the game's timedemo on both renderers, each drawn by the driver's own
# OpenGL 1.1 and through the layer on OpenGL ES 2 (--gles), under one
# 1920 x 1080 Xvfb (Mesa's software renderer unless the machine has a GPU
# driver), in three cases: the 800 x 800 window at level 1, the window at
# level 30 (300 clouds, --timedemo-level=30) and full screen at level 1. It also measures the fill
# floor at both sizes (the FillRate benchmark: clear, one textured layer over
# the whole window, swap), and prints every result line and the ratios the
# frame-time targets are about.
#
#   bench/timedemo_compare.sh [build dir] [frames] [runs]   (default: build 1000 3)
#
# The runs of each case take turns, classic first; for each case and
# renderer the run with the lowest median is kept, the one least disturbed
# by whatever else the machine was doing. Sound is off (--no-sound): the
# figures are the drawing's.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
frames=${2:-1000}
runs=${3:-3}
[ -x "$build/gullmar" ] || { echo "no game in $build (build it first)" >&2; exit 1; }
[ -x "$build/gullmar_bench" ] || { echo "no gullmar_bench in $build" >&2; exit 1; }

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-timedemo.XXXXXX")
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$run"' EXIT
ln -s "$build/gullmar" "$build/textures" "$run/"
cp -r "$build/config" "$run/config"
Xvfb -displayfd 3 -screen 0 1920x1080x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$run/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$run/display")

timedemo() { (cd "$run" && ./gullmar --no-sound --timedemo="$frames" "$@" | grep '^timedemo:'); }
# fields: "... frame time median M ms, 99th percentile P ms, ..."
median() { sed -E 's/.*median ([0-9.]+) ms.*/\1/' <<<"$1"; }
p99() { sed -E 's/.*99th percentile ([0-9.]+) ms.*/\1/' <<<"$1"; }

# The better of two result lines: the one with the lower median.
better() { if [ -z "$1" ] || awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { exit !(b < a) }'; then echo "$2"; else echo "$1"; fi; }

cases=("window level 1:--window-mode" "window level 30:--window-mode --timedemo-level=30"
       "full screen level 1:")
declare -A best
for _ in $(seq "$runs"); do
    for entry in "${cases[@]}"; do
        name=${entry%%:*}
        read -r -a options <<<"${entry#*:}"
        for renderer in classic batched "classic gles" "batched gles"; do
            extra=()
            [[ "$renderer" == classic* ]] && extra+=(--classic-renderer)
            [[ "$renderer" == *gles ]] && extra+=(--gles)
            key="$renderer $name"
            best[$key]=$(better "${best[$key]:-}" "$(timedemo "${options[@]}" "${extra[@]}")")
        done
    done
done

# The fill floor, median of three repetitions at each size.
floors=$(cd "$build" && ./gullmar_bench --benchmark_filter='FillRate/1/1/' \
    --benchmark_repetitions=3 --benchmark_report_aggregates_only=true 2>/dev/null |
    awk '/_median/ { split($1, a, "/"); print a[4] "x" a[5], $2 }')
floor() { awk -v size="$1" '$1 == size { print $2 }' <<<"$floors"; }

for entry in "${cases[@]}"; do
    name=${entry%%:*}
    for renderer in classic batched "classic gles" "batched gles"; do
        echo "$renderer renderer, $name: ${best[$renderer $name]}"
    done
done
echo "fill floor (clear, one textured layer, swap): 800 x 800 $(floor 800x800) ms, 1920 x 1080 $(floor 1920x1080) ms"
for entry in "${cases[@]}"; do
    name=${entry%%:*}
    awk -v n="$name" -v c="$(median "${best[classic $name]}")" -v b="$(median "${best[batched $name]}")" \
        'BEGIN { printf "%s: batched median frame %.2fx faster than classic\n", n, c / b }'
    for renderer in classic batched; do
        awk -v n="$name" -v r="$renderer" -v native="$(median "${best[$renderer $name]}")" \
            -v layer="$(median "${best[$renderer gles $name]}")" \
            'BEGIN { printf "%s, %s: the layer takes %.2fx the driver'"'"'s median frame\n", n, r, layer / native }'
    done
done
awk -v one="$(median "${best[batched window level 1]}")" \
    -v thirty="$(median "${best[batched window level 30]}")" \
    -v full="$(median "${best[batched full screen level 1]}")" \
    -v fullp99="$(p99 "${best[batched full screen level 1]}")" -v floor="$(floor 1920x1080)" \
    'BEGIN {
        printf "batched, level 30 against level 1: median %+.2f ms\n", thirty - one
        printf "batched, full screen: median %.2fx the fill floor, 99th percentile %.2fx the median\n",
               full / floor, fullp99 / full
    }'
