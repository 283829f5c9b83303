#!/usr/bin/env bash
# How much CPU the game burns while it waits in the main menu at 60 ticks a
# second, against what its ticks and frames cost.
#
#   bench/paused_cpu.sh [build dir] [seconds] [game options...]   (default: build 10)
#
# Starts the game paused in the main menu (800 x 800, under its own Xvfb),
# waits for it to settle, then reads the process's CPU time from /proc over
# the given wall time. When perf can place probes (root, perf installed) it
# also counts the ticks (RunTick calls that ran) and frames (OnDisplay calls)
# in the same window. Then it runs the PausedTickAndFrame benchmark for the
# CPU of one paused tick and frame, and prints the CPU a second those frames
# cost and what the process spent beyond them.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
seconds=${2:-10}
shift $(($# > 2 ? 2 : $#))
[ -x "$build/gullmar" ] || { echo "no game in $build (build it first)" >&2; exit 1; }

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-paused.XXXXXX")
probes=0
cleanup() {
    [ -n "${game:-}" ] && kill "$game" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    [ "$probes" = 1 ] && perf probe -q -d 'probe_gullmar:*' 2>/dev/null
    rm -rf "$run"
}
trap cleanup EXIT
ln -s "$build/gullmar" "$build/textures" "$run/"
cp -r "$build/config" "$run/config"
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$run/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$run/display")

(cd "$run" && exec ./gullmar --window-mode --seed=1 "$@") >/dev/null 2>&1 &
game=$!
sleep 4
if command -v perf >/dev/null && [ "$(id -u)" = 0 ] &&
    perf probe -q -x "$build/gullmar" OnDisplay 2>/dev/null &&
    perf probe -q -x "$build/gullmar" PostRedisplayAll 2>/dev/null; then
    probes=1
fi

hz=$(getconf CLK_TCK)
cpu() { awk '{ print $14 + $15 }' "/proc/$game/stat"; }
before=$(cpu)
start=$(date +%s.%N)
if [ "$probes" = 1 ]; then
    counts=$(perf stat -x, -e probe_gullmar:OnDisplay,probe_gullmar:PostRedisplayAll -p "$game" \
        sleep "$seconds" 2>&1 >/dev/null)
    frames=$(awk -F, '/OnDisplay/ { print $1 }' <<<"$counts")
    ticks=$(awk -F, '/PostRedisplayAll/ { print $1 }' <<<"$counts")
else
    sleep "$seconds"
fi
end=$(date +%s.%N)
after=$(cpu)
kill "$game"
wait "$game" 2>/dev/null || true
game=

wall=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
used=$(awk -v a="$before" -v b="$after" -v hz="$hz" 'BEGIN { print (b - a) / hz }')
echo "paused in the main menu: $(awk -v u="$used" -v w="$wall" 'BEGIN { printf "%.3f", u / w }') CPU seconds per wall second over $(printf %.1f "$wall") s"
if [ "$probes" = 0 ]; then
    echo "(no perf probes: frames assumed one per tick, 1000 / 17 a second)"
    frames=$(awk -v w="$wall" 'BEGIN { printf "%d", w * 1000 / 17 }')
    ticks=$frames
fi
echo "ticks: $ticks, frames: $frames ($(awk -v f="$frames" -v w="$wall" 'BEGIN { printf "%.1f", f / w }') a second)"

# CPU of one paused tick and frame, from the benchmark, on the renderer the
# game ran with.
arg=0
for option in "$@"; do [ "$option" = --classic-renderer ] && arg=1; done
per_frame=$(cd "$build" && ./gullmar_bench --benchmark_filter="PausedTickAndFrame/$arg/" \
    --benchmark_format=csv 2>/dev/null | awk -F, '/PausedTickAndFrame/ { print $4 }')
echo "one paused tick and frame: $(printf %.2f "$per_frame") ms CPU (benchmark)"
awk -v f="$frames" -v w="$wall" -v ms="$per_frame" -v u="$used" 'BEGIN {
    cost = f / w * ms / 1000; spent = u / w
    printf "ticks and frames cost %.3f CPU s a second; the process spent %.3f, %+.3f beyond them\n", cost, spent, spent - cost }'
