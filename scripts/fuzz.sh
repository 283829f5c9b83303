#!/usr/bin/env bash
# Fuzzes the game's file readers with libFuzzer (clang, AddressSanitizer and
# UndefinedBehaviorSanitizer) in build-fuzz/.
# Usage: scripts/fuzz.sh TARGET|all [SECONDS]
#   TARGET: settings, levels, intro, command_line, texture, sound, recording or
#   scores; SECONDS per target, default 60. Example of a long run:
#   scripts/fuzz.sh levels 3600
# Seeds come from tests/fuzz/TARGET/ (never written); what the fuzzer learns
# is kept in build-fuzz/corpus/TARGET/, and an input that crashes a reader is
# written to build-fuzz/crashes/ and ends the script with a failure.
set -euo pipefail
cd "$(dirname "$0")/.."

targets=(settings levels intro command_line texture sound recording scores)
what=${1:?usage: $0 TARGET|all [SECONDS]}
seconds=${2:-60}
if [ "$what" != all ]; then
  [[ " ${targets[*]} " == *" $what "* ]] || { echo "unknown target: $what (${targets[*]})" >&2; exit 2; }
  targets=("$what")
fi

build=build-fuzz
# Our own build, with the clang the game is tried with: warnings are errors.
CC=clang CXX=clang++ cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DGULLMAR_FUZZ=ON \
  -DGULLMAR_WERROR=ON >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target "${targets[@]/%/_fuzz}"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:abort_on_error=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
mkdir -p "$build/crashes" "$build/tmp"
# The targets hand each input to the readers as a file; libFuzzer may end a
# run in the middle of an input, so the last one stays behind: keep them here.
export TMPDIR=$PWD/$build/tmp
for target in "${targets[@]}"; do
  corpus=$build/corpus/$target
  mkdir -p "$corpus"
  options=(-max_total_time="$seconds" -artifact_prefix="$build/crashes/$target-" -print_final_stats=1
           -close_fd_mask=3)
  [ -f "tests/fuzz/$target.dict" ] && options+=(-dict="tests/fuzz/$target.dict")
  # A texture file is read up to one whole picture: let inputs grow past it.
  [ "$target" = texture ] && options+=(-max_len=200000)
  log=$build/$target.log
  echo "== fuzzing $target for $seconds s (log: $log)"
  status=0
  "$build/${target}_fuzz" "${options[@]}" "$corpus" "tests/fuzz/$target" >"$log" 2>&1 || status=$?
  grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
  if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "fuzz target $target failed with status $status; crashing input in $build/crashes/" >&2
    exit 1
  fi
done
