#!/usr/bin/env bash
# Run on a 1280 x 720 screen. Without -window the game covers the whole screen without a mode
# change: its 800 x 600 picture scaled to 960 x 720 between black bars, and F9 still writes the
# 800 x 600 picture. With -window the window can be resized, and the picture scales with it.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
here=$(dirname "$(readlink -f "$0")")
"$3" build "$here/still.map" "$work/game/Base/Maps/still.bwm" >/dev/null

# Nobody spawns on this map, and the title is gone after 200 frames: from then on every frame
# is the same picture.
echo "250 key tap F9" > keys.txt

# Starts the game with these arguments, waits for its screenshot and a few frames more, then
# runs the check; the game is ended afterwards whatever the check said.
run_and_check() {
    local game_args=$1
    shift
    rm -rf "$user/Screenshots"
    # shellcheck disable=SC2086
    "$work/game/brawlwick" $game_args -seed 1 -userdir "$user" -fixedstep -map still -script keys.txt &
    local pid=$! status=0
    for _ in $(seq 300); do
        [ -e "$user/Screenshots/Screen0.tga" ] && break
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    sleep 1
    "$@" || status=$?
    kill "$pid" 2>/dev/null || true
    wait "$pid" || status=$?
    return "$status"
}

full_screen() {
    [ "$(stat -c %s "$user/Screenshots/Screen0.tga")" -eq 1440018 ] || return 1
    python3 "$here/xscreen.py" screen "$user/Screenshots/Screen0.tga"
}
run_and_check "" full_screen || fail "full screen"

resized_window() {
    python3 "$here/xscreen.py" resize 1000 500
    sleep 1
    python3 "$here/xscreen.py" window "$user/Screenshots/Screen0.tga" 1000 500
}
run_and_check -window resized_window || fail "resized window"
echo "PASS"
