#!/usr/bin/env bash
# The game starts in a window, runs 120 frames and quits cleanly; it writes Log.txt with its
# start-up and shut-down lines and every image and sprite loaded, and keeps the player's name
# in Base/Prefs.dat across runs.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
prefs="$work/game/Base/Prefs.dat"
rm -f "$prefs"

game -frames 120 || fail "first run exited with $?"
grep -qx "Initializing OpenGL..." Log.txt || fail "no start-up line"
grep -qx "Shutting down OpenGL..." Log.txt || fail "no shut-down line"
grep -qx 'Loaded "menu" from "Menu.tga"' Log.txt || fail "no menu sprite"
if grep -q "^Couldn't \|FATAL ERROR" Log.txt; then fail "something could not be loaded"; fi
[ "$(cat "$prefs")" = "Player" ] || fail "Prefs.dat does not hold the default name"

printf 'Tester\nsecond line\n' > "$prefs"
game -frames 10 || fail "second run exited with $?"
[ "$(cat "$prefs")" = "Tester" ] || fail "the name was not kept"
[ ! -e "$prefs.tmp" ] || fail "a temporary file was left behind"
echo "PASS"
