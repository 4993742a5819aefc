#!/usr/bin/env bash
# Soak: a headless six-bot match on bwdm1 with the frag limit out of reach, one simulated hour
# by default (288000 frames at 80 a second). Runs the first simulated minute alone too, and
# compares: the peak resident memory must stay flat after that minute, and the live objects left
# at the end must be no more than that minute's peak (objects that never finish pile up). Fails
# on a crash, a sanitizer report, a missing summary, growing memory or piling objects; prints the
# figures either way.
# Usage: scripts/soak.sh [EXECUTABLE [FRAMES]]. The executable (with Base/ beside it) defaults
# to the release build, built when missing. SOAK_GROWTH_KB (default 4096) is the memory growth
# allowed; a sanitizer build needs more, its quarantine holds freed memory a while.
set -euo pipefail
root=$(dirname "$(readlink -f "$0")")/..
exe=${1:-$root/build/release/brawlwick}
frames=${2:-288000}
growth_kb=${SOAK_GROWTH_KB:-4096}
if [ ! -x "$exe" ] && [ $# -eq 0 ]; then
    cmake -S "$root" -B "$root/build/release" -DCMAKE_BUILD_TYPE=Release -DBRAWLWICK_TESTS=OFF >/dev/null
    cmake --build "$root/build/release" -j"$(nproc)" --target brawlwick >/dev/null
fi
exe=$(readlink -f "$exe")

# A scratch copy, which is also the player's folder: the game writes Log.txt and Prefs.dat there.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$exe" "$work/brawlwick"
cp -r "$(dirname "$exe")/Base" "$work/Base"
cd "$work"

fail() { echo "FAIL: $*"; exit 1; }
# Runs the match for $1 frames into summary-$1.txt and stderr-$1.txt; prints the peak resident
# memory in kilobytes.
run() {
    python3 - "$work/brawlwick" "$1" <<'PY'
import resource, subprocess, sys
exe, frames = sys.argv[1], sys.argv[2]
with open(f"summary-{frames}.txt", "w") as out, open(f"stderr-{frames}.txt", "w") as err:
    code = subprocess.run([exe, "-headless", "-userdir", ".", "-map", "bwdm1", "-players", "6",
                           "-fraglimit", "100000", "-seed", "7", "-frames", frames], stdout=out,
                          stderr=err).returncode
if code != 0:
    sys.exit(f"the {frames}-frame run exited with {code}")
print(resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss)
PY
}
line() { sed -n "s/^$1: //p" "summary-$2.txt"; }

minute=4800
minute_kb=$(run $minute) || fail "the first minute did not finish"
start=$(date +%s%N)
full_kb=$(run "$frames") || { cat "stderr-$frames.txt"; fail "the run did not finish"; }
seconds=$(awk -v ns=$(($(date +%s%N) - start)) 'BEGIN { printf "%.1f", ns / 1e9 }')
cat "summary-$frames.txt"
echo "Soak: $frames frames in $seconds s; peak resident memory $minute_kb kB after a minute," \
    "$full_kb kB at the end"

for f in $minute "$frames"; do
    if grep -E "ERROR: (Address|Leak)Sanitizer|runtime error:" "stderr-$f.txt"; then
        fail "a sanitizer report in the $f-frame run"
    fi
done
[ "$(line "Simulated time" "$frames")" = "$(awk -v f="$frames" 'BEGIN { printf "%.1f s (%d frames)", f / 80, f }')" ] ||
    fail "the run did not simulate all $frames frames"
[ $((full_kb - minute_kb)) -le "$growth_kb" ] ||
    fail "resident memory grew by $((full_kb - minute_kb)) kB after the first minute"
left=$(line "Live objects at the end" "$frames")
minute_peak=$(line "Peak live objects" $minute)
[ "$left" -le "$minute_peak" ] ||
    fail "$left live objects left at the end, more than the first minute's peak of $minute_peak"
echo "PASS"
