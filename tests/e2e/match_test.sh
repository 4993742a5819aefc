#!/usr/bin/env bash
# A match on the default map: F9 saves numbered screenshots that show the map, Escape ends the
# match and returns to the menu. (Where numbering goes on among files already there, the
# screenshot series' own test shows.)
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

# A saved frame: the 800 x 600 24-bit uncompressed TGA the game writes, showing the map: the
# white it clears to around black platform outlines and the scenery sprites' many colours.
check_shot() {
    [ "$(stat -c %s "$1")" -eq 1440018 ] || fail "$1 is $(stat -c %s "$1") bytes"
    python3 - "$1" <<'PY' || fail "$1 does not show the map"
import collections, struct, sys
data = open(sys.argv[1], "rb").read()
kind, width, height, depth = data[2], *struct.unpack("<HH", data[12:16]), data[16]
assert (data[0], kind, width, height, depth) == (0, 2, 800, 600, 24), data[:18]
pixels = collections.Counter(data[i:i + 3] for i in range(18, len(data), 3))
white, black = pixels[b"\xff\xff\xff"], pixels[b"\x00\x00\x00"]
print(f"{sys.argv[1]}: {len(pixels)} colours, {white} white and {black} black pixels")
assert pixels.most_common(1)[0][0] == b"\xff\xff\xff" and white < 0.99 * 800 * 600
assert black >= 2000 and len(pixels) >= 16
PY
}

# Two screenshots some frames apart, Escape, then F9 again on the menu.
cat > keys.txt <<'SCRIPT'
8 key tap F9
20 key tap F9
30 key tap Escape
36 key tap F9
SCRIPT
game -fixedstep -frames 45 -script keys.txt || fail "the match run exited with $?"
check_shot "$user/Screenshots/Screen0.tga"
check_shot "$user/Screenshots/Screen1.tga"
[ ! -e "$user/Screenshots/Screen2.tga" ] || fail "F9 on the menu took a screenshot"
# The menu answers a command with a log line; a match would take a screenshot instead.
grep -qx "Command 3: no match is running." "$user/Log.txt" || fail "Escape did not return to the menu"
# One match ended, and every frame of -fixedstep is exactly one frame of the target rate.
[ "$(grep "^Average SF for game: " "$user/Log.txt")" = "Average SF for game: 1.000000" ] ||
    fail "not one match, averaging 1.0"

echo "PASS"
