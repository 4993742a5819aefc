#!/usr/bin/env bash
# Sound really comes out: the game runs with OpenAL mixing into a wave file instead of a sound
# card, and the capture holds the menu music. Without any sound output the game still runs,
# silently, and says so once in Log.txt.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

sounds=$(grep -cv '^\(;.*\)\?$' "$work/game/Base/BWsnd.stb")
check_table_log() {
    grep -qx "Initializing DirectSound..." Log.txt || fail "no sound start-up line"
    grep -qx 'Loading "Base/Sound/MenuMusic.wav" to ID 1...' Log.txt || fail "no menu music"
    [ "$(grep -c '^Loading "Base/Sound/.*" to ID [0-9]*\.\.\.$' Log.txt)" -eq "$sounds" ] ||
        fail "not one loading line per table line ($sounds)"
    grep -qx "Shutting down DirectSound..." Log.txt || fail "no sound shut-down line"
}

# The default map would start a match, which stops the menu music; without the maps the game
# stays on the menu, whose music loops.
rm -r "$work/game/Base/Maps"

# A few seconds of the real game into OpenAL's wave writer; SDL turns SIGTERM into a clean quit.
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$work/capture.wav" > "$work/alsoft.conf"
ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS=wave "$work/game/brawlwick" -window -seed 1 &
game=$!
sleep 4
kill -TERM "$game"
wait "$game" || fail "the captured run exited with $?"
check_table_log
if grep -q "Couldn't\|No sound device" Log.txt; then fail "a sound failed to load"; fi
[ -s "$work/capture.wav" ] || fail "nothing was captured"
stats=$(sox "$work/capture.wav" -n stats 2>&1)
seconds=$(sox --i -D "$work/capture.wav")
rms=$(awk '/^RMS lev dB/ { print $4 }' <<<"$stats")
echo "captured $seconds s, RMS level $rms dB"
awk -v s="$seconds" 'BEGIN { exit !(s >= 1.0) }' || fail "only $seconds s were captured"
awk -v r="$rms" 'BEGIN { exit !(r != "-inf" && r > -40.0) }' || fail "the capture is silent: $stats"

# No output at all: the table keeps its IDs, nothing plays, one line says why.
rm -f Log.txt
ALSOFT_DRIVERS=no-such-output "$work/game/brawlwick" -window -frames 20 -seed 1 ||
    fail "the silent run exited with $?"
check_table_log
[ "$(grep -c '^No sound device' Log.txt)" -eq 1 ] || fail "the missing output is not said once"
echo "PASS"
