#!/usr/bin/env bash
# The human on a shooting range in a team game, facing the other player 150 units away: a shot
# at the wall behind him leaves sparks on it, and eight shots from the sidearm kill the other;
# the kill line then stands at the top of the screen and the title says who was fragged.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"
"$3" build "$here/range.map" "$work/game/Base/Maps/range.bwm" >/dev/null
# Without bot profiles the other player does not think: he stands still as a target.
rm "$work/game/Base/BotFiles/Bots.cfg"

# Both come into play at frame 300; the keys are those of Base/binds.cfg. A tap of A turns the
# human to the wall, one of D back to the other player.
{
    echo "305 key down A"
    echo "307 key up A"
    echo "310 key tap LeftShift"
    echo "320 key tap F9"
    echo "330 key down D"
    echo "332 key up D"
    for frame in 340 360 380 400 420 440 460 480; do echo "$frame key tap LeftShift"; done
    echo "482 key tap F9"
} > keys.txt
game -fixedstep -map range -type team -players 2 -frames 490 -script keys.txt ||
    fail "the game exited with $?"

python3 - "$user/Screenshots/Screen0.tga" "$user/Screenshots/Screen1.tga" "$here" <<'PY' ||
import sys
sys.path.insert(0, sys.argv[3])
from screenshot import load, count
spark = lambda r, g, b: r > 180 and r - b >= 30 and g - b >= 10
dark = lambda r, g, b: r + g + b < 200
wall, killed = load(sys.argv[1]), load(sys.argv[2])
# The wall stands left of the human, who is in the middle of the screen.
sparks = count(wall, range(0, 300), range(250, 450), spark)
before = count(wall, range(150, 650), range(34, 52), dark)
after = count(killed, range(150, 650), range(34, 52), dark)
# The title is centred on the screen, over the human.
grey = lambda r, g, b: r + g + b < 600
title = count(killed, range(300, 500), range(286, 304), grey) - count(
    wall, range(300, 500), range(286, 304), grey)
print(f"{sparks} spark pixels by the wall; {before} then {after} dark pixels on the message"
      f" line; {title} more in the title's band")
assert sparks >= 3, "no sparks where the shot met the wall"
assert before == 0 and after >= 100, "no kill line at the top of the screen"
assert title >= 60, "no title over the human"
PY
    fail "the screenshots do not show the sparks and the kill"
grep -q "Loading Platinum" "$user/Log.txt" || fail "the weapon file was not read"
echo "PASS"
