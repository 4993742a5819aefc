#!/usr/bin/env bash
# The animation editor with the real keyboard and mouse: "developer" on the console, F11, a
# click on "Add Frame" and one on "Save" write a legs file whose "Standing" has one frame more,
# which the game then loads again without a word in the log. $3 is animtool.
set -euo pipefail
animtool=$(readlink -f "$3")
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
legs="$work/game/Base/LDefault.bwv"

# The frames of the first animation of a legs file, as animtool prints them.
standing_frames() {
    "$animtool" print lower "$1" | awk '/^animation /{n++} n==1 && /^frame /{c++} END{print c+0}'
}
before=$(standing_frames "$legs")
cp "$legs" original.bwv

game -map bwdm1 &
pid=$!
window=$(timeout 30 xdotool search --sync --name Brawlwick | head -1) || fail "no window"
xdotool windowfocus --sync "$window"

# F9 until a screenshot is there: the match is running frames.
for _ in $(seq 100); do
    xdotool key F9
    sleep 0.3
    [ -n "$(find Screenshots -name '*.tga' 2>/dev/null)" ] && break
done
[ -n "$(find Screenshots -name '*.tga' 2>/dev/null)" ] || fail "no match is running"

xdotool key grave
xdotool type --delay 120 developer
xdotool key Return grave
sleep 0.5
xdotool key F11
sleep 0.5
# The window shows the picture at its own size: its pixels are the editor's.
click() {
    xdotool mousemove --window "$window" "$1" "$2"
    sleep 0.3
    xdotool click 1
    sleep 0.5
}
click 300 495 # "Add Frame"
click 200 535 # "Save"
for _ in $(seq 50); do
    cmp -s "$legs" original.bwv || break
    sleep 0.2
done
xdotool key F11 grave
xdotool type --delay 120 quit
xdotool key Return
timeout 30 tail --pid="$pid" -f /dev/null || fail "quit did not end the game"
wait "$pid" || fail "the game ended with status $?"

after=$(standing_frames "$legs")
[ "$after" -eq $((before + 1)) ] || fail "\"Standing\" has $after frames, not $((before + 1))"
# The next start reads the saved file as it is.
rm Log.txt
game -frames 20
grep -q "LDefault.bwv" Log.txt && fail "the saved legs file did not load"
echo "PASS"
