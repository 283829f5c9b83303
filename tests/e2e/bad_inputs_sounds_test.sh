# Bad sound files: missing, cut short, not a sound, or the whole folder
# gone. The game starts, plays and quits with status 0; each bad file stays
# silent with one line on stderr naming it. Sound goes to OpenAL Soft's
# null backend.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
source "$(dirname "$0")/bad_inputs_lib.sh"
export ALSOFT_DRIVERS=null

# own_sounds: a copy of the generated sounds to spoil.
own_sounds() {
    rm -f "$E2E_RUN/sounds"
    cp -r "$BUILD/sounds" "$E2E_RUN/sounds"
}

# reported <file>: exactly one line on stderr names the file.
reported() {
    [ "$(grep -c "sounds/$1" "$E2E_RUN/stderr")" = 1 ] || e2e_fail "not one line about sounds/$1"
}

e2e_log "a missing, a cut, a broken and an empty sound file"
fresh_files
own_sounds
rm "$E2E_RUN/sounds/wind.wav"
head -c 3000 "$BUILD/sounds/ped_hit.wav" >"$E2E_RUN/sounds/ped_hit.wav"
bytes 20000 5 >"$E2E_RUN/sounds/drop.wav"
: >"$E2E_RUN/sounds/click.wav"
start_and_play
quit_through_menu
for file in wind.wav ped_hit.wav drop.wav click.wav; do
    reported "$file"
done
[ "$(grep -c '^Gullmar: sound file' "$E2E_RUN/stderr")" = 4 ] || e2e_fail "the good files were reported too"

e2e_log "no sounds folder at all"
fresh_files
rm "$E2E_RUN/sounds"
start_and_play
quit_through_menu
[ "$(grep -c '^Gullmar: sound file .* cannot be opened' "$E2E_RUN/stderr")" = 14 ] ||
    e2e_fail "not one line for each of the 14 sounds"

e2e_pass
