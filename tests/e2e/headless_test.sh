#!/usr/bin/env bash
# Matches without a screen: the same arguments give the same summary; a windowed -fixedstep run
# and a headless one with the same script and seed end alike; a windowed run on the real clock,
# recorded, replays headless to the same summary, its recorded steps and all, and stops where
# it stopped; a killed recording leaves the run so far; a run that plays no match fails.
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
grep -qx "Seed: 3" a.txt || fail "the summary does not say the seed"
# Seeded from the clock, the seed is said all the same, and logged.
headless -frames 2 >c.txt 2>/dev/null
grep -qx "Seed: $(grep -o '^Seed: [0-9]*' "$user/Log.txt" | cut -d' ' -f2)" c.txt ||
    fail "the clock's seed is not said and logged alike"
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
[ "$(tail -1 bug.txt)" = "1200 quit" ] || fail "the recording does not say where the run stopped"
[ ! -e bug.txt.part ] || fail "the recording's temporary file was left"
# The replay stops where the recorded run did.
headless "${match[@]}" -script bug.txt >replayed.txt
same recorded.txt replayed.txt

# Killed mid-run, the recording so far is in FILE.part, flushed every second of frames.
headless "${match[@]}" -frames 2000000000 -script keys.txt -record killed.txt >/dev/null 2>&1 &
for _ in $(seq 100); do
    [ "$(grep -c ' step ' killed.txt.part 2>/dev/null)" -ge 160 ] && break
    sleep 0.1
done
kill -9 $!
wait $! 2>/dev/null || true
[ ! -e killed.txt ] || fail "a killed recording was put in place"
grep -q "^80 step " killed.txt.part || fail "the killed run's recording was not flushed as it went"

# No match: a map that is not there, a type that is not played.
for args in "-map nowhere" "-type ctf"; do
    # shellcheck disable=SC2086
    if headless $args -frames 5 >/dev/null 2>stderr.txt; then fail "$args played no match but exited 0"; fi
    grep -q "^brawlwick: no match was played on " stderr.txt || fail "$args: no match was not said"
done
headless -frames 5 -script keys.txt -record "$work/game/Base/bug.txt" >/dev/null 2>stderr.txt
grep -q "is inside Base/, which the game never writes; nothing is recorded." stderr.txt ||
    fail "a recording into Base/ was not refused"
[ ! -e "$work/game/Base/bug.txt.part" ] || fail "a recording was written into Base/"

headless -frames 5 -record 2>stderr.txt >/dev/null
grep -qx "brawlwick: -record takes a file name; nothing is recorded." stderr.txt ||
    fail "a -record without a file was not said"
echo "PASS"
