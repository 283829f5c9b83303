# The installed game as a player meets it: `cmake --install` with DESTDIR
# into a read-only tree; the launcher runs the game from the player's own
# folder under XDG_DATA_HOME, where Save, the timing report and F12's
# screenshots land, while the installed tree stays byte for byte the same;
# the player's settings survive an update and a move of the install; the
# launcher's bad cases; the validators on the desktop entry, the metainfo
# and the manual page.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
build=$(cd "$1" && pwd)
for tool in cmake desktop-file-validate appstreamcli man identify compare sha256sum; do
    command -v "$tool" >/dev/null || e2e_fail "$tool is not installed"
done

root=$E2E_RUN/root
prefix=$root/usr
launcher=$prefix/bin/gullmar
# install_game <destdir>: installs the build there, leaving the build's own
# install manifest (a player's record of a real install) as it was.
install_game() {
    local manifest=$build/install_manifest.txt saved=$E2E_RUN/manifest.saved status=0
    [ -f "$manifest" ] && cp -p "$manifest" "$saved"
    DESTDIR=$1 cmake --install "$build" --prefix /usr >"$E2E_RUN/install.log" 2>&1 || status=$?
    rm -f "$manifest"
    [ -f "$saved" ] && mv "$saved" "$manifest"
    [ "$status" = 0 ] || e2e_fail "cmake --install failed: $(tail -n 5 "$E2E_RUN/install.log")"
}
# tree_state <dir>: every path with its type, mode and link target, and the
# checksum of every file.
tree_state() {
    (cd "$1" && find . -printf '%p %y %m %l\n' | sort && find . -type f -print0 | sort -z |
        xargs -0 sha256sum)
}

e2e_log "install with DESTDIR, then make the tree read-only"
install_game "$root"
for path in bin/gullmar libexec/gullmar/gullmar share/gullmar/config/gullmar.config \
    share/gullmar/config/levels.config share/gullmar/config/introText.txt \
    share/gullmar/textures/car_Top.raw share/applications/io.github.gullmar.gullmar.desktop \
    share/metainfo/io.github.gullmar.gullmar.metainfo.xml share/man/man6/gullmar.6; do
    [ -f "$prefix/$path" ] || e2e_fail "the install has no $path"
