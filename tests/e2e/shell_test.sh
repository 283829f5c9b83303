# The game as a player starts it: window mode opens an 800 by 800 window
# titled "::Gullmar::" that takes keys, opens and closes the second view with
# '2' and '1', and ends the process with status 0 when the window is closed.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
e2e_start --window-mode
e2e_wait_window

title=$(xdotool getwindowname "$GAME_WINDOW")
[ "$title" = "::Gullmar::" ] || e2e_fail "window title is '$title'"
size=$(e2e_window_size "$GAME_WINDOW")
[ "$size" = "800x800" ] || e2e_fail "window size is $size, not 800x800"

# Play a little: resume, speed up, drop poop, zoom the radar, freeze and back
# to the menu. None of it may end the game.
e2e_key Return w w Up space plus minus g g s Down m Escape
[ -z "$(e2e_child_windows)" ] || e2e_fail "a subwindow appeared without '2'"

second_view_open() { [ "$(e2e_child_windows | wc -l)" = 1 ]; }
second_view_closed() { [ -z "$(e2e_child_windows)" ]; }

e2e_key 2
e2e_wait_for second_view_open || e2e_fail "'2' opened no second view: $(e2e_child_windows)"
size=$(e2e_child_windows | cut -d' ' -f2)
[ "$size" = "200x200" ] || e2e_fail "the second view is $size, not 200x200"

# A second '2' must not open another view: the '1' after it would then leave
# one open.
e2e_key 2 1
e2e_wait_for second_view_closed || e2e_fail "the second view did not close: $(e2e_child_windows)"
# '1' with the view closed does nothing; a crash shows in the exit status.
e2e_key 1

e2e_close_window
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "the game ended with status $GAME_STATUS"
[ ! -e "$E2E_RUN/gullmar_ts.txt" ] || e2e_fail "closing the window wrote a profiler report"
e2e_pass
