#!/usr/bin/env bash
# Start-up time: ten runs of the game that quit right after their first presented frame
# (which includes shutting down again, so the figure is an upper bound). Needs a display.
set -euo pipefail
exe=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"
times=()
for _ in $(seq 10); do
    start=$(date +%s%N)
    "$exe" -window -frames 1 -seed 1 -userdir "$work" >/dev/null 2>&1
    end=$(date +%s%N)
    times+=($(( (end - start) / 1000000 )))
done
sorted=$(printf '%s\n' "${times[@]}" | sort -n)
echo "start-up to first frame (ms), 10 runs: $(echo $sorted)"
echo "median: $(echo "$sorted" | sed -n 5p) ms"
