# The desktop's picture of the main menu at start, for the browser test to
# compare the page with: the game in an 800 by 800 window with the shipped
# settings and an empty table, its F12 screenshot copied to <out.png>.
# Usage: bash tests/web/desktop_menu_shot.sh <build dir> <seed> <out.png>
source "$(dirname "$0")/../e2e/lib.sh"
e2e_init "$1"
rm -rf "$E2E_RUN/config" && cp -r "$(dirname "$0")/../../config" "$E2E_RUN/config"
e2e_start --window-mode --no-sound --no-gamepad "--seed=$2"
e2e_wait_window
shot() { ls "$E2E_RUN"/screenshots/*.png 2>/dev/null | head -n 1 | grep .; }
# The first frame may come before the camera is placed: a shot of a later one.
xdotool key --window "$GAME_WINDOW" F12
e2e_wait_for shot || e2e_fail "F12 saved no screenshot"
rm "$(shot)"
xdotool key --window "$GAME_WINDOW" F12
e2e_wait_for shot || e2e_fail "F12 saved no second screenshot"
sleep 0.5
cp "$(shot)" "$3"
e2e_pass
