#!/usr/bin/env bash
# A free-for-all to one frag on the shooting range: once both are in play the screen shows the
# human's health, armour and ammunition top left, his weapon at the top and the scoreboard
# bottom left; eight shots kill the other player, and after the fade the final scores stand
# alone on black, the winner's line first.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
"$3" build "$here/range.map" "$work/game/Base/Maps/range.bwm" >/dev/null
# Without bot profiles the other player does not think: he stands still as a target.
rm "$work/game/Base/BotFiles/Bots.cfg"

# Both come into play at frame 300; under seed 1 the human stands on the left spawn point,
# facing the other player.
{
    echo "320 key tap F9"
    for frame in 340 360 380 400 420 440 460 480; do echo "$frame key tap LeftShift"; done
    echo "900 key tap F9"
} > keys.txt
game -fixedstep -map range -players 2 -fraglimit 1 -frames 910 -script keys.txt ||
    fail "the game exited with $?"

python3 - "$user/Screenshots/Screen0.tga" "$user/Screenshots/Screen1.tga" "$here" <<'PY' ||
import sys
sys.path.insert(0, sys.argv[3])
from screenshot import load, count
hud, final = load(sys.argv[1]), load(sys.argv[2])
red = lambda r, g, b: r > 200 and g < 120 and b < 120
blue = lambda r, g, b: b > 200 and r < 120 and g < 120
olive = lambda r, g, b: abs(r - g) < 40 and r > 90 and b < 80
dark = lambda r, g, b: r + g + b < 300
light = lambda r, g, b: r + g + b > 450
found = {
    "red health": count(hud, range(4, 100), range(6, 20), red),
    "blue armour": count(hud, range(4, 100), range(20, 34), blue),
    "olive ammunition": count(hud, range(4, 100), range(34, 48), olive),
    "weapon at the top": count(hud, range(360, 440), range(0, 24), dark),
    "scoreboard": count(hud, range(4, 100), range(566, 600), dark),
    "winner's line": count(final, range(300, 500), range(278, 296), light),
    "loser's line": count(final, range(300, 500), range(296, 312), light),
    "light outside the scores": count(final, range(0, 800, 4), range(0, 260, 4), light),
}
print(found)
for what in list(found)[:-1]:
    assert found[what] >= 8, f"no {what}"
assert found["light outside the scores"] == 0, "the final screen is not black around the scores"
PY
    fail "the screenshots do not show the HUD and the final scores"
echo "PASS"
