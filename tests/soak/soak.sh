#!/usr/bin/env bash
# Soak run: the game's scripted flight looped for TICKS ticks (default 100000,
# about half an hour of play at 60 ticks a second) under AddressSanitizer,
# UndefinedBehaviorSanitizer and LeakSanitizer, dropping poop, eating fries and
# passing levels of a soak level table (kept here, not in the shipped config).
# Prints a memory sample every 1000 ticks and fails on any sanitizer report or
# if resident memory grows after the first ticks (see the check at the end).
# Usage: tests/soak/soak.sh [TICKS]      (builds build-asan/ if needed)
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
ticks=${1:-100000}

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_SANITIZE=ON >/dev/null
cmake --build build-asan --parallel "$(nproc)" --target gullmar_soak >/dev/null

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-soak.XXXXXX")
trap 'rm -rf "$run"' EXIT
ln -s "$root/build-asan/textures" "$run/textures"
cp -r "$root/build-asan/config" "$run/config"
# Every level asks for two portions of fries and nothing else, with an hour on
# the clock: the soak feeds the bird now and then, so levels pass.
for level in $(seq 1 39); do echo "$level 2 -1 -1 3600"; done >"$run/config/levels.config"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$root/tests/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
echo "soak: $ticks ticks in $run"
(cd "$run" && xvfb-run -a -s "-screen 0 1024x1024x24" "$root/build-asan/gullmar_soak" "$ticks" \
    --seed=1 >"$run/samples" 2>"$run/stderr") || {
    cat "$run/samples"
    tail -n 60 "$run/stderr" >&2
    echo "soak: the run failed" >&2
    exit 1
}
cat "$run/samples"

# Memory must level off: the highest sample of the second half of the run may
# not exceed the highest of the first half (after its first 1000 ticks) by more
# than 2 percent.
awk '
    { tick = $2; rss[NR] = $4; n = NR }
    END {
        if (n < 4) { print "soak: too few samples to judge memory"; exit 0 }
        half = int(n / 2)
        for (i = 2; i <= half; ++i) if (rss[i] > first) first = rss[i]
        for (i = half + 1; i <= n; ++i) if (rss[i] > second) second = rss[i]
        printf "soak: VmRSS after 1000 ticks %d kB, highest of the first half %d kB, of the second half %d kB, last %d kB\n", rss[1], first, second, rss[n]
        if (second > first * 1.02) { print "soak: resident memory keeps growing" > "/dev/stderr"; exit 1 }
    }' "$run/samples"
