#!/usr/bin/env bash
# The human alone on the default map: once he has come into the match he runs right, jumps, stops
# and crouches. Screenshots show his figure (the skin of the head sprite) high in the air
# mid-jump, then standing once the camera has settled on him, then lower down crouched.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

# He appears 300 steps in; the keys are those of Base/binds.cfg. By frame 800 the camera rests
# on him, and crouching does not move his body box, so the last two frames differ by his pose.
cat > keys.txt <<'SCRIPT'
380 key down D
440 key tap Space
460 key tap F9
470 key up D
800 key tap F9
810 key tap Keypad0
900 key tap F9
SCRIPT
game -fixedstep -players 1 -frames 920 -script keys.txt || fail "the game exited with $?"

# The head's skin colour, found in each frame: where it is, and how much of it there is. The
# pick-ups, drawn see-through, come near that colour but never hit it exactly as the opaque head
# does, so only skin pixels beside an exact one count.
python3 - "$user/Screenshots/Screen0.tga" "$user/Screenshots/Screen1.tga" "$user/Screenshots/Screen2.tga" <<'PY' ||
import struct, sys
SKIN = (0xf2, 0xc7, 0x9a)
def head(path):
    data = open(path, "rb").read()
    width, height = struct.unpack("<HH", data[12:16])
    skin, exact = [], []
    for i in range(18, len(data), 3):
        b, g, r = data[i], data[i + 1], data[i + 2]
        off = max(abs(r - SKIN[0]), abs(g - SKIN[1]), abs(b - SKIN[2]))
        if off < 24:
            pixel = (i - 18) // 3
            # The file's rows run from the bottom up.
            at = (pixel % width, height - 1 - pixel // width)
            skin.append(at)
            if off <= 4:
                exact.append(at)
    ys = [y for x, y in skin if any(abs(x - ex) + abs(y - ey) <= 8 for ex, ey in exact)]
    assert len(ys) >= 6, f"{path}: no head to be seen ({len(ys)} skin pixels)"
    return sum(ys) / len(ys)
jumping, standing, crouched = (head(p) for p in sys.argv[1:])
print(f"head at y {jumping:.1f} mid-jump, {standing:.1f} standing, {crouched:.1f} crouched")
assert jumping < standing - 20, "the jump did not lift him"
assert crouched > standing + 2, "crouching did not lower his head"
PY
    fail "the screenshots do not show the figure running, jumping and crouching"
