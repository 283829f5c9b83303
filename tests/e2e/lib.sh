# Helpers for end-to-end tests: the real game binary under a private Xvfb,
# driven with xdotool. A test script is run as `bash tests/e2e/x_test.sh
# <build dir>` and uses them like this:
#
#   source "$(dirname "$0")/lib.sh"
#   e2e_init "$1"                  # own Xvfb and run directory, cleaned up at exit
#   e2e_start --window-mode        # the game, started in the run directory
#   e2e_wait_window                # sets GAME_WINDOW (the "::Gullmar::" window id)
#   e2e_key Return                 # keys by X keysym name (w, space, Escape, plus)
#   e2e_click 400 300              # left click at window coordinates
#   e2e_press_start                # START, once the main menu takes the pointer
#   e2e_screenshot menu.png        # PNG of the screen, into the run directory
#   e2e_close_window               # close as a window manager would
#   e2e_wait_exit                  # sets GAME_STATUS (exit status of the game)
#   e2e_pass                       # or: e2e_fail "what went wrong"
#
# Variables: E2E_RUN (run directory: links to gullmar, textures and sounds, a copy of
# config/, the game's stdout and stderr), DISPLAY, GAME_PID, GAME_WINDOW,
# GAME_STATUS. Waits poll for a condition with a generous limit (E2E_TIMEOUT
# seconds, default 60) instead of sleeping a fixed time. E2E_KEEP=1 keeps the
# run directory for a look afterwards.

E2E_TIMEOUT=${E2E_TIMEOUT:-60}
E2E_NAME=$(basename "$0" .sh)

e2e_log() { echo "[$E2E_NAME] $*"; }

e2e_fail() {
    [ "${E2E_KEEP:-0}" = 1 ] && [ -n "${E2E_RUN:-}" ] && import -window root "$E2E_RUN/failure.png" 2>/dev/null
    echo "[$E2E_NAME] FAIL: $*" >&2
    if [ -n "${E2E_RUN:-}" ] && [ -s "$E2E_RUN/stderr" ]; then
        echo "[$E2E_NAME] game stderr:" >&2
        sed 's/^/    /' "$E2E_RUN/stderr" >&2
    fi
    exit 1
}

e2e_pass() {
    e2e_log "PASS"
    exit 0
}

# Runs "$@" every 0.2 s until it succeeds or E2E_TIMEOUT seconds pass.
e2e_wait_for() {
    local tries=$((E2E_TIMEOUT * 5))
    while ! "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.2
    done
}

e2e_cleanup() {
    if [ -n "${GAME_PID:-}" ] && kill -0 "$GAME_PID" 2>/dev/null; then
        kill "$GAME_PID" 2>/dev/null
        wait "$GAME_PID" 2>/dev/null
    fi
    if [ -n "${E2E_XVFB_PID:-}" ]; then
        kill "$E2E_XVFB_PID" 2>/dev/null
        wait "$E2E_XVFB_PID" 2>/dev/null
    fi
    if [ -n "${E2E_RUN:-}" ]; then
        if [ "${E2E_KEEP:-0}" = 1 ]; then
            e2e_log "run directory kept: $E2E_RUN"
        else
            rm -rf "$E2E_RUN"
        fi
    fi
}

# e2e_init <build dir>: checks the tools, starts Xvfb on a free display and
# makes a fresh run directory.
e2e_init() {
    local build
    build=$(cd "${1:?usage: $0 <build dir>}" && pwd) || e2e_fail "no build directory: $1"
    [ -x "$build/gullmar" ] || e2e_fail "no game binary in $build"
    local tool
    for tool in Xvfb xdotool xwininfo import python3; do
        command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
    done
    trap e2e_cleanup EXIT
    E2E_RUN=$(mktemp -d "${TMPDIR:-/tmp}/gullmar-$E2E_NAME.XXXXXX")
    ln -s "$build/gullmar" "$E2E_RUN/gullmar"
    ln -s "$build/textures" "$E2E_RUN/textures"
    ln -s "$build/sounds" "$E2E_RUN/sounds"
    cp -r "$build/config" "$E2E_RUN/config"

    # Xvfb picks a free display number itself and writes it to fd 3. Without
    # -noreset it resets whenever its last client leaves (xdotool, the game of
    # a previous case), and a game connecting meanwhile fails to open it.
    Xvfb -displayfd 3 -screen 0 1024x1024x24 -nolisten tcp -noreset 3>"$E2E_RUN/display" \
        >"$E2E_RUN/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for test -s "$E2E_RUN/display" || e2e_fail "Xvfb did not start"
    DISPLAY=:$(head -n 1 "$E2E_RUN/display")
    export DISPLAY
    e2e_wait_for xdotool getdisplaygeometry || e2e_fail "Xvfb on $DISPLAY does not answer"
    e2e_log "display $DISPLAY, run directory $E2E_RUN"
}

