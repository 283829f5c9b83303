# Missing and broken textures, and the window squeezed to one pixel: the game
# starts, plays and quits with status 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
source "$(dirname "$0")/bad_inputs_lib.sh"

e2e_log "no textures/ folder"
fresh_files
rm "$E2E_RUN/textures"
start_and_play
grep -q "cannot read textures/road.raw" "$E2E_RUN/stderr" || e2e_fail "no word of the missing textures"
quit_through_menu

e2e_log "broken textures: cut short, empty, too long, a folder in place of a file"
fresh_files
rm "$E2E_RUN/textures"
cp -r "$BUILD/textures" "$E2E_RUN/textures"
head -c 1000 "$BUILD/textures/road.raw" >"$E2E_RUN/textures/road.raw"
: >"$E2E_RUN/textures/grass.raw"
bytes 300000 4 >"$E2E_RUN/textures/car_front.raw"
rm "$E2E_RUN/textures/sidewalk.raw"
mkdir "$E2E_RUN/textures/sidewalk.raw"
start_and_play
grep -q "textures/road.raw holds 1000 of 196608 bytes" "$E2E_RUN/stderr" ||
    e2e_fail "no word of the short texture"
quit_through_menu

e2e_log "the window squeezed to 1 by 1 pixel during play, then back"
fresh_files
start_and_play
window_is() { [ "$(e2e_window_size "$GAME_WINDOW")" = "$1" ]; }
xdotool windowsize "$GAME_WINDOW" 1 1
e2e_wait_for window_is 1x1 || e2e_fail "the window is $(e2e_window_size "$GAME_WINDOW"), not 1x1"
# The pointer inside the one pixel, so the game still gets steering motion.
xdotool mousemove --window "$GAME_WINDOW" 0 0 mousemove --window "$GAME_WINDOW" 1 1
sleep "$PLAY_SECONDS"
game_is_running
xdotool windowsize "$GAME_WINDOW" 800 800
e2e_wait_for window_is 800x800 || e2e_fail "the window did not come back to 800x800"
quit_through_menu

e2e_pass
