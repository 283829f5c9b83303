# Sound through the real binary and OpenAL Soft's wave backend, which writes
# what it mixes to a file: a timedemo with sound fills the file; with
# --no-sound nothing is written; with a backend that cannot open, or none
# at all, the game says so on one line and plays on silently to status 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

FRAMES=240
OUT=$E2E_RUN/out.wav

# wave_config <file>: an OpenAL Soft configuration that writes to <file>.
wave_config() {
    printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$1" >"$E2E_RUN/alsoft.conf"
}

# timedemo [options...]: runs a short timedemo with the wave backend to its end.
timedemo() {
    ALSOFT_DRIVERS=wave ALSOFT_CONF=$E2E_RUN/alsoft.conf e2e_start --window-mode --timedemo=$FRAMES "$@"
    e2e_wait_exit
    [ "$GAME_STATUS" = 0 ] || e2e_fail "the timedemo $* ended with status $GAME_STATUS"
    grep -q '^timedemo: ' "$E2E_RUN/stdout" || e2e_fail "the timedemo $* did not finish"
}

# Prints the RMS of each channel of the wave backend's stereo float file.
channel_rms() {
    python3 - "$1" <<'PY'
import math, struct, sys
data = open(sys.argv[1], "rb").read()
at, fmt, samples = 12, None, b""
while at + 8 <= len(data):
    kind, size = data[at:at + 4], struct.unpack("<I", data[at + 4:at + 8])[0]
    if kind == b"fmt ":
        fmt = struct.unpack("<HHIIHH", data[at + 8:at + 24])
    elif kind == b"data":
        samples = data[at + 8:at + 8 + size]
    at += 8 + size + (size & 1)
if fmt is None or fmt[0] != 0xFFFE or fmt[1] != 2 or fmt[5] != 32:
    sys.exit("not the wave backend's stereo float format: %s" % (fmt,))
values = struct.unpack("<%df" % (len(samples) // 4), samples[:len(samples) // 4 * 4])
for channel in (0, 1):
    part = values[channel::2]
    print("%.4f" % math.sqrt(sum(v * v for v in part) / max(len(part), 1)))
PY
}

e2e_log "sound on: the wave backend's file holds the flight's sound"
wave_config "$OUT"
timedemo
[ -s "$OUT" ] || e2e_fail "no sound was written to $OUT"
levels=$(channel_rms "$OUT") || e2e_fail "unreadable output: $levels"
e2e_log "channel RMS: $(echo $levels)"
for level in $levels; do
    python3 -c "import sys; sys.exit(0 if float(sys.argv[1]) > 0.005 else 1)" "$level" ||
        e2e_fail "a channel is silent (RMS $level)"
done
! grep -q 'Gullmar: .*sound' "$E2E_RUN/stderr" || e2e_fail "a sound problem was reported"

e2e_log "--no-sound: no device is opened, nothing is written"
rm -f "$OUT"
timedemo --no-sound
[ ! -e "$OUT" ] || e2e_fail "--no-sound still wrote $OUT"

e2e_log "a wave backend that cannot open its file"
wave_config "$E2E_RUN/no-such-folder/out.wav"
timedemo
[ "$(grep -c '^Gullmar: ' "$E2E_RUN/stderr")" = 1 ] || e2e_fail "not one line about the device"
grep -q 'no sound device could be opened' "$E2E_RUN/stderr" || e2e_fail "no word of the missing device"

e2e_log "no usable backend at all"
(export ALSOFT_DRIVERS=no-such-backend; e2e_start --window-mode --timedemo=$FRAMES; e2e_wait_exit
 [ "$GAME_STATUS" = 0 ] || e2e_fail "ended with status $GAME_STATUS") || exit 1
grep -q 'no sound device could be opened' "$E2E_RUN/stderr" || e2e_fail "no word of the missing device"

e2e_pass
