#!/usr/bin/env bash
# The game starts in a window, runs 120 frames and quits cleanly; it writes Log.txt, whose first
# line names the player's folder, with its start-up and shut-down lines and every image and
# sprite loaded, and keeps the player's name in the player's Prefs.dat across runs. Without
# -userdir the folder is the desktop's data folder, made on first use; a folder that cannot be
# made, or no home at all, is said on stderr and the game plays on, writing nothing.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
prefs="$user/Prefs.dat"

game -frames 120 || fail "first run exited with $?"
[ "$(head -1 "$user/Log.txt")" = "Player folder: \"$user\"." ] || fail "the first line does not say where"
grep -qx "Initializing OpenGL..." "$user/Log.txt" || fail "no start-up line"
grep -qx "Shutting down OpenGL..." "$user/Log.txt" || fail "no shut-down line"
grep -qx 'Loaded "menu" from "Menu.tga"' "$user/Log.txt" || fail "no menu sprite"
if grep -q "^Couldn't \|FATAL ERROR" "$user/Log.txt"; then fail "something could not be loaded"; fi
[ "$(cat "$prefs")" = "Player" ] || fail "Prefs.dat does not hold the default name"

printf 'Tester\nsecond line\n' > "$prefs"
game -frames 10 || fail "second run exited with $?"
[ "$(cat "$prefs")" = "Tester" ] || fail "the name was not kept"
[ ! -e "$prefs.tmp" ] || fail "a temporary file was left behind"

# No -userdir: each run below changes HOME, so nothing reaches the tester's own.
exe="$work/game/brawlwick"
HOME="$work/home" XDG_DATA_HOME="" "$exe" -window -frames 5 || fail "the default run exited with $?"
[ -s "$work/home/.local/share/brawlwick/Log.txt" ] || fail "no log in the default folder"
env -u HOME -u XDG_DATA_HOME "$exe" -window -frames 5 2>stderr.txt || fail "the homeless run exited with $?"
grep -qx "brawlwick: HOME is not set, so there is no player folder; the game goes on but saves nothing." stderr.txt ||
    fail "no home was not said: $(cat stderr.txt)"
echo kept > "$user/blocked"
"$exe" -window -frames 5 -userdir "$user/blocked/me" 2>stderr.txt || fail "the blocked run exited with $?"
[ "$(grep -c "cannot make the player folder $user/blocked/me: Not a directory; the game goes on" stderr.txt)" -eq 1 ] ||
    fail "the blocked folder was not said once: $(cat stderr.txt)"
[ "$(cat "$user/blocked")" = kept ] || fail "the file in the way was changed"
echo "PASS"
