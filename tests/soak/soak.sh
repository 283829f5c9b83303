#!/usr/bin/env bash
# Soak run: the game's scripted flight looped for TICKS ticks (default 100000,
# about half an hour of play at 60 ticks a second), dropping poop, eating fries
# and passing levels of a soak level table (kept here, not in the shipped
# config). By default under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (build-asan/); with --plain in an ordinary build (build-soak/),
# whose memory figures are not blurred by the sanitizers' own bookkeeping.
# Prints a memory sample every 1000 ticks; fails on any sanitizer report, or
# if memory grows after the first 1000 ticks (see the check at the end).
# Usage: tests/soak/soak.sh [TICKS] [--plain]
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
ticks=${1:-100000}
mode=${2:-sanitized}

# Memory is judged from the sample at tick 1000 on: the trend (least
# squares) of the samples may add at most 3% of the mean resident size over
# the rest of the run. The plain build judges the resident size, sampled after
# the allocator gave its free pages back; under the sanitizers, whose
# allocator holds freed memory in a quarantine of up to 256 MB, the live heap.
settle=1000
tolerance=0.03
# Our own builds, strict as the test command's, whose build-asan/ this shares.
if [ "$mode" = --plain ]; then
  build=build-soak
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_WERROR=ON >/dev/null
  judged=4 # rss_kb
else
  build=build-asan
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_SANITIZE=ON -DGULLMAR_WERROR=ON \
    >/dev/null
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  judged=6 # heap_kb
fi
cmake --build "$build" --parallel "$(nproc)" --target gullmar_soak >/dev/null

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-soak.XXXXXX")
trap 'rm -rf "$run"' EXIT
ln -s "$root/$build/textures" "$run/textures"
cp -r "$root/$build/config" "$run/config"
# Every level asks for two portions of fries and nothing else, with an hour on
# the clock: the soak feeds the bird now and then, so levels pass.
for level in $(seq 1 39); do echo "$level 2 -1 -1 3600"; done >"$run/config/levels.config"

echo "soak: $ticks ticks, $build, in $run"
(cd "$run" && xvfb-run -a -s "-screen 0 1024x1024x24" "$root/$build/gullmar_soak" "$ticks" \
    --seed=1 >"$run/samples" 2>"$run/stderr") || {
    cat "$run/samples"
    tail -n 60 "$run/stderr" >&2
    echo "soak: the run failed" >&2
    exit 1
}
cat "$run/samples"

# The trend of the samples from tick $settle on (least squares), of the
# resident size and of the live heap; the judged one must not grow by more
# than $tolerance of the mean resident size.
awk -v settle="$settle" -v tolerance="$tolerance" -v judged="$judged" '
    function trend(sx, sy, sxx, sxy) { return (n * sxy - sx * sy) / (n * sxx - sx * sx) * (last - first) }
    $2 >= settle { n++; x = $2; sx += x; sxx += x * x
                   sr += $4; sxr += x * $4; sh += $6; sxh += x * $6
                   if (n == 1) { first = x } last = x }
    END {
        if (n < 3) { print "soak: too few samples to judge memory"; exit 0 }
        rss = trend(sx, sr, sxx, sxr); heap = trend(sx, sh, sxx, sxh); mean = sr / n
        printf "soak: from tick %d to %d: resident mean %d kB, trend %+.0f kB (%+.2f%%); live heap mean %d kB, trend %+.0f kB\n", first, last, mean, rss, 100 * rss / mean, sh / n, heap
        growth = judged == 4 ? rss : heap
        if (growth > tolerance * mean) { print "soak: memory keeps growing" > "/dev/stderr"; exit 1 }
    }' "$run/samples"
