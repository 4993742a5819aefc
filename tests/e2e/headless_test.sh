#!/usr/bin/env bash
# Matches without a screen: the same arguments give the same summary; a windowed -fixedstep run
# and a headless one with the same script and seed end alike; a windowed run on the real clock,
# recorded, replays headless to the same summary, its recorded steps and all.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

headless() { "$work/game/brawlwick" -headless -userdir "$user" "$@"; }
# The summary without the lines that tell how fast the machine was.
summary() { grep -v -e "^Wall time: " -e "^Speed: " "$1"; }
same() { diff <(summary "$1") <(summary "$2") || fail "$1 and $2 differ"; }

match=(-players 8 -fraglimit 1000)
headless "${match[@]}" -seed 3 -frames 4000 >a.txt 2>/dev/null || fail "headless exited with $?"
headless "${match[@]}" -seed 3 -frames 4000 >b.txt 2>/dev/null
same a.txt b.txt
grep -qx "Simulated time: 50.0 s (4000 frames)" a.txt || fail "not 4000 frames of 1/80 s"
# The human's slot is a bot's: it scores or is scored on like the rest.
[ "$(grep -c '^ *[0-9]*\. .*: [0-9]*$' a.txt)" -eq 8 ] || fail "not eight scores"

# The human moves, shoots, jumps and aims.
cat > keys.txt <<'SCRIPT'
100 key down D
100 mouse down left
180 cursor 420 250
300 key up D
300 key down A
400 mouse up left
420 key tap Space
450 key tap E
460 mouse down left
600 mouse up left
700 key up A
SCRIPT
game "${match[@]}" -fixedstep -frames 1200 -script keys.txt >windowed.txt 2>/dev/null ||
    fail "the windowed run exited with $?"
headless "${match[@]}" -seed 1 -frames 1200 -script keys.txt >headless.txt
same windowed.txt headless.txt

# Recorded on the real clock; the replay needs no -seed: the recording has it.
game "${match[@]}" -frames 1200 -script keys.txt -record bug.txt >recorded.txt 2>/dev/null ||
    fail "the recorded run exited with $?"
grep -qx "seed 1" bug.txt || fail "the recording has no seed"
grep -q "^450 key down E$" bug.txt || fail "the recording lost a key"
headless "${match[@]}" -frames 1200 -script bug.txt >replayed.txt
same recorded.txt replayed.txt

headless -frames 5 -record 2>stderr.txt >/dev/null
grep -qx "brawlwick: -record takes a file name; nothing is recorded." stderr.txt ||
    fail "a -record without a file was not said"
echo "PASS"
