#!/usr/bin/env bash
# Headless frames a second on bwdm1, ten simulated minutes (48000 frames) of a real fight with
# the default weapons and items and the frag limit out of reach, with 6 and with 64 players;
# three runs each, with the peak resident memory of each. Needs no display.
# Usage: bench/headless-fps.sh EXECUTABLE (a Release build, Base/ beside it).
set -euo pipefail
exe=$(readlink -f "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/brawlwick"
cp -r "$(dirname "$exe")/Base" "$work/Base"
cd "$work"

for players in 6 64; do
    for run in 1 2 3; do
        python3 - "$players" <<'PY'
import resource, subprocess, sys
players = sys.argv[1]
out = subprocess.run(["./brawlwick", "-headless", "-userdir", ".", "-map", "bwdm1", "-players",
                      players, "-fraglimit", "100000", "-seed", "7", "-frames", "48000"],
                     capture_output=True, text=True, check=True).stdout
speed = next(l for l in out.splitlines() if l.startswith("Speed: "))
kb = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
print(f"{players} players: {speed[7:]}; peak resident memory {kb} kB")
PY
    done
done
