# The menus as a player uses them, by mouse: the main menu is up at start,
# START starts play, Escape brings back "MAIN MENU", CONFIG edits and saves
# the settings file, QUIT writes the profiler report and ends with status 0.
#
# In the 800 by 800 window both menus stand at (160, 200) of the overlay, so
# their items start at window x 170 and window y 610, 31 pixels apart.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"

# Known settings to start from, so the saved file can be compared exactly. A
# slow game speed gives a busy machine time to look at the screen before the
# bird, which dives by itself once playing, can come to harm.
cat >"$E2E_RUN/config/gullmar.config" <<'CONFIG'
FAST_COMPUTER
1

POOP_SHOW_TREES
1

POOP_GAME_SPEED
60
CONFIG

e2e_start --window-mode
e2e_wait_window

# pixel <x> <y>: "r,g,b" (0..255) of the game window at window coordinates.
pixel() {
    timeout 20 import -window "$GAME_WINDOW" -crop "1x1+$1+$2" +repage -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p'
}
pixel_is() { [ "$(pixel "$1" "$2")" = "$3" ]; }

# white_mask <x> <y> <w> <h>: which pixels of a region are pure white, as one
# line of 0 and 1; menu texts are drawn in pure white over a translucent panel.
white_mask() {
    timeout 20 import -window "$GAME_WINDOW" -crop "$3x$4+$1+$2" +repage -depth 8 rgb:- |
        python3 -c 'import sys; d = sys.stdin.buffer.read(); print("".join("1" if d[i:i + 3] == b"\xff\xff\xff" else "0" for i in range(0, len(d), 3)))'
}
# The title line of the main menu: it starts at the panel's middle (x 560),
# half the panel's height (134) below its top: baseline at window y 667.
title_mask() { white_mask 560 654 240 16; }

