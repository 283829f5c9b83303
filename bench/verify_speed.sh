#!/usr/bin/env bash
# --verify's speed: records a long game without a window
# (gullmar_record_flight: the timedemo's scripted flight through the game's
# commands, a START after every timeout; 216000 ticks, an hour of play at 60
# ticks a second, unless given), then checks it with `gullmar --verify`
# without a display, RUNS times (3 unless given), and prints each run's
# seconds and the median's ticks verified per second.
# Usage: bench/verify_speed.sh [build dir] [ticks] [runs]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
ticks=${2:-216000}
runs=${3:-3}
work=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-verify-speed.XXXXXX")
trap 'rm -rf "$work"' EXIT
cp -r "$build/config" "$work/config"
cd "$work"
start=$(date +%s.%N)
recording=$("$build/gullmar_record_flight" "$ticks" --seed=1)
since() { awk -v a="$(date +%s.%N)" -v b="$1" 'BEGIN { printf "%.2f", a - b }'; }
echo "recorded $ticks ticks in $(since "$start") s: $(stat -c %s "$recording") bytes"
times=()
for ((i = 1; i <= runs; ++i)); do
    start=$(date +%s.%N)
    env -u DISPLAY "$build/gullmar" --verify="$recording" >verify.out
    seconds=$(since "$start")
    times+=("$seconds")
    echo "run $i: $seconds s: $(tail -n 1 verify.out)"
done
median=$(printf '%s\n' "${times[@]}" | sort -n | sed -n "$(((runs + 1) / 2))p")
echo "median $median s: $(awk -v t="$ticks" -v s="$median" 'BEGIN { printf "%d", t / s }') ticks verified per second"
