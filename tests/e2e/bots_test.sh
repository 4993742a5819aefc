#!/usr/bin/env bash
# Five bots and an idle human on the default map, to three frags: the bots greet each other as
# they come into the match (their lines stand in the message lines, where nothing stood before),
# fight it out among themselves until one of them reaches the frag limit, and the final scores
# follow on black.
set -euo pipefail
here=$(dirname "$(readlink -f "$0")")
# shellcheck source=tests/e2e/scratch-game.sh
. "$here/scratch-game.sh"

# Everyone comes into play at frame 300; under seed 1 the match is over well before the last
# frame, which shows the final scores.
frames=${BOTS_TEST_FRAMES:-5000}
{
    echo "290 key tap F9"
    echo "450 key tap F9"
    echo "$((frames - 5)) key tap F9"
} > keys.txt
game -fixedstep -players 6 -fraglimit 3 -frames "$frames" -script keys.txt ||
    fail "the game exited with $?"
grep -q "bots, 4 chat sets and .* responses loaded" "$user/Log.txt" || fail "the bot files were not read"

python3 - "$user/Screenshots/Screen0.tga" "$user/Screenshots/Screen1.tga" "$user/Screenshots/Screen2.tga" "$here" <<'PY' ||
import sys
sys.path.insert(0, sys.argv[4])
from screenshot import load, count
before, chat, final = (load(p) for p in sys.argv[1:4])
dark = lambda r, g, b: r + g + b < 200
light = lambda r, g, b: r + g + b > 450
lines = lambda shot: count(shot, range(150, 700), range(34, 110), dark)
found = {
    "message pixels before anyone came": lines(before),
    "message pixels once the bots greeted": lines(chat),
    # Six lines of scores, centred on the screen: the winner's first, from y 250.
    "winner's line": count(final, range(300, 500), range(250, 266), light),
    "light outside the scores": count(final, range(0, 800, 4), range(0, 244, 4), light)
    + count(final, range(0, 800, 4), range(348, 600, 4), light),
}
print(found)
assert found["message pixels before anyone came"] == 0, "messages before anyone came"
assert found["message pixels once the bots greeted"] >= 150, "no chat in the message lines"
assert found["winner's line"] >= 8, "no final scores"
assert found["light outside the scores"] == 0, "the final screen is not black around the scores"
PY
    { [ -z "${BOTS_TEST_KEEP:-}" ] || cp "$user/Screenshots"/*.tga "$BOTS_TEST_KEEP"; fail "the screenshots do not show the bots' chat and the final scores"; }
[ -z "${BOTS_TEST_KEEP:-}" ] || cp "$user/Screenshots"/*.tga "$BOTS_TEST_KEEP"
echo "PASS"