done
[ "$(ls "$prefix/share/gullmar/textures" | wc -l)" = 28 ] || e2e_fail "the install lacks textures"
[ "$(ls "$prefix/share/gullmar/sounds" | wc -l)" -gt 0 ] || e2e_fail "the install lacks sounds"
[ ! -e "$prefix/share/gullmar/textures/.generated" ] || e2e_fail "the build's stamp file was installed"
for size in 16 24 32 48 64 128 256; do
    icon=$prefix/share/icons/hicolor/${size}x$size/apps/gullmar.png
    [ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" = "${size}x$size" ] ||
        e2e_fail "no ${size}x$size icon the PNG reader opens: $icon"
done
chmod -R a-w "$root"
tree_state "$root" >"$E2E_RUN/tree.before"

e2e_log "the validators pass on the desktop entry and the metainfo; man shows the page"
out=$(desktop-file-validate "$prefix/share/applications/io.github.gullmar.gullmar.desktop" 2>&1) ||
    e2e_fail "desktop-file-validate: $out"
out=$(appstreamcli validate --no-net --strict \
    "$prefix/share/metainfo/io.github.gullmar.gullmar.metainfo.xml" 2>&1) ||
    e2e_fail "appstreamcli validate: $out"
page=$(MANWIDTH=80 man --warnings -l "$prefix/share/man/man6/gullmar.6" 2>"$E2E_RUN/man.err") ||
    e2e_fail "man -l failed: $(cat "$E2E_RUN/man.err")"
[ ! -s "$E2E_RUN/man.err" ] || e2e_fail "man -l warns: $(cat "$E2E_RUN/man.err")"
for word in OPTIONS KEYS FILES F12 --window-mode XDG_DATA_HOME .local/share/gullmar; do
    grep -qF -- "$word" <<<"$page" || e2e_fail "the manual page does not mention $word"
done

home=$E2E_RUN/home
mkdir -p "$home"
# run_launcher <stdout> <stderr> [VAR=value...] -- [options...]: the installed
# launcher with its own HOME and no XDG_DATA_HOME unless given, from a folder
# it must not write to, as the user that as_player names (empty: this one).
as_player=()
run_launcher() {
    local out=$1 err=$2
    shift 2
    local vars=()
    while [ "$1" != -- ]; do vars+=("$1"); shift; done
    shift
    (cd / && exec "${as_player[@]}" env -u XDG_DATA_HOME HOME="$home" "${vars[@]}" "$launcher" "$@") \
        >"$out" 2>"$err"
}

e2e_log "first start: the per-user folder is made, the game plays from it"
user=$home/.local/share/gullmar
# A player's own intro text (empty, so the frames stay still) is kept.
mkdir -p "$user/config"
: >"$user/config/introText.txt"
run_launcher "$E2E_RUN/stdout" "$E2E_RUN/stderr" -- --window-mode &
GAME_PID=$!
e2e_wait_window
cmp -s "$user/config/gullmar.config" "$prefix/share/gullmar/config/gullmar.config" ||
    e2e_fail "the default settings were not copied into $user/config"
[ ! -L "$user/config/gullmar.config" ] || e2e_fail "the settings file is a link into the install"
for name in textures sounds config/levels.config; do
    [ "$(readlink "$user/$name")" = "$prefix/share/gullmar/$name" ] ||
        e2e_fail "$user/$name is not a link to the install: $(readlink "$user/$name")"
done
[ -f "$user/config/introText.txt" ] && [ ! -L "$user/config/introText.txt" ] ||
    e2e_fail "the player's own intro text was replaced"

e2e_log "F12 writes the frame shown as a PNG into the per-user folder"
# Without a window manager the window sits at -1,-1, one pixel off the screen.
xdotool windowmove "$GAME_WINDOW" 0 0
at_origin() { xwininfo -id "$GAME_WINDOW" | grep -q 'Absolute upper-left X: *0$'; }
e2e_wait_for at_origin || e2e_fail "the window did not move to 0,0"
window_size=$(e2e_window_size "$GAME_WINDOW")
# The first frames are drawn before the window has its size: wait for two
# reads of the window that agree.
window_settled() {
    import -window "$GAME_WINDOW" "$E2E_RUN/before.png" && import -window "$GAME_WINDOW" "$E2E_RUN/window.png" &&
        [ "$(compare -metric AE "$E2E_RUN/before.png" "$E2E_RUN/window.png" null: 2>&1)" = 0 ]
}
e2e_wait_for window_settled || e2e_fail "the window's picture does not settle"
shot_pattern='^Screenshot saved: screenshots/gullmar-[0-9]{8}-[0-9]{6}(-[0-9]+)?\.png$'
shots() { grep -cE "$shot_pattern" "$E2E_RUN/stdout"; }
# The menu holds the game still, but the city's people animate as they are
# drawn, even then: a read of the window a moment after the shot differs in
# the few pixels of their limbs (up to some 25 of 640000; a shot upside down,
# shifted or without a part differs in many thousands). Take a few.
few_pixels=200
matched=
for attempt in 1 2 3 4 5; do
    e2e_key F12
    new_shot() { [ "$(shots)" = "$attempt" ]; }
    e2e_wait_for new_shot || e2e_fail "F12 printed no line with the file's name: $(cat "$E2E_RUN/stdout")"
    import -window "$GAME_WINDOW" "$E2E_RUN/window.png"
    shot=$user/$(grep -E "$shot_pattern" "$E2E_RUN/stdout" | tail -n 1 | sed 's/^Screenshot saved: //')
    [ -f "$shot" ] || e2e_fail "the screenshot $shot is not in the per-user folder"
    [ "$(identify -format '%wx%h' "$shot")" = "$window_size" ] ||
        e2e_fail "the screenshot is $(identify -format '%wx%h' "$shot"), the window $window_size"
    differing=$(compare -metric AE "$shot" "$E2E_RUN/window.png" null: 2>&1)
    [ "$differing" -le "$few_pixels" ] && matched=$attempt && break
    e2e_log "shot $attempt: $differing pixels differ from the window"
done
[ -n "$matched" ] || e2e_fail "no screenshot matched the window"
[ "$(ls "$user/screenshots" | wc -l)" = "$matched" ] ||
    e2e_fail "$matched shots gave these files: $(ls "$user/screenshots")"

e2e_log "F12 with the second view open: the shot holds it too"
# The second view is a window of its own inside the game's: without it the
# shot would differ in most of its 200 x 200 pixels.
e2e_key 2
sleep 1
e2e_key F12
new_shot() { [ "$(shots)" = "$((matched + 1))" ]; }
e2e_wait_for new_shot || e2e_fail "F12 with the second view open printed no line"
import -window "$GAME_WINDOW" "$E2E_RUN/window.png"
shot=$user/$(grep -E "$shot_pattern" "$E2E_RUN/stdout" | tail -n 1 | sed 's/^Screenshot saved: //')
differing=$(compare -metric AE "$shot" "$E2E_RUN/window.png" null: 2>&1)
[ "$differing" -le "$few_pixels" ] || e2e_fail "with the second view open $differing pixels differ from the window"
e2e_key 1

e2e_log "CONFIG, Save: the settings land in the per-user folder; QUIT"
# The menus' items start at window y 610, 31 pixels apart (menu_test.sh).
highlighted() { [ "$(timeout 20 import -window "$GAME_WINDOW" -crop 1x1+180+"$1" +repage -depth 8 txt:- |
    sed -n '2s/^[^(]*(\([0-9,]*\).*/\1/p')" = "255,255,255" ]; }
hover() { xdotool mousemove --window "$GAME_WINDOW" "$1" "$2"; }
hover 200 676
e2e_wait_for highlighted 676 || e2e_fail "CONFIG is not highlighted"
e2e_click 200 676
hover 200 745
e2e_wait_for highlighted 745 || e2e_fail "CONFIG did not open the configuration menu"
e2e_click 200 745
saved() { grep -qx 1 <(sed -n '/^POOP_WINDOW_MODE$/{n;p}' "$user/config/gullmar.config"); }
e2e_wait_for saved || e2e_fail "Save did not write $user/config/gullmar.config"
cp "$user/config/gullmar.config" "$E2E_RUN/saved.config"
e2e_click 200 776
hover 200 707
e2e_wait_for highlighted 707 || e2e_fail "' Main Menu ' did not bring back the main menu"
e2e_click 200 707
e2e_wait_exit
[ "$GAME_STATUS" = 0 ] || e2e_fail "QUIT ended the game with status $GAME_STATUS"
[ -f "$user/gullmar_ts.txt" ] || e2e_fail "the timing report is not in the per-user folder"
[ ! -e /gullmar_ts.txt ] && [ ! -e /screenshots ] || e2e_fail "the game wrote into the launcher's folder"
tree_state "$root" >"$E2E_RUN/tree.after"
cmp -s "$E2E_RUN/tree.before" "$E2E_RUN/tree.after" ||
    e2e_fail "the installed tree changed: $(diff "$E2E_RUN/tree.before" "$E2E_RUN/tree.after" | head)"

e2e_log "an update and a move of the install keep the player's settings"
chmod -R u+w "$root"
install_game "$root"
mv "$root" "$E2E_RUN/moved"
prefix=$E2E_RUN/moved/usr
launcher=$prefix/bin/gullmar
run_launcher "$E2E_RUN/stdout" "$E2E_RUN/stderr" -- --window-mode --timedemo=1 ||
    e2e_fail "the moved install did not run: $(cat "$E2E_RUN/stderr")"
cmp -s "$user/config/gullmar.config" "$E2E_RUN/saved.config" ||
    e2e_fail "the update replaced the player's saved settings"
[ "$(readlink "$user/textures")" = "$prefix/share/gullmar/textures" ] ||
    e2e_fail "the textures link does not follow the moved install: $(readlink "$user/textures")"

e2e_log "XDG_DATA_HOME: absolute is used; empty or relative counts as unset"
run_launcher "$E2E_RUN/out" "$E2E_RUN/err" XDG_DATA_HOME="$E2E_RUN/xdg" -- --window-mode --timedemo=1 ||
    e2e_fail "an absolute XDG_DATA_HOME failed: $(cat "$E2E_RUN/err")"
[ -f "$E2E_RUN/xdg/gullmar/gullmar_ts.txt" ] || e2e_fail "an absolute XDG_DATA_HOME was not used"
for value in "" relative/data; do
    rm -f "$user/gullmar_ts.txt"
    run_launcher "$E2E_RUN/out" "$E2E_RUN/err" XDG_DATA_HOME="$value" -- --window-mode --timedemo=1 ||
        e2e_fail "XDG_DATA_HOME='$value' failed: $(cat "$E2E_RUN/err")"
    [ -f "$user/gullmar_ts.txt" ] || e2e_fail "XDG_DATA_HOME='$value' did not fall back to $user"
done
[ ! -e /relative ] || e2e_fail "a relative XDG_DATA_HOME made a folder"

# refused <what> <line> [VAR=value...]: the launcher stops with status 1,
# this one line on stderr (naming the folder and the reason) and no game.
refused() {
    local what=$1 line=$2 status=0
    shift 2
    run_launcher "$E2E_RUN/out" "$E2E_RUN/err" "$@" -- --window-mode --timedemo=1 || status=$?
    [ "$status" = 1 ] || e2e_fail "$what: status $status, not 1"
    [ "$(cat "$E2E_RUN/err")" = "$line" ] || e2e_fail "$what: stderr is '$(cat "$E2E_RUN/err")'"
    [ ! -s "$E2E_RUN/out" ] || e2e_fail "$what: the game ran: $(cat "$E2E_RUN/out")"
}
e2e_log "a per-user folder that is a file, cannot be made or cannot be written"
mkdir -p "$E2E_RUN/file"
: >"$E2E_RUN/file/gullmar"
refused "a file" \
    "gullmar: cannot use the per-user folder $E2E_RUN/file/gullmar: it is a file, not a folder" \
    XDG_DATA_HOME="$E2E_RUN/file"
refused "under a file" \
    "gullmar: cannot create the per-user folder $E2E_RUN/file/gullmar/sub/gullmar: Not a directory" \
    XDG_DATA_HOME="$E2E_RUN/file/gullmar/sub"
# Permission bits do not stop root: as root, the launcher runs as nobody.
mkdir -p "$E2E_RUN/locked/gullmar"
chmod 755 "$E2E_RUN"
chmod 555 "$E2E_RUN/locked/gullmar"
[ "$(id -u)" = 0 ] && as_player=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
refused "not writable" \
    "gullmar: cannot write in the per-user folder $E2E_RUN/locked/gullmar: Permission denied" \
    XDG_DATA_HOME="$E2E_RUN/locked"
e2e_pass