# hover <x> <y>: puts the pointer there; the menus see it at their next tick.
hover() { xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"; }
# Under the pointer, a button is an opaque white box (blank left margin at x 180).
highlighted() { pixel_is 180 "$1" "255,255,255"; }
not_highlighted() { ! highlighted "$1"; }

START_Y=614
RESUME_Y=645
CONFIG_Y=676
QUIT_Y=707

e2e_log "main menu at start"
hover 400 400
e2e_wait_for not_highlighted $START_Y || e2e_fail "START is highlighted without the pointer on it"
# The first frames may not be drawn yet: wait for the title to show.
title_drawn() { start_title=$(title_mask) && [ "${start_title//0/}" != "" ]; }
e2e_wait_for title_drawn || e2e_fail "no title text on the main menu at start"
start_title=$(title_mask)
hover 200 $START_Y
e2e_wait_for highlighted $START_Y || e2e_fail "the main menu is not up at start (START not highlighted)"

e2e_log "START starts play; Escape brings back the main menu"
# Play shows in the HUD, which only a game update fills: the level line is
# pure red text along the top edge.
hud_shows() {
    timeout 20 import -window "$GAME_WINDOW" -crop 300x14+8+4 +repage -depth 8 rgb:- |
        python3 -c 'import sys; d = sys.stdin.buffer.read(); sys.exit(0 if b"\xff\x00\x00" in [d[i:i + 3] for i in range(0, len(d), 3)] else 1)'
}
hud_shows && e2e_fail "the HUD shows before START"
e2e_click 200 $START_Y
e2e_wait_for hud_shows || e2e_fail "the game does not play after START (no HUD)"
# The pointer at the top edge holds the bird's nose up, where it hangs still;
# then Escape: START left the title ":: Main Menu ::", Escape puts back
# "MAIN MENU".
hover 400 0
e2e_key Escape
hover 200 $START_Y
e2e_wait_for highlighted $START_Y || e2e_fail "Escape did not bring the main menu back"
title_is_main_menu() { [ "$(title_mask)" = "$start_title" ]; }
e2e_wait_for title_is_main_menu || e2e_fail "the title after Escape is not MAIN MENU"

e2e_log "CONFIG: one click on the game speed's '+' end, one on 'Show trees', then Save"
hover 200 $CONFIG_Y
e2e_wait_for highlighted $CONFIG_Y || e2e_fail "CONFIG is not highlighted"
e2e_click 200 $CONFIG_Y
# The main menu acts on a click a tick later, where the pointer is then: keep
# it still until the configuration menu has replaced the main menu.
e2e_wait_for not_highlighted $CONFIG_Y || e2e_fail "CONFIG did not open the configuration menu"
# Its Save button sits where a fifth main-menu item would, 6 items down
# (y 741..762 with check boxes 20 high).
SAVE_Y=745
MAIN_MENU_Y=776
hover 200 $SAVE_Y
e2e_wait_for highlighted $SAVE_Y || e2e_fail "the configuration menu did not open"
# click_item <x> <y>: hovers an item, then clicks it and waits until its
# highlighted (white) label changes, so each click is taken before the next.
click_item() {
    hover "$1" "$2"
    local before
    label_highlighted() { before=$(white_mask 168 $(($2 - 4)) 200 21) && [ "${before//0/}" != "" ]; }
    e2e_wait_for label_highlighted "$1" "$2" || e2e_fail "the item at $1,$2 is not highlighted"
    e2e_click "$1" "$2"
    label_changed() { [ "$(white_mask 168 $(($2 - 4)) 200 21)" != "$before" ]; }
    e2e_wait_for label_changed "$1" "$2" || e2e_fail "a click at $1,$2 changed nothing"
}
click_item 340 $START_Y # the slider's '+' end: "- | Game Speed: 60 | +" spans x 170..350
click_item 200 $RESUME_Y # "Show trees"
rm -f "$E2E_RUN/config/gullmar.config"
e2e_click 200 $SAVE_Y
e2e_wait_for test -s "$E2E_RUN/config/gullmar.config" || e2e_fail "Save wrote no config/gullmar.config"
expected=$(printf '%s\n' FAST_COMPUTER 1 '' POOP_SHOW_CLOUDS 1 '' POOP_SHOW_TREES 0 '' \
    POOP_WINDOW_MODE 1 '' POOP_LIGHTING 1 '' POOP_TEXTURE_2D 3553 '' POOP_SHADING_TYPE 7425 '' \
    POOP_GAME_SPEED 61 ''
    echo x) # the x keeps the trailing blank line through $(...)
file_is_complete() { [ "$(cat "$E2E_RUN/config/gullmar.config"; echo x)" = "$expected" ]; }
e2e_wait_for file_is_complete ||
    e2e_fail "config/gullmar.config differs: $(diff <(printf '%s' "${expected%x}") "$E2E_RUN/config/gullmar.config")"

e2e_log "' Main Menu ' goes back; QUIT writes the report and ends the game with 0"
e2e_click 200 $MAIN_MENU_Y
e2e_wait_for not_highlighted $MAIN_MENU_Y || e2e_fail "' Main Menu ' did not close the configuration menu"
hover 200 $QUIT_Y
e2e_wait_for highlighted $QUIT_Y || e2e_fail "' Main Menu ' did not bring back the main menu"
e2e_click 200 $QUIT_Y
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT ended the game with status $GAME_STATUS"
[ -f "$E2E_RUN/gullmar_ts.txt" ] || e2e_fail "QUIT wrote no gullmar_ts.txt"
lines=$(wc -l <"$E2E_RUN/gullmar_ts.txt")
[ "$lines" = 15 ] || e2e_fail "gullmar_ts.txt has $lines lines, not 15"
head -n 1 "$E2E_RUN/gullmar_ts.txt" | grep -qx "GullMar TimeStats report:" ||
    e2e_fail "gullmar_ts.txt does not start with its heading"
e2e_pass
