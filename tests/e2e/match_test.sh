#!/usr/bin/env bash
# A match on the default map: F9 saves numbered screenshots that show the map, Escape ends the
# match and returns to the menu. Numbering skips every file already there. (A refused game type
# is the App test's; a missing map, the input script test's.)
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

run() { "$work/game/brawlwick" -window -fixedstep -seed 1 "$@"; }

# The menu answers a command with a log line; a match would take a screenshot instead.
on_menu() { grep -qx "Command 3: no match is running." Log.txt; }

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
run -frames 45 -script keys.txt || fail "the match run exited with $?"
check_shot Screenshots/Screen0.tga
check_shot Screenshots/Screen1.tga
[ ! -e Screenshots/Screen2.tga ] || fail "F9 on the menu took a screenshot"
on_menu || fail "Escape did not return to the menu"
# Every frame of -fixedstep is exactly one frame of the target rate.
[ "$(grep -c "^Average SF for game: " Log.txt)" -eq 1 ] || fail "not one match ended"
grep -qx "Average SF for game: 1.000000" Log.txt || fail "the fixed step did not average 1.0"

# Files 0 to 2 and 4 exist: the next number is the gap, 3, and file 4 is left alone.
rm -r Screenshots Log.txt
mkdir Screenshots
for n in 0 1 2 4; do echo "old $n" > "Screenshots/Screen$n.tga"; done
printf '5 key tap F9\n' > keys.txt
run -frames 10 -script keys.txt || fail "the gap run exited with $?"
check_shot Screenshots/Screen3.tga
[ "$(cat Screenshots/Screen4.tga)" = "old 4" ] || fail "Screen4.tga was overwritten"
[ ! -e Screenshots/Screen5.tga ] || fail "a second screenshot was taken"

echo "PASS"
