#!/usr/bin/env bash
# The map tool as map makers run it: a built map prints as text that builds to the same bytes,
# and a faulty map, or a file that is no map, fails with a message naming where. (A full disk is
# the animation tool's test: both write through the same output.)
set -euo pipefail
maptool=$1 maps=$2 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

"$maptool" build "$maps/bwdm1.map" "$work/a.bwm"
"$maptool" print "$work/a.bwm" >"$work/a.map"
"$maptool" build "$work/a.map" "$work/b.bwm"
cmp "$work/a.bwm" "$work/b.bwm" || fail "print and build again changed the bytes"
"$maptool" svg "$work/a.bwm" >"$work/a.svg"
grep -q '^<svg ' "$work/a.svg" || fail "svg printed no picture"

printf 'name bad\nworld 0 0 800 600\nplatform 1 2 3\n' >"$work/bad.map"
if "$maptool" build "$work/bad.map" "$work/bad.bwm" 2>"$work/err"; then fail "built a bad map"; fi
grep -q "bad.map:3: platform takes 4 numbers" "$work/err" || fail "no line in: $(cat "$work/err")"
[ ! -e "$work/bad.bwm" ] || fail "a refused map left a file"

# A spawn point inside a platform is worth a warning, not a refusal.
printf 'name stuck\nworld 0 0 800 600\nplatform 0 500 800 540\nspawn 400 520\n' >"$work/stuck.map"
"$maptool" build "$work/stuck.map" "$work/stuck.bwm" 2>"$work/err" || fail "refused: $(cat "$work/err")"
grep -q "stuck.map: warning: spawn point 400 520 lies inside the platform 0 500 800 540" \
  "$work/err" || fail "no warning in: $(cat "$work/err")"

printf 'ab' >"$work/junk.bwm"
if "$maptool" print "$work/junk.bwm" 2>"$work/err"; then fail "printed a file that is no map"; fi
grep -q "junk.bwm: the file ends inside the map name" "$work/err" || fail "$(cat "$work/err")"
if "$maptool" frobnicate 2>/dev/null; then fail "an unknown command succeeded"; fi
echo "maptool ok"
