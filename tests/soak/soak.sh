#!/usr/bin/env bash
# Soak run: the game's scripted flight looped for TICKS ticks (default 100000,
# about half an hour of play at 60 ticks a second), dropping poop, eating fries
# and passing levels of a soak level table (kept here, not in the shipped
# config). By default under AddressSanitizer, UndefinedBehaviorSanitizer and
# LeakSanitizer (build-asan/); with --plain in an ordinary build (build-soak/),
# whose memory figures are not blurred by the sanitizers' own bookkeeping.
# Prints a memory sample every 1000 ticks; fails on any sanitizer report, or
# if resident memory grows (see the check at the end).
# Usage: tests/soak/soak.sh [TICKS] [--plain]
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
ticks=${1:-100000}
mode=${2:-sanitized}

if [ "$mode" = --plain ]; then
  build=build-soak
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
  # The first levels still warm up (allocator and driver caches): judge the
  # trend after the first tenth of the run.
  settle=$((ticks / 10))
  tolerance=0.03
else
  build=build-asan
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_SANITIZE=ON >/dev/null
  export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
  export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
  # AddressSanitizer holds freed memory back (its quarantine, up to 256 MB)
  # and the resident size swings by tens of MB around its mean: judge the
  # trend after the first tenth of the run, with room for that swing.
  settle=$((ticks / 10))
  tolerance=0.05
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

# The trend of the samples from tick $settle on (least squares): the growth it
# gives over that part of the run must stay within $tolerance of the mean.
awk -v settle="$settle" -v tolerance="$tolerance" '
    $2 >= settle { n++; x = $2; y = $4; sx += x; sy += y; sxx += x * x; sxy += x * y
                   if (n == 1) { first = x } last = x }
    END {
        if (n < 3) { print "soak: too few samples to judge memory"; exit 0 }
        slope = (n * sxy - sx * sy) / (n * sxx - sx * sx)
        growth = slope * (last - first)
        mean = sy / n
        printf "soak: VmRSS from tick %d on: mean %d kB, trend %+.0f kB over %d ticks (%+.2f%%)\n", first, mean, growth, last - first, 100 * growth / mean
        if (growth > tolerance * mean) { print "soak: resident memory keeps growing" > "/dev/stderr"; exit 1 }
    }' "$run/samples"
