# Sourced after scratch-game.sh by the tests that type into the real game's window with
# xdotool: starts the game in the background with the arguments given ($pid, $window), and
# gives the steps these tests share.
start_typed_game() {
    game "$@" &
    pid=$!
    window=$(timeout 30 xdotool search --sync --name Brawlwick | head -1) ||
        fail "no window to type into"
    xdotool windowfocus --sync "$window"
}

# The folder is made by the first shot.
shots() { { find "$user/Screenshots" -name '*.tga' 2>/dev/null || true; } | wc -l; }

# F9 until one more screenshot is there: a match is running frames. Keys typed while a map
# loads would all reach one frame, more than its eight events, and be dropped.
wait_for_frames() {
    local before
    before=$(shots)
    for _ in $(seq 100); do
        xdotool key F9
        sleep 0.3
        [ "$(shots)" -gt "$before" ] && return 0
    done
    fail "no match is running"
}

# One console line, typed slowly enough for a sanitizer build's frames on a busy machine (a
# frame takes at most eight key events), with the console opened before and closed after.
say() {
    xdotool key grave
    xdotool type --delay 200 "$1"
    xdotool key Return grave
    sleep 0.5
}

# Up to ten seconds for a file the game writes to appear.
wait_for_file() {
    for _ in $(seq 50); do
        [ -e "$1" ] && return 0
        sleep 0.2
    done
}

# After a "map" line: the old match has ended and the new one runs frames.
wait_for_new_match() {
    for _ in $(seq 50); do
        grep -q "Average SF for game" "$user/Log.txt" && break
        sleep 0.2
    done
    wait_for_frames
}

# "quit" on the console ends the game, with status 0.
quit_game() {
    say "quit"
    timeout 30 tail --pid="$pid" -f /dev/null || fail "quit did not end the game"
    local status=0
    wait "$pid" || status=$?
    [ "$status" -eq 0 ] || fail "the game ended with status $status"
}
