#!/usr/bin/env bash
# The animation editor with the real keyboard and mouse: "developer" on the console, F11, a
# click on "Add Frame" and one on "Save" write a legs file into the player's folder whose
# "Standing" has one frame more than the shipped one, which the game then loads again without
# a word in the log. $3 is animtool.
set -euo pipefail
animtool=$(readlink -f "$3")
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
# shellcheck source=tests/e2e/typed-game.sh
. "$here/typed-game.sh"
shipped="$work/game/Base/LDefault.bwv"
legs="$user/LDefault.bwv"

# The frames of the first animation of a legs file, as animtool prints them.
standing_frames() {
    "$animtool" print lower "$1" | awk '/^animation /{n++} n==1 && /^frame /{c++} END{print c+0}'
}
before=$(standing_frames "$shipped")

start_typed_game -map bwdm1
wait_for_frames
say "developer"
xdotool key F11
sleep 0.5
# The window shows the picture at its own size: its pixels are the editor's.
# The game reads where the cursor is when it takes the click, so the cursor stays a while.
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.5
    xdotool click 1
    sleep 1
}
click 300 495 # "Add Frame"
click 200 535 # "Save"
wait_for_file "$legs"
xdotool key F11
quit_game

after=$(standing_frames "$legs")
[ "$after" -eq $((before + 1)) ] || fail "\"Standing\" has $after frames, not $((before + 1))"
# The next start reads the saved file as it is.
rm "$user/Log.txt"
game -frames 20
grep -q "LDefault.bwv" "$user/Log.txt" && fail "the saved legs file did not load"
working_folder_untouched
echo "PASS"
