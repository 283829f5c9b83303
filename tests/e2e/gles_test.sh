# The game drawn through the layer on OpenGL ES 2 (--gles), as a player plays
# it: START, play, the second view, CONFIG and Save, an F12 screenshot, then
# QUIT with status 0, all with MESA_DEBUG=1, under which Mesa names every GL
# error the game makes: there is none. The screenshot shows the city, the HUD
# and the second view the layer drew.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
export MESA_DEBUG=1

# The menus stand where menu_test.sh finds them: their items at window x 170,
# 31 pixels apart from y 610.
START_Y=614
CONFIG_Y=676
QUIT_Y=707
SAVE_Y=745
MAIN_MENU_Y=776
pixel() {
    timeout 20 import -window "$GAME_WINDOW" -crop "1x1+$1+$2" +repage -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
highlighted() { [ "$(pixel 180 "$1")" = "255,255,255" ]; }
not_highlighted() { ! highlighted "$1"; }
# click <y>: an item of the menu shown, once it takes the pointer.
click() {
    xdotool mousemove --window "$GAME_WINDOW" 200 "$1"
    e2e_wait_for highlighted "$1" || e2e_fail "the item at y $1 is not highlighted"
    e2e_click 200 "$1"
}

e2e_log "START and play, through the layer"
e2e_start --window-mode --gles --seed=2024
e2e_wait_window
e2e_press_start
e2e_key w w w space
e2e_key 2
second_view_open() { [ "$(e2e_child_windows | wc -l)" = 1 ]; }
e2e_wait_for second_view_open || e2e_fail "'2' opened no second view"
sleep 1

e2e_log "F12: the frame the layer drew, the second view in it"
e2e_key F12
shot_written() { grep -Eq '^Screenshot saved: screenshots/' "$E2E_RUN/stdout"; }
e2e_wait_for shot_written || e2e_fail "F12 saved no screenshot"
shot="$E2E_RUN/$(sed -n 's/^Screenshot saved: //p' "$E2E_RUN/stdout" | head -n 1)"
colours=$(convert "$shot" -format %k info:)
[ "$colours" -gt 200 ] || e2e_fail "the screenshot holds $colours colours: nothing drawn"
# The second view stands at the window's top right, 200 pixels square.
inset=$(convert "$shot" -crop 150x150+630+100 +repage -format %k info:)
[ "$inset" -gt 100 ] || e2e_fail "the second view in the screenshot holds $inset colours"

e2e_log "CONFIG, Save, back, QUIT"
e2e_key 1 Escape
click $CONFIG_Y
e2e_wait_for not_highlighted $CONFIG_Y || e2e_fail "CONFIG did not open the configuration menu"
rm -f "$E2E_RUN/config/gullmar.config"
click $SAVE_Y
e2e_wait_for test -s "$E2E_RUN/config/gullmar.config" || e2e_fail "Save wrote no settings"
click $MAIN_MENU_Y
e2e_wait_for not_highlighted $MAIN_MENU_Y || e2e_fail "' Main Menu ' did not go back"
click $QUIT_Y
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT ended the game with status $GAME_STATUS"
! grep -Eqi 'Mesa: User error|GL_INVALID|gl error' "$E2E_RUN/stderr" ||
    e2e_fail "GL errors: $(grep -Ei 'Mesa: User error|GL_INVALID|gl error' "$E2E_RUN/stderr" | sort | uniq -c | head)"
e2e_pass
