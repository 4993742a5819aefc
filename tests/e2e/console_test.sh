#!/usr/bin/env bash
# The console typed on the real keyboard (xdotool's keys into the game's window): "name" is kept
# in the player's Prefs.dat at exit, "save" writes a map into the player's Maps/ that "map" then
# finds, loads and saves byte for byte the same as the original, the animation editor's Save
# writes both skeleton files beside them, F9 a screenshot, "connect" and "disconnect" join and
# leave a network match, and "quit" ends the game with status 0. Not one byte of Base/ changes.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
# shellcheck source=tests/e2e/typed-game.sh
. "$here/typed-game.sh"
base="$work/game/Base"
maps="$user/Maps"
checksums() { (cd "$base" && find . -type f -print0 | sort -z | xargs -0 sha256sum); }
checksums > "$work/base.sums"

start_typed_game -map bwdm1
wait_for_frames
say "name gunner7"
say "save copy"
say "map copy"
# The match on bwdm1 ends as the line runs, and the copy loads in the same frame.
wait_for_new_match
say "save again"
say "developer"
xdotool key F11
sleep 0.5
xdotool mousemove --window "$window" 200 535 # "Save", where the window shows the picture 1:1
sleep 0.5
xdotool click 1
wait_for_file "$user/UDefault.bwv"
xdotool key F11

# "connect" joins a headless host on a port of this run's own under the name just given, and
# "disconnect" leaves it for the menu, the host giving the place back to its bot.
port=$((40000 + $$ % 20000))
mkdir "$work/host"
"$work/game/brawlwick" -headless -seed 5 -userdir "$work/host" -host -port "$port" -map bwdm1 \
    -players 4 -fraglimit 1000 -frames 4000 >"$work/host.txt" 2>&1 &
hostpid=$!
sleep 0.5
say "connect 127.0.0.1 $port"
wait_for_new_match
grep -q "gunner7 plays fighter 1." "$work/host/Log.txt" || fail "the host has no gunner7"
say "disconnect"
for _ in $(seq 50); do
    ! grep -q "gunner7 left with -\?[0-9]* frags; a bot plays fighter 1." "$work/host/Log.txt" || break
    sleep 0.2
done
grep -q "gunner7 left with -\?[0-9]* frags; a bot plays fighter 1." "$work/host/Log.txt" || fail "the host kept gunner7"
grep -q "Connected to 127.0.0.1." "$user/Log.txt" || fail "no connection in the log"
grep -q "Disconnected from 127.0.0.1." "$user/Log.txt" || fail "no disconnection in the log"
kill $hostpid
quit_game
[ "$(cat "$user/Prefs.dat")" = gunner7 ] || fail "Prefs.dat holds $(cat "$user/Prefs.dat")"
cmp "$base/Maps/bwdm1.bwm" "$maps/copy.bwm" || fail "the saved map differs from the original"
# "again" was saved from the match on the copy, so the copy loaded.
cmp "$base/Maps/bwdm1.bwm" "$maps/again.bwm" || fail "the copy did not load and save the same"
cmp "$base/LDefault.bwv" "$user/LDefault.bwv" || fail "the legs were not saved unchanged"
cmp "$base/UDefault.bwv" "$user/UDefault.bwv" || fail "the arms were not saved unchanged"
[ -s "$user/Screenshots/Screen0.tga" ] || fail "no screenshot in the player's folder"
checksums | cmp -s - "$work/base.sums" || fail "Base/ changed: $(checksums | diff - "$work/base.sums")"
working_folder_untouched
echo "PASS"
