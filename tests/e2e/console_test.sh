#!/usr/bin/env bash
# The console typed on the real keyboard (xdotool's keys into the game's window): "name" is kept
# in Base/Prefs.dat at exit, "save" writes a map that loads again and saves byte for byte the
# same as the original, and "quit" ends the game with status 0.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
maps="$work/game/Base/Maps"

game -map bwdm1 &
pid=$!
timeout 30 xdotool search --sync --name Brawlwick windowfocus --sync >/dev/null ||
    fail "no window to type into"

shots() { find Screenshots -name '*.tga' 2>/dev/null | wc -l; }

# F9 until one more screenshot is there: a match is running frames. Keys typed while a map
# loads would all reach one frame, more than its eight events, and be dropped.
wait_for_frames() {
    local before
    before=$(shots)
    for _ in $(seq 100); do
        xdotool key F9
        sleep 0.3
        [ "$(shots)" -gt "$before" ] && return 0
    done
    fail "no match is running"
}

# One line typed slowly enough for a sanitizer build's frames, then Enter.
say() {
    xdotool type --delay 120 "$1"
    xdotool key Return
    sleep 0.5
}

wait_for_frames
xdotool key grave
say "name gunner7"
say "save copy"
say "map copy"
# The match on bwdm1 ends as the line runs, and the copy loads in the same frame.
for _ in $(seq 50); do
    grep -q "Average SF for game" Log.txt && break
    sleep 0.2
done
wait_for_frames
say "save again"
say "quit"

status=0
timeout 30 tail --pid="$pid" -f /dev/null || fail "quit did not end the game"
wait "$pid" || status=$?
[ "$status" -eq 0 ] || fail "the game ended with status $status"
[ "$(cat "$work/game/Base/Prefs.dat")" = gunner7 ] || fail "Prefs.dat holds $(cat "$work/game/Base/Prefs.dat")"
cmp "$maps/bwdm1.bwm" "$maps/copy.bwm" || fail "the saved map differs from the original"
# "again" was saved from the match on the copy, so the copy loaded.
cmp "$maps/bwdm1.bwm" "$maps/again.bwm" || fail "the copy did not load and save the same"
echo "PASS"
