#!/usr/bin/env bash
# What sound costs the frame rate: the game's timedemo at 800 x 800 under
# Xvfb with sound on and with --no-sound, taking turns, and how far the
# median frame with sound lies from the one without.
#
#   bench/sound_timedemo.sh [build dir] [frames] [runs]   (default: build 1000 3)
#
# Sound goes to OpenAL Soft's null backend (it mixes as for a sound card and
# throws the result away) unless ALSOFT_DRIVERS is set. For each setting the
# run with the lowest median is kept, the one least disturbed by whatever
# else the machine was doing.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
frames=${2:-1000}
runs=${3:-3}
[ -x "$build/gullmar" ] || { echo "no game in $build (build it first)" >&2; exit 1; }
export ALSOFT_DRIVERS=${ALSOFT_DRIVERS:-null}

run=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-sound-timedemo.XXXXXX")
trap 'kill "$xvfb" 2>/dev/null || true; rm -rf "$run"' EXIT
ln -s "$build/gullmar" "$build/textures" "$build/sounds" "$run/"
cp -r "$build/config" "$run/config"
Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp 3>"$run/display" 2>/dev/null &
xvfb=$!
for _ in $(seq 50); do [ -s "$run/display" ] && break; sleep 0.1; done
export DISPLAY=:$(head -n 1 "$run/display")

timedemo() { (cd "$run" && ./gullmar --window-mode --timedemo="$frames" "$@" | grep '^timedemo:'); }
median() { sed -E 's/.*median ([0-9.]+) ms.*/\1/' <<<"$1"; }
better() { if [ -z "$1" ] || awk -v a="$(median "$1")" -v b="$(median "$2")" 'BEGIN { exit !(b < a) }'; then echo "$2"; else echo "$1"; fi; }

silent=
sound=
for _ in $(seq "$runs"); do
    silent=$(better "$silent" "$(timedemo --no-sound)")
    sound=$(better "$sound" "$(timedemo)")
done
echo "--no-sound: $silent"
echo "sound on ($ALSOFT_DRIVERS): $sound"
awk -v s="$(median "$sound")" -v n="$(median "$silent")" \
    'BEGIN { printf "sound on vs --no-sound: median frame %+.1f%%\n", 100 * (s - n) / n }'
