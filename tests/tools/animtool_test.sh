#!/usr/bin/env bash
# The animation tool as animators run it: a built set prints as text that builds to the same
# bytes and draws as a picture, and a faulty text, or a file that is no set, fails with a
# message naming where.
set -euo pipefail
animtool=$1 anims=$2 work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2 && exit 1; }

# The upper figure's round trip is the animation text test's.
"$animtool" build "$anims/LDefault.anim" "$work/a.bwv"
"$animtool" print lower "$work/a.bwv" >"$work/a.anim"
"$animtool" build "$work/a.anim" "$work/b.bwv"
cmp "$work/a.bwv" "$work/b.bwv" || fail "print and build again changed the bytes"
"$animtool" svg lower "$work/a.bwv" 3 >"$work/a.svg"
grep -q '^<svg ' "$work/a.svg" || fail "svg printed no picture"

printf 'figure lower\nanimation 0\nframe 1 2 3\n' >"$work/bad.anim"
if "$animtool" build "$work/bad.anim" "$work/bad.bwv" 2>"$work/err"; then fail "built a bad text"; fi
grep -q "bad.anim:3: a frame of the lower figure is 12 numbers" "$work/err" ||
    fail "no line in: $(cat "$work/err")"
[ ! -e "$work/bad.bwv" ] || fail "a refused text left a file"

printf 'abcdef' >"$work/junk.bwv"
if "$animtool" print lower "$work/junk.bwv" 2>"$work/err"; then fail "printed a file that is no set"; fi
grep -q 'junk.bwv: animation 0 "Standing" ends inside its frame count' "$work/err" ||
    fail "$(cat "$work/err")"
if "$animtool" svg lower "$work/a.bwv" 10 2>/dev/null; then fail "ten blends were drawn"; fi
if "$animtool" svg lower "$work/a.bwv" >/dev/full 2>"$work/err"; then fail "svg into a full disk succeeded"; fi
grep -q "cannot write the output" "$work/err" || fail "no message for a full disk: $(cat "$work/err")"
mkdir "$work/folder.bwv"
if "$animtool" build "$anims/LDefault.anim" "$work/folder.bwv" 2>"$work/err"; then fail "replaced a folder"; fi
grep -q "folder.bwv is a folder, not a file" "$work/err" || fail "no message for a folder: $(cat "$work/err")"
[ -d "$work/folder.bwv" ] || fail "the folder is gone"
if "$animtool" frobnicate 2>/dev/null; then fail "an unknown command succeeded"; fi
echo "animtool ok"
