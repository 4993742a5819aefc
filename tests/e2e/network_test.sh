#!/usr/bin/env bash
# Network play on the loopback address: a headless host and two headless clients playing from
# scripts for thirty seconds, one of them downloading the host's map; a windowed client's
# screenshot showing other fighters; a client killed outright and given back to a bot within
# the time-out; a host killed outright sending its client back to the menu; and a match played
# to its end through a relay that drops a tenth of the datagrams and delays the rest.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"
relay=$3
exe="$work/game/brawlwick"
# A port of this run's own, so tests running side by side do not meet.
port=$((20000 + $$ % 20000))

# Each side has its own player's folder.
folder() { mkdir -p "$work/$1" && echo "$work/$1"; }
# Both run in the background, their own processes (exec), so a kill reaches the game itself.
host() { exec "$exe" -headless -seed 5 -userdir "$(folder host)" -host -port "$port" "$@"; }
client() {
    local name=$1
    shift
    exec "$exe" -headless -userdir "$(folder "$name")" -name "$name" "$@"
}
# The scores of a summary, "name: frags", one a line.
scores() { sed -n 's/^ *[0-9]*\. \(.*: -\?[0-9]*\)$/\1/p' "$1" | sort; }

cat > fight.txt <<'SCRIPT'
100 key down D
100 mouse down left
200 cursor 400 250
400 key up D
400 key down A
420 key tap Space
450 key tap E
700 key up A
800 mouse up left
900 key down D
950 key tap Space
1200 key up D
SCRIPT

# Bob's own bwdm1 is another map: he downloads the host's and keeps his.
mkdir -p "$(folder Bob)/Maps"
cp "$work/game/Base/Maps/bwdm2.bwm" "$work/Bob/Maps/bwdm1.bwm"
host -map bwdm1 -players 6 -fraglimit 1000 -frames 2400 >host.txt 2>host.err &
hostpid=$!
sleep 0.5
client Alice -connect "127.0.0.1:$port" -script fight.txt >alice.txt 2>alice.err &
alice=$!
client Bob -connect "127.0.0.1:$port" -script fight.txt >bob.txt 2>bob.err &
bob=$!
wait $hostpid || fail "the host exited with $?"
wait $alice || fail "Alice's client exited with $?"
wait $bob || fail "Bob's client exited with $?"
cat host.txt
grep -qx "Simulated time: 30.0 s (2400 frames)" host.txt || fail "the host did not play 30 s"
for name in Alice Bob; do
    grep -q "^ *[0-9]*\. $name: -\?[0-9]*$" host.txt || fail "the host's summary lacks $name"
    grep -qx "brawlwick: Connection to 127.0.0.1 lost." "$(echo "$name" | tr A-Z a-z).err" ||
        fail "$name was not told the host went"
done
[ "$(scores host.txt | wc -l)" -eq 6 ] || fail "not six scores on the host"
ls "$work"/Bob/downloads/bwdm1-*.bwm >/dev/null || fail "Bob has no download"
cmp -s "$work/Bob/Maps/bwdm1.bwm" "$work/game/Base/Maps/bwdm2.bwm" || fail "Bob's own map changed"
grep -q "Network: .* kbit/s to each client" "$work/host/Log.txt" || fail "no network figures"
grep "Network:" "$work/host/Log.txt"

# A windowed client sees the others: heads (the skin of the head sprite) beside his own.
host -map bwdm1 -players 8 -fraglimit 1000 -frames 1200 >/dev/null 2>&1 &
hostpid=$!
sleep 0.5
printf '%s\n' "300 key tap F9" "450 key tap F9" "600 key tap F9" "750 key tap F9" >shots.txt
"$exe" -window -userdir "$(folder Carol)" -name Carol -connect "127.0.0.1:$port" \
    -script shots.txt -frames 800 >/dev/null 2>carol.err || { tail carol.err; fail "the windowed client exited"; }
wait $hostpid || fail "the host exited with $?"
python3 - "$work"/Carol/Screenshots/*.tga <<'PY' || fail "no screenshot shows another fighter"
import struct, sys
SKIN = (0xf2, 0xc7, 0x9a)
def heads(path):
    data = open(path, "rb").read()
    width, _ = struct.unpack("<HH", data[12:16])
    spots = []
    for i in range(18, len(data), 3):
        b, g, r = data[i], data[i + 1], data[i + 2]
        if max(abs(r - SKIN[0]), abs(g - SKIN[1]), abs(b - SKIN[2])) <= 4:
            p = (i - 18) // 3
            x, y = p % width, p // width
            if all(abs(x - sx) + abs(y - sy) > 30 for sx, sy in spots):
                spots.append((x, y))
    return len(spots)
counts = [heads(p) for p in sys.argv[1:]]
print("heads in the screenshots:", counts)
assert counts and max(counts) >= 2
PY

# A client killed outright: his bot has the place back within the time-out, and the host plays on.
host -map bwdm1 -players 4 -fraglimit 1000 -frames 1600 >host.txt 2>/dev/null &
hostpid=$!
sleep 0.5
client Dave -connect "127.0.0.1:$port" >/dev/null 2>&1 &
dave=$!
sleep 4
grep -q "Dave plays fighter 1." "$work/host/Log.txt" || fail "Dave never played"
kill -KILL $dave
# The time-out is 5 s; the host looks once a frame.
for _ in $(seq 24); do
    sleep 0.25
    ! grep -q "Dave timed out with -\?[0-9]* frags; a bot plays fighter 1." "$work/host/Log.txt" || break
done
grep -q "Dave timed out with -\?[0-9]* frags; a bot plays fighter 1." "$work/host/Log.txt" || {
    grep Dave "$work/host/Log.txt"
    fail "Dave's place was not given back within the time-out"
}
wait $hostpid || fail "the host exited with $?"
grep -qx "Simulated time: 20.0 s (1600 frames)" host.txt || fail "the host did not play on"

# A host killed outright: its client is back at the menu, and says why.
host -map bwdm1 -players 4 -fraglimit 1000 >/dev/null 2>&1 &
hostpid=$!
sleep 0.5
client Erin -connect "127.0.0.1:$port" >/dev/null 2>erin.err &
erin=$!
sleep 3
kill -KILL $hostpid
wait $erin || fail "Erin's client exited with $?"
grep -qx "brawlwick: Connection to 127.0.0.1 lost." erin.err || fail "Erin was not told"

# Through a bad network the match plays on in step to its frag limit: the client's final
# scores are the host's.
"$relay" $((port + 1)) "$port" 150 10 50 >relay.txt &
relaypid=$!
host -map bwdm1 -players 8 -fraglimit 3 -frames 12000 >host.txt 2>/dev/null &
hostpid=$!
sleep 0.5
client Fay -connect "127.0.0.1:$((port + 1))" -script fight.txt >fay.txt 2>/dev/null &
fay=$!
wait $hostpid || fail "the host exited with $?"
wait $fay || fail "Fay's client exited with $?"
kill $relaypid 2>/dev/null || true
grep -qx "Ended by the frag limit: yes" host.txt || fail "the match did not end"
grep -qx "Ended by the frag limit: yes" fay.txt || fail "Fay did not see the end"
grep -q "^ *[0-9]*\. Fay: -\?[0-9]*$" host.txt || fail "the host's summary lacks Fay"
diff <(scores host.txt) <(scores fay.txt) || fail "Fay's scores are not the host's"
echo "PASS"
