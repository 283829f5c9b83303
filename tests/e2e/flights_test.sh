# Best flights and replays as a player meets them: a game played by keyboard
# and mouse is recorded in flights/; its flight, ended by the bird's death or
# the clock, is in the table that --scores prints; --replay of the recording
# and --replay-best each play it back and print the same line, with status 0;
# bad files and a bad place in the table give one line and status 1;
# --no-record leaves no recording.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# A short level, so the flight ends by itself within seconds.
printf '1 5 10 3 6\n' >"$E2E_RUN/config/levels.config"
scores() { (cd "$E2E_RUN" && ./gullmar --scores); }
has_a_flight() { scores | grep -Eq '^-?[0-9]+ points'; }
recordings() { ls "$E2E_RUN"/flights/*.gullrec 2>/dev/null; }

e2e_log "play: START, a dive with the speed up and drops, until the flight ends"
[ -z "$(scores)" ] || e2e_fail "--scores printed a table before any flight: $(scores)"
e2e_start --window-mode --seed=77
e2e_wait_window
e2e_press_start
xdotool mousemove --window "$GAME_WINDOW" 400 700
xdotool key --window "$GAME_WINDOW" w w w space
xdotool mousemove --window "$GAME_WINDOW" 500 600 key --window "$GAME_WINDOW" space
e2e_wait_for has_a_flight || e2e_fail "no flight in the table after the level's time ran out"
e2e_key Escape
e2e_click 200 707
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT ended the game with status $GAME_STATUS"
[ "$(recordings | wc -l)" = 1 ] || e2e_fail "not one recording in flights/: $(recordings)"
line=$(scores | head -n 1)
e2e_log "the table: $line"
[ "$(scores | wc -l)" = 1 ] || e2e_fail "one flight played, but the table shows: $(scores)"
echo "$line" | grep -Eq '^-?[0-9]+ points, level 1, .* seed 77$' ||
    e2e_fail "the table's line does not begin with the score or lacks the seed: $line"

e2e_log "--replay of the recording plays it and prints the same line"
recording=$(recordings)
(cd "$E2E_RUN" && timeout 120 ./gullmar --window-mode --no-sound --replay="$recording") \
    >"$E2E_RUN/replay.out" 2>"$E2E_RUN/replay.err"
status=$?
[ "$status" = 0 ] || e2e_fail "the replay ended with status $status: $(cat "$E2E_RUN/replay.err")"
[ "$(cat "$E2E_RUN/replay.out")" = "$line" ] ||
    e2e_fail "the replay printed '$(cat "$E2E_RUN/replay.out")', the table says '$line'"
[ "$(recordings | wc -l)" = 1 ] || e2e_fail "the replay wrote a recording of its own"

e2e_log "--replay-best plays the best flight alone"
(cd "$E2E_RUN" && timeout 120 ./gullmar --window-mode --no-sound --replay-best) \
    >"$E2E_RUN/best.out" 2>"$E2E_RUN/best.err"
status=$?
[ "$status" = 0 ] || e2e_fail "--replay-best ended with status $status: $(cat "$E2E_RUN/best.err")"
[ "$(cat "$E2E_RUN/best.out")" = "$line" ] ||
    e2e_fail "--replay-best printed '$(cat "$E2E_RUN/best.out")', the table says '$line'"

e2e_log "bad files and a bad place: one line, status 1"
bad_case() { # <what> <options...>
    local what=$1
    shift
    (cd "$E2E_RUN" && timeout 60 ./gullmar --window-mode --no-sound "$@") >"$E2E_RUN/bad.out" \
        2>"$E2E_RUN/bad.err"
    local status=$?
    [ "$status" = 1 ] || e2e_fail "$what: status $status, not 1"
    [ "$(wc -l <"$E2E_RUN/bad.err")" = 1 ] || e2e_fail "$what: not one line: $(cat "$E2E_RUN/bad.err")"
    e2e_log "  $what: $(cat "$E2E_RUN/bad.err")"
}
bad_case "a missing recording" --replay=flights/none.gullrec
bad_case "a file that is no recording" --replay=config/levels.config
head -c 200 "$recording" >"$E2E_RUN/cut.gullrec"
bad_case "a recording cut short" --replay=cut.gullrec
bad_case "a place the table does not have" --replay-best=2
bad_case "a place that is no number" --replay-best=first

e2e_log "--no-record leaves no recording"
e2e_start --window-mode --no-record
e2e_wait_window
e2e_click 200 707
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT with --no-record ended with status $GAME_STATUS"
[ "$(recordings | wc -l)" = 1 ] || e2e_fail "--no-record wrote a recording: $(recordings)"
e2e_pass
