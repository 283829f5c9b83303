# Bad settings files, and a Save that cannot write: the game starts, plays and
# quits with status 0, and a failed Save leaves the old file whole.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
source "$(dirname "$0")/bad_inputs_lib.sh"

e2e_log "binary garbage as config/gullmar.config"
fresh_files
bytes 4096 1 >"$E2E_RUN/config/gullmar.config"
start_and_play
quit_through_menu

e2e_log "a 1 MB config/gullmar.config: a key whose value line is a 1 MB number"
fresh_files
{
    printf 'POOP_GAME_SPEED\n'
    head -c 1048576 /dev/zero | tr '\0' '9'
    printf '\nPOOP_SHOW_CLOUDS\n'
} >"$E2E_RUN/config/gullmar.config"
start_and_play
quit_through_menu

e2e_log "Save when the settings cannot be written: the old file stays whole"
fresh_files
cp "$E2E_RUN/config/gullmar.config" "$E2E_RUN/old.config"
# The game runs as root here, which file modes do not stop; a folder where
# Save's temporary file must go makes the write fail for anybody.
mkdir "$E2E_RUN/config/gullmar.config.tmp"
start_and_play
e2e_key Escape
hover 200 $CONFIG_Y
e2e_wait_for highlighted $CONFIG_Y || e2e_fail "CONFIG is not highlighted"
e2e_click 200 $CONFIG_Y
hover 200 $SAVE_Y
e2e_wait_for highlighted $SAVE_Y || e2e_fail "the configuration menu did not open"
e2e_click 340 $START_Y # one step up on the game speed, so the save would differ
e2e_click 200 $SAVE_Y
e2e_wait_for grep -q "cannot save the settings" "$E2E_RUN/stderr" || e2e_fail "Save did not say it failed"
cmp "$E2E_RUN/old.config" "$E2E_RUN/config/gullmar.config" || e2e_fail "the failed Save changed the old file"
[ -d "$E2E_RUN/config/gullmar.config.tmp" ] || e2e_fail "Save removed a folder it did not make"
e2e_click 200 $MAIN_MENU_Y
quit_through_menu

e2e_pass
