#!/usr/bin/env bash
# Network soak: one headless host and eight headless clients on the loopback for two minutes
# by default, the host at the game's own pace. The resident memory of the host and of every
# client is read after the first half minute and at the end: it must stay flat (within
# NET_SOAK_GROWTH_KB, default 2048, more under the sanitizers). Fails on a crash, a sanitizer
# report, a client that does not stay to the end, or growing memory; prints the figures.
# Usage: scripts/net-soak.sh [EXECUTABLE [SECONDS]]; the executable has Base/ beside it.
set -euo pipefail
root=$(dirname "$(readlink -f "$0")")/..
exe=$(readlink -f "${1:-$root/build/release/brawlwick}")
seconds=${2:-120}
growth_kb=${NET_SOAK_GROWTH_KB:-2048}
port=$((40000 + $$ % 20000))

work=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$work"' EXIT
cd "$work"
fail() { echo "FAIL: $*"; exit 1; }
rss() { awk '/^VmRSS/ {print $2}' "/proc/$1/status"; }

mkdir host
"$exe" -headless -userdir host -host -port "$port" -map bwdm1 -players 9 -fraglimit 100000 \
    -seed 7 -frames $((seconds * 80)) >host.txt 2>host.err &
host=$!
pids+=("$host")
sleep 0.5
for i in 1 2 3 4 5 6 7 8; do
    mkdir "c$i"
    # Each client aims ahead, fires twice a second (the spawn's pistol fires once a click) and
    # walks to and fro, jumping now and then, so the match stays busy.
    {
        echo "100 cursor 400 250"
        for ((f = 100; f < seconds * 80; f += 40)); do
            echo "$f mouse down left"
            echo "$((f + 2)) mouse up left"
            (( f % 800 == 100 )) && echo "$f key up A" && echo "$f key down D"
            (( f % 800 == 500 )) && echo "$f key up D" && echo "$f key down A"
            (( f % 200 == 140 )) && echo "$f key tap Space"
        done
    } >"c$i/keys.txt"
    "$exe" -headless -userdir "c$i" -connect "127.0.0.1:$port" -name "Soak$i" \
        -script "c$i/keys.txt" >"c$i/summary.txt" 2>"c$i/err.txt" &
    pids+=($!)
done
sleep 30
early=()
for pid in "${pids[@]}"; do early+=("$(rss "$pid")"); done
sleep $((seconds - 32))
late=()
for pid in "${pids[@]}"; do late+=("$(rss "$pid" || echo 0)"); done
wait "$host" || fail "the host exited with $?"
for i in "${!pids[@]}"; do
    [ "$i" -eq 0 ] && continue
    wait "${pids[$i]}" || fail "client $i exited with $?"
done
cat host.txt
grep "Network:" host/Log.txt || fail "the host said nothing of the network"
for i in 1 2 3 4 5 6 7 8; do
    grep -q "^ *[0-9]*\. Soak$i: -\?[0-9]*$" host.txt || fail "Soak$i was not in the match at its end"
    ! grep -q "ERROR: AddressSanitizer\|runtime error" "c$i/err.txt" || fail "client $i: a sanitizer report"
done
! grep -q "ERROR: AddressSanitizer\|runtime error" host.err || fail "host: a sanitizer report"
names=(host c1 c2 c3 c4 c5 c6 c7 c8)
for i in "${!names[@]}"; do
    echo "${names[$i]}: ${early[$i]} kB after 30 s, ${late[$i]} kB at the end"
    [ "${late[$i]}" -le $((early[i] + growth_kb)) ] || fail "${names[$i]} grew by more than $growth_kb kB"
done
echo "PASS"
