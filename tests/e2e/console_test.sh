#!/usr/bin/env bash
# The console typed on the real keyboard (xdotool's keys into the game's window): "name" is kept
# in Base/Prefs.dat at exit, "save" writes a map that loads again and saves byte for byte the
# same as the original, and "quit" ends the game with status 0.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
# shellcheck source=tests/e2e/typed-game.sh
. "$here/typed-game.sh"
maps="$work/game/Base/Maps"

start_typed_game -map bwdm1
wait_for_frames
say "name gunner7"
say "save copy"
say "map copy"
# The match on bwdm1 ends as the line runs, and the copy loads in the same frame.
wait_for_new_match
say "save again"
quit_game
[ "$(cat "$work/game/Base/Prefs.dat")" = gunner7 ] || fail "Prefs.dat holds $(cat "$work/game/Base/Prefs.dat")"
cmp "$maps/bwdm1.bwm" "$maps/copy.bwm" || fail "the saved map differs from the original"
# "again" was saved from the match on the copy, so the copy loaded.
cmp "$maps/bwdm1.bwm" "$maps/again.bwm" || fail "the copy did not load and save the same"
echo "PASS"
