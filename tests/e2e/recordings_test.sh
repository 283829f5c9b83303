# Recordings as they end and as they are checked: a game ended by SIGTERM or
# SIGHUP (the terminal closed, kill, a logout) ends as QUIT does, its flight
# joins the table and its recording replays to its end; --verify checks a
# recording without a display (the second view opened, so parks planted their
# trees twice) and prints the replay's flight lines; a damaged recording gives
# one line and status 1; a recording cut short (SIGKILL, or cut in half)
# replays and verifies as far as it goes, says where it ends with status 0,
# and the next game that starts puts its last flight in the table.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

scores() { (cd "$E2E_RUN" && ./gullmar --scores); }
flights_in_table() { scores | grep -c ' points, '; }
newest_recording() { ls "$E2E_RUN"/flights/*.gullrec 2>/dev/null | tail -n 1; }
# verify <file> <out>: --verify without a display; sets STATUS.
verify() {
    (cd "$E2E_RUN" && env -u DISPLAY timeout 120 ./gullmar --verify="$1") >"$E2E_RUN/$2.out" \
        2>"$E2E_RUN/$2.err"
    STATUS=$?
}
replay() {
    (cd "$E2E_RUN" && timeout 120 ./gullmar --window-mode --no-sound --replay="$1") \
        >"$E2E_RUN/$2.out" 2>"$E2E_RUN/$2.err"
    STATUS=$?
}
# play <seed>: START, the second view, speed, steering and drops.
play() {
    e2e_start --window-mode --seed="$1"
    e2e_wait_window
    e2e_press_start
    e2e_key 2
    xdotool mousemove --window "$GAME_WINDOW" 400 360
    e2e_key w w w w space
    sleep 2
    xdotool mousemove --window "$GAME_WINDOW" 470 380 click 1
    e2e_key g
    sleep 1
    e2e_key g space
    sleep 1
}

e2e_log "SIGTERM in play: the game ends as QUIT does"
play 2024
kill -TERM "$GAME_PID"
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "SIGTERM ended the game with status $GAME_STATUS"
[ "$(flights_in_table)" = 1 ] || e2e_fail "the flight is not in the table: $(scores)"
recording=$(newest_recording)
replay "$recording" replayed
[ "$STATUS" = 0 ] || e2e_fail "its replay ended with status $STATUS: $(cat "$E2E_RUN/replayed.err")"
[ "$(cat "$E2E_RUN/replayed.out")" = "$(scores)" ] ||
    e2e_fail "the replay printed '$(cat "$E2E_RUN/replayed.out")', the table says '$(scores)'"

e2e_log "--verify without a display: the replay's lines and what it checked"
[ -s "$E2E_RUN/gullmar_ts.txt" ] || e2e_fail "the game ended by SIGTERM wrote no timing report"
rm "$E2E_RUN/gullmar_ts.txt"
verify "$recording" verified
[ "$STATUS" = 0 ] || e2e_fail "--verify ended with status $STATUS: $(cat "$E2E_RUN/verified.err")"
[ "$(head -n -1 "$E2E_RUN/verified.out")" = "$(cat "$E2E_RUN/replayed.out")" ] ||
    e2e_fail "--verify printed '$(cat "$E2E_RUN/verified.out")'"
last=$(tail -n 1 "$E2E_RUN/verified.out")
e2e_log "  $last"
echo "$last" | grep -Eq '^[0-9]+ ticks and [1-9][0-9]* checksums verified$' ||
    e2e_fail "--verify's last line: $last"
[ -z "$(ls "$E2E_RUN"/gullmar_ts.txt 2>/dev/null)" ] || e2e_fail "--verify wrote the timing report"

e2e_log "one frame taken out: the replay and --verify stop at the next checksum, status 1"
# Rewrites the recording with one frame fewer before a tick halfway through
# (its chunk's CRC made anew) and prints the tick of the next checksum: every
# 128th, and the last.
python3 - "$recording" "$E2E_RUN/drifted.gullrec" <<'PY' >"$E2E_RUN/drift_tick"
import sys, zlib
data = open(sys.argv[1], "rb").read()
def varint(b, at):
    value, shift = 0, 0
    while True:
        byte = b[at]; at += 1
        value |= (byte & 0x7F) << shift; shift += 7
        if byte < 0x80:
            return value, at
def put(value):
    out = bytearray()
    while value >= 0x80:
        out.append(value & 0x7F | 0x80); value >>= 7
    out.append(value)
    return bytes(out)
def skip(kind, b, at):  # past an entry's fields; for a tick, also where its frames are
    if kind in b"FWT":
        _, at = varint(b, at)
        frames_at = at
        _, at = varint(b, at)
        if kind == ord("T"):
            _, at = varint(b, at)
            return at, frames_at
        return at, None
    if kind == ord("I"):
        command = b[at]; at += 1
        sizes = {0: "vv", 4: "ff", 5: "ff", 6: "f"}
        for field in sizes.get(command, ""):
            at = varint(b, at)[1] if field == "v" else at + 4
        return at, None
    if kind == ord("A"):
        return varint(b, varint(b, at)[1])[1] + 8, None
    if kind == ord("C"):
        return at + 4, None
    if kind == ord("L"):
        for _ in range(10):
            _, at = varint(b, at)
        return at, None
    return at, None  # the end
chunks, at = [], 10
while at < len(data):
    size, start = varint(data, at)
    chunks.append(bytearray(data[start:start + size]))
    at = start + size + 4
ticks = []  # (chunk, where its frames are)
for n, payload in enumerate(chunks[1:], 1):
    at = 0
    while at < len(payload):
        kind = payload[at]
        at, frames_at = skip(kind, payload, at + 1)
        if frames_at is not None:
            ticks.append((n, frames_at))
for tick in range(len(ticks) // 2, len(ticks)):
    n, frames_at = ticks[tick]
    frames, end = varint(chunks[n], frames_at)
    if frames > 0:
        chunks[n][frames_at:end] = put(frames - 1)
        break
out = bytearray(data[:10])
for payload in chunks:
    out += put(len(payload)) + payload + zlib.crc32(payload).to_bytes(4, "little")
open(sys.argv[2], "wb").write(out)
altered = tick + 1
print(min(-(-altered // 128) * 128, len(ticks)))
PY
drift="the replay drifted from the recording at tick $(cat "$E2E_RUN/drift_tick") (the game's state differs); stopped"
verify drifted.gullrec drifted
[ "$STATUS" = 1 ] || e2e_fail "--verify of a drifting recording: status $STATUS"
[ "$(cat "$E2E_RUN/drifted.err")" = "Gullmar: drifted.gullrec: $drift" ] ||
    e2e_fail "--verify said: $(cat "$E2E_RUN/drifted.err")"
replay drifted.gullrec drifted_replay
[ "$STATUS" = 1 ] || e2e_fail "the replay of a drifting recording: status $STATUS"
grep -qxF "Gullmar: drifted.gullrec: $drift" "$E2E_RUN/drifted_replay.err" ||
    e2e_fail "the replay said: $(cat "$E2E_RUN/drifted_replay.err")"
e2e_log "  $drift"

e2e_log "a byte of its last chunk changed: one line naming the place, status 1"
python3 -c 'import sys; b = bytearray(open(sys.argv[1], "rb").read()); b[len(b) - 10] ^= 0x5A
open(sys.argv[2], "wb").write(b)' "$recording" "$E2E_RUN/damaged.gullrec"
verify damaged.gullrec damaged
[ "$STATUS" = 1 ] || e2e_fail "a damaged recording verified with status $STATUS"
[ "$(wc -l <"$E2E_RUN/damaged.err")" = 1 ] || e2e_fail "not one line: $(cat "$E2E_RUN/damaged.err")"
grep -Eq 'damaged.gullrec: damaged after tick [0-9]+$' "$E2E_RUN/damaged.err" ||
    e2e_fail "the line does not name the place: $(cat "$E2E_RUN/damaged.err")"
e2e_log "  $(cat "$E2E_RUN/damaged.err")"

e2e_log "its ticks cut in half: verified as far as it goes, status 0"
# Halfway between the end of the header's chunk and the end of the file.
python3 -c 'import sys
b = open(sys.argv[1], "rb").read()
at, size, shift = 10, 0, 0
while True:
    size |= (b[at] & 0x7F) << shift; shift += 7; at += 1
    if b[at - 1] < 0x80:
        break
header_end = at + size + 4
open(sys.argv[2], "wb").write(b[:(header_end + len(b)) // 2])' "$recording" "$E2E_RUN/half.gullrec"
verify half.gullrec half
[ "$STATUS" = 0 ] || e2e_fail "a recording cut in half: status $STATUS: $(cat "$E2E_RUN/half.err")"
tail -n 1 "$E2E_RUN/half.out" | grep -Eq 'checksums verified. The recording is cut short after tick [0-9]+' ||
    e2e_fail "the last line does not say where it ends: $(tail -n 1 "$E2E_RUN/half.out")"
e2e_log "  $(tail -n 1 "$E2E_RUN/half.out")"

e2e_log "SIGHUP: the same"
play 2025
kill -HUP "$GAME_PID"
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "SIGHUP ended the game with status $GAME_STATUS"
[ "$(flights_in_table)" = 2 ] || e2e_fail "the second flight is not in the table: $(scores)"
replay "$(newest_recording)" hup
[ "$STATUS" = 0 ] || e2e_fail "its replay ended with status $STATUS: $(cat "$E2E_RUN/hup.err")"

e2e_log "SIGKILL: the recording replays to the cut, the next game finishes it"
# Killed in its first second of play, before the bird can come to harm.
e2e_start --window-mode --seed=2026
e2e_wait_window
e2e_press_start
e2e_key w w space
sleep 0.5
kill -KILL "$GAME_PID"
e2e_wait_exit
killed=$(newest_recording)
replay "$killed" killed
[ "$STATUS" = 0 ] || e2e_fail "the cut recording's replay: status $STATUS: $(cat "$E2E_RUN/killed.err")"
tail -n 1 "$E2E_RUN/killed.out" | grep -Eq '^The recording is cut short after tick [0-9]+' ||
    e2e_fail "the replay does not say where it ends: $(cat "$E2E_RUN/killed.out")"
[ "$(flights_in_table)" = 2 ] || e2e_fail "a killed game's flight is in the table already: $(scores)"
e2e_start --window-mode --seed=1
e2e_wait_window
e2e_wait_for test "$(flights_in_table)" = 3 || e2e_fail "the next game did not finish it: $(scores)"
scores | grep -q 'seed 2026$' || e2e_fail "the killed game's flight is not in the table: $(scores)"
kill -TERM "$GAME_PID"
e2e_wait_exit
verify "$killed" finished
[ "$STATUS" = 0 ] && tail -n 1 "$E2E_RUN/finished.out" | grep -Eq 'checksums verified$' ||
    e2e_fail "the finished recording does not verify whole: $(cat "$E2E_RUN/finished.out" "$E2E_RUN/finished.err")"
e2e_pass