# e2e_start [options...]: starts the game in the run directory.
e2e_start() {
    (cd "$E2E_RUN" && exec ./gullmar "$@") >"$E2E_RUN/stdout" 2>"$E2E_RUN/stderr" &
    GAME_PID=$!
}

game_window_id() {
    kill -0 "$GAME_PID" 2>/dev/null || return 2
    xdotool search --name '^::Gullmar::$' | head -n 1 | grep .
}

# e2e_wait_window: waits for the game's window and puts the pointer in it, so
# that keys reach it (no window manager, so focus follows the pointer).
e2e_wait_window() {
    e2e_wait_for game_window_id || e2e_fail "the game window did not appear"
    GAME_WINDOW=$(game_window_id)
    xdotool mousemove --window "$GAME_WINDOW" 400 400
}

# e2e_window_size <window>: prints WIDTHxHEIGHT.
e2e_window_size() {
    xwininfo -id "$1" | awk '/^ *Width:/ { w = $2 } /^ *Height:/ { h = $2 } END { print w "x" h }'
}

# e2e_child_windows: prints the direct children of the game window, one per
# line, as "id WIDTHxHEIGHT".
e2e_child_windows() {
    xwininfo -children -id "$GAME_WINDOW" |
        awk '/^ +0x[0-9a-f]+ / { for (i = 1; i <= NF; ++i) if ($i ~ /^[0-9]+x[0-9]+\+/) { split($i, g, "+"); print $1, g[1] } }'
}

e2e_key() {
    xdotool mousemove --window "$GAME_WINDOW" 400 400 key "$@"
}

# e2e_click <x> <y>: moves there, then a left click (press and release).
e2e_click() {
    xdotool mousemove --window "$GAME_WINDOW" "$1" "$2" click 1
}

# e2e_press_start: clicks START, the first button of the main menu (see
# menu_test.sh), once the menu takes the pointer: under it START turns white.
# The main menu acts on a click a tick later, where the pointer is then, so
# the pointer stays until the menu is gone.
e2e_press_start() {
    xdotool mousemove --window "$GAME_WINDOW" 200 614
    e2e_wait_for start_lit || e2e_fail "START is not lit under the pointer"
    e2e_click 200 614
    e2e_wait_for start_gone || e2e_fail "START did not start the game"
}
start_gone() { ! start_lit; }
start_lit() {
    [ "$(timeout 20 import -window "$GAME_WINDOW" -crop 1x1+180+614 +repage -depth 8 txt:- |
        sed -n '2s/^[^(]*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p')" = "255,255,255" ]
}

# e2e_screenshot <name>: the whole screen, into the run directory.
e2e_screenshot() {
    import -window root "$E2E_RUN/$1"
}

# e2e_close_window: asks the window to close, as the close box of a window
# manager does (WM_DELETE_WINDOW).
e2e_close_window() {
    python3 - "$GAME_WINDOW" <<'PY' || e2e_fail "could not send WM_DELETE_WINDOW"
import ctypes, ctypes.util, sys
x = ctypes.CDLL(ctypes.util.find_library("X11"))
x.XOpenDisplay.restype = ctypes.c_void_p
x.XInternAtom.restype = ctypes.c_ulong
x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long, ctypes.c_void_p]
x.XFlush.argtypes = [ctypes.c_void_p]
x.XCloseDisplay.argtypes = [ctypes.c_void_p]

class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]

class Event(ctypes.Union):
    _fields_ = [("message", ClientMessage), ("pad", ctypes.c_long * 24)]

display = x.XOpenDisplay(None)
if not display:
    sys.exit(1)
window = int(sys.argv[1], 0)
event = Event()
event.message.type = 33  # ClientMessage
event.message.window = window
event.message.message_type = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
event.message.format = 32
event.message.data[0] = x.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
x.XSendEvent(display, window, 0, 0, ctypes.byref(event))
x.XFlush(display)
x.XCloseDisplay(display)
PY
}

# e2e_wait_exit: waits for the game to end and sets GAME_STATUS.
e2e_wait_exit() {
    e2e_wait_for game_has_ended || e2e_fail "the game did not end"
    wait "$GAME_PID"
    GAME_STATUS=$?
}

game_has_ended() { ! kill -0 "$GAME_PID" 2>/dev/null; }
