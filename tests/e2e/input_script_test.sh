#!/usr/bin/env bash
# On the menu, a replayed script drives the real executable's keyboard and mouse: a bound key
# reaches the command handler, the console key and typing do not, and a malformed line is
# reported with its number and skipped.
set -euo pipefail
# shellcheck source=tests/e2e/scratch-game.sh
. "$(dirname "$(readlink -f "$0")")/scratch-game.sh"

cat > keys.txt <<'SCRIPT'
# F9 on the menu, then the console opened and typed into
5 key tap F9
6 key tap Grave
8 key tap H
9 key tap I
10 key tap Enter
12 mouse down left
13 mouse up left
14 key tap Sideways
SCRIPT

# A map that is not there keeps the game on the menu, where commands are only logged.
game -fixedstep -frames 30 -map nowhere.bwm -script keys.txt 2>stderr.txt ||
    fail "the run exited with $?"
grep -qx "Command 3: no match is running." "$user/Log.txt" || fail "F9 did not reach the command handler"
if grep -q "Command 2:" "$user/Log.txt"; then fail "Enter went past the open console"; fi
grep -q "line 9: unknown key \"Sideways\"; line skipped." "$user/Log.txt" || fail "the bad line was not logged"
grep -q "keys.txt:9: unknown key \"Sideways\"" stderr.txt || fail "the bad line was not on stderr"

if game -frames 5 -script missing.txt 2>/dev/null; then fail "a missing script was not an error"; fi
echo "PASS"
