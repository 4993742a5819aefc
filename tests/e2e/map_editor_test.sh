#!/usr/bin/env bash
# The map editor with the real keyboard and mouse (xdotool into the game's window): "developer",
# F12 over the match on bwdm1, Q twice (Q is bound to PrevWeapon, yet reaches the editor) and a
# click for a spawn point, Q nine times more back to "Platform" and a platform dragged out, F12
# back to the match and "save edtest": the saved map has one platform and one spawn point more
# than bwdm1; "map edtest" plays it, and saved again it is the same map.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
# shellcheck source=tests/e2e/typed-game.sh
. "$here/typed-game.sh"
shipped="$work/game/Base/Maps"
maps="$user/Maps"
maptool=$3

start_typed_game -map bwdm1

# A point of the picture, which the window shows at its own size.
point() { xdotool mousemove --window "$window" "$1" "$2"; sleep 0.3; }
q_times() { for _ in $(seq "$1"); do xdotool key q; sleep 0.2; done; }

wait_for_frames
say "developer"
xdotool key F12
sleep 1  # the editor takes every command, F9 too
q_times 2
point 300 200
xdotool click 1
sleep 0.3
q_times 9
point 400 250
xdotool mousedown 1
sleep 0.3
point 520 330
xdotool mouseup 1
sleep 0.3
xdotool key F12
wait_for_frames
say "save edtest"
say "map edtest"
wait_for_new_match
say "save again"
quit_game

count() { "$maptool" print "$1.bwm" | grep -c "^$2 " || true; }
for what in platform spawn; do
    before=$(count "$shipped/bwdm1" "$what")
    after=$(count "$maps/edtest" "$what")
    [ "$after" -eq $((before + 1)) ] || fail "edtest has $after ${what}s, bwdm1 $before"
done
cmp "$maps/edtest.bwm" "$maps/again.bwm" || fail "edtest did not load and save the same"
working_folder_untouched
echo "PASS"
