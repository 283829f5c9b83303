# Bad level tables and an oversized intro text: the game starts, plays and
# quits with status 0.
source "$(dirname "$0")/lib.sh"
e2e_init "$1"
source "$(dirname "$0")/bad_inputs_lib.sh"

e2e_log "config/levels.config: negative, out-of-range and huge numbers, then garbage"
fresh_files
cat >"$E2E_RUN/config/levels.config" <<'LEVELS'
1 2 3 1 240
-3 1 1 1 60
40 1 1 1 60
2147483647 1 1 1 60
2 2147483647 -2147483648 -1 3.4e38
3 99999999999999999999 1 1 60
xyzzy %% 7 7 7
LEVELS
bytes 512 2 >>"$E2E_RUN/config/levels.config"
start_and_play
grep -q "not in 0..39" "$E2E_RUN/stderr" || e2e_fail "no word on stderr of the skipped levels"
quit_through_menu

e2e_log "config/levels.config starting with garbage: every level is empty"
fresh_files
bytes 2048 3 >"$E2E_RUN/config/levels.config"
start_and_play
quit_through_menu

e2e_log "a 10000-character intro of 5000-character lines"
fresh_files
python3 -c 'print("i" * 5000); print("n" * 5000, end="")' >"$E2E_RUN/config/introText.txt"
start_and_play
quit_through_menu

e2e_pass
