#!/usr/bin/env bash
# Frame rate of a match on the default map, three runs of 2000 frames on the real clock. Two
# figures a run: the game's own, 80 divided by the average speed factor it logs when the match
# ends (only the match's frames count: loading and start-up are left out), and the wall time
# of the 2000-frame run minus that of a run that quits after its first frame. The first is a
# hair low: the game's average starts from one frame of 1.0 (0.5% at 1000 frames a second).
# Needs a display.
set -euo pipefail
exe=$(readlink -f "$1")
frames=2000
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

millis() { echo $(($(date +%s%N) / 1000000)); }
timed_run() {
    local start
    start=$(millis)
    "$exe" -window -seed 1 -userdir "$work" -frames "$1" >/dev/null 2>&1
    echo $(($(millis) - start))
}

for run in 1 2 3; do
    rm -f Log.txt
    one=$(timed_run 1)
    all=$(timed_run "$frames")
    speed=$(sed -n 's/^Average SF for game: //p' Log.txt)
    awk -v run="$run" -v sf="$speed" -v ms=$((all - one)) -v n="$frames" 'BEGIN {
        printf "run %d: %.1f frames/s by the average speed factor %s, %.1f by wall time (%d ms)\n",
            run, 80 / sf, sf, (n - 1) * 1000 / ms, ms
    }'
done
