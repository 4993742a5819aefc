#!/usr/bin/env bash
# The game starts in a window, runs 120 frames and quits cleanly; it writes Log.txt with its
# start-up and shut-down lines and every image and sprite loaded, and keeps the player's name
# in Base/Prefs.dat across runs.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
rm -f "$work/game/Base/Prefs.dat"

"$work/game/brawlwick" -window -frames 120 -seed 1 || fail "first run exited with $?"
[ -f Log.txt ] || fail "no Log.txt in the working folder"
grep -qx "Initializing OpenGL..." Log.txt || fail "no start-up line"
grep -qx "Shutting down OpenGL..." Log.txt || fail "no shut-down line"
if grep -q "FATAL ERROR" Log.txt; then fail "a fatal error in a windowed start"; fi
grep -qx "Loaded Menu.tga (512 x 512)" Log.txt || fail "the title screen's image was not loaded"
grep -qx 'Loaded "menu" from "Menu.tga"' Log.txt || fail "no menu sprite"
if grep -q "^Couldn't " Log.txt; then fail "an image or sprite could not be loaded"; fi
[ "$(cat "$work/game/Base/Prefs.dat")" = "Player" ] || fail "Prefs.dat does not hold the default name"

printf 'Tester\nsecond line\n' > "$work/game/Base/Prefs.dat"
"$work/game/brawlwick" -window -frames 10 -seed 1 -fixedstep || fail "second run exited with $?"
[ "$(cat "$work/game/Base/Prefs.dat")" = "Tester" ] || fail "the name was not kept"
[ ! -e "$work/game/Base/Prefs.dat.tmp" ] || fail "a temporary file was left behind"
echo "PASS"
