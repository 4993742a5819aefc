#!/usr/bin/env bash
# Sound really comes out: the game runs with OpenAL mixing into a wave file instead of a sound
# card, and the capture holds the match music, or once the match has ended the closing phrase
# and the menu music. Without any sound output the game still runs, silently, and says so once
# in Log.txt.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

sounds=$(grep -cv '^\(;.*\)\?$' "$work/game/Base/BWsnd.stb")
check_table_log() {
    [ "$(grep -c '^Loading "Base/Sound/.*" to ID [0-9]*\.\.\.$' "$user/Log.txt")" -eq "$sounds" ] ||
        fail "not one loading line per table line ($sounds)"
}

music_match="$(dirname "$(readlink -f "$0")")/music_match.py"
sound="$work/game/Base/Sound"
printf '[general]\ndrivers = wave\n[wave]\nfile = %s\n' "$work/capture.wav" > "$work/alsoft.conf"

# Some seconds of the real game into OpenAL's wave writer; SDL turns SIGTERM into a clean quit.
# A silent capture fits no music, so music_match.py fails on it.
capture() {
    local seconds=$1
    shift
    rm -f "$user/Log.txt" "$work/capture.wav"
    # The leak checker's tracer crashes at exit on a dynamic TLS block of one of the mixer's
    # libraries (a bogus range it recorded itself); here it skips TLS, which can only add
    # reports (the loader's and GLib's blocks held there are listed as third-party).
    LSAN_OPTIONS="${LSAN_OPTIONS:-}:use_tls=0" ALSOFT_CONF="$work/alsoft.conf" ALSOFT_DRIVERS=wave \
        "$work/game/brawlwick" -window -seed 1 -userdir "$user" "$@" &
    local pid=$!
    sleep "$seconds"
    kill -TERM "$pid"
    wait "$pid" || fail "the captured run exited with $?"
    check_table_log
    if grep -q "Couldn't\|No sound device" "$user/Log.txt"; then fail "a sound failed to load"; fi
}

# The default map starts at once: its music replaces the menu's from its first beat.
capture 4
"$music_match" "$work/capture.wav" 3 "$sound/GameMusic01.wav" "$sound/MenuMusic.wav" \
    "$sound/GameMusicEnd.wav" || fail "the capture does not hold the match music"

# Escape in the first frames: the match music stops, the closing phrase plays over the menu
# music, which starts again from its beginning.
sox -m "$sound/GameMusicEnd.wav" "$sound/MenuMusic.wav" "$work/closing.wav"
sox -m "$sound/GameMusicEnd.wav" "$sound/MenuMusic.wav" "$sound/GameMusic01.wav" \
    "$work/unstopped.wav"
printf '1 key tap Escape\n' > "$work/escape.txt"
capture 5 -script "$work/escape.txt"
"$music_match" "$work/capture.wav" 3 "$work/closing.wav" "$work/unstopped.wav" \
    "$sound/MenuMusic.wav" "$sound/GameMusicEnd.wav" "$sound/GameMusic01.wav" ||
    fail "the capture does not hold the closing phrase over the menu music"

# No output at all: the table keeps its IDs, nothing plays, one line says why.
rm -f "$user/Log.txt"
# The leak checker's tracer can crash here too, as in capture() above.
LSAN_OPTIONS="${LSAN_OPTIONS:-}:use_tls=0" ALSOFT_DRIVERS=no-such-output game -frames 20 ||
    fail "the silent run exited with $?"
check_table_log
[ "$(grep -c '^No sound device' "$user/Log.txt")" -eq 1 ] || fail "the missing output is not said once"
echo "PASS"
