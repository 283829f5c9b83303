# Helpers of the bad-input tests (bad_inputs_*_test.sh): each case puts a bad
# input beside the game, which must start, play for a few seconds and end
# through the menu's QUIT with status 0. The table of what the game does with
# each input is docs/bad-inputs.md. Sourced after lib.sh and e2e_init.
#
# Menu positions are those of the 800 by 800 window (see menu_test.sh).
BUILD=$(cd "$1" && pwd)

START_Y=614
CONFIG_Y=676
QUIT_Y=707
SAVE_Y=745
MAIN_MENU_Y=776
PLAY_SECONDS=3

pixel() {
    timeout 20 import -window "$GAME_WINDOW" -crop "1x1+$1+$2" +repage -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
hover() { xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"; }
# Under the pointer, a button is an opaque white box.
highlighted() { [ "$(pixel 180 "$1")" = "255,255,255" ]; }
# Play shows in the HUD's level line: pure red text along the top edge.
hud_shows() {
    timeout 20 import -window "$GAME_WINDOW" -crop 300x14+8+4 +repage -depth 8 rgb:- |
        python3 -c 'import sys; d = sys.stdin.buffer.read(); sys.exit(0 if b"\xff\x00\x00" in [d[i:i + 3] for i in range(0, len(d), 3)] else 1)'
}
game_is_running() { kill -0 "$GAME_PID" 2>/dev/null || e2e_fail "the game ended during play"; }

# fresh_files: the run directory as e2e_init made it, for the next case.
fresh_files() {
    rm -rf "$E2E_RUN/config" "$E2E_RUN/textures" "$E2E_RUN/sounds" "$E2E_RUN/gullmar_ts.txt"
    cp -r "$BUILD/config" "$E2E_RUN/config"
    ln -s "$BUILD/textures" "$E2E_RUN/textures"
    ln -s "$BUILD/sounds" "$E2E_RUN/sounds"
}

# bytes <count> <seed>: the same pseudo-random bytes on every run.
bytes() {
    python3 -c 'import random, sys; random.seed(int(sys.argv[2])); sys.stdout.buffer.write(random.randbytes(int(sys.argv[1])))' "$1" "$2"
}

# start_and_play: starts the game, clicks START, waits for the HUD and plays
# a few seconds: faster, poop, back to normal.
start_and_play() {
    e2e_start --window-mode
    e2e_wait_window
    hover 200 $START_Y
    e2e_wait_for highlighted $START_Y || e2e_fail "no main menu at start"
    e2e_click 200 $START_Y
    e2e_wait_for hud_shows || e2e_fail "the game does not play after START (no HUD)"
    e2e_key w space
    sleep "$PLAY_SECONDS"
    e2e_key s space
    game_is_running
}

# quit_through_menu: Escape brings the main menu, QUIT must end with 0.
quit_through_menu() {
    e2e_key Escape
    hover 200 $QUIT_Y
    e2e_wait_for highlighted $QUIT_Y || e2e_fail "Escape did not bring the main menu (QUIT)"
    e2e_click 200 $QUIT_Y
    e2e_wait_exit
    [ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT ended the game with status $GAME_STATUS"
    [ -f "$E2E_RUN/gullmar_ts.txt" ] || e2e_fail "QUIT wrote no gullmar_ts.txt"
}

