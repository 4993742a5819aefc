#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR as a distribution would (prefix /usr): every file
# where freedesktop puts it and nothing else, the desktop entry and metainfo valid, the icons
# there. Then the installed game, started through a link from an unrelated folder with a fresh
# HOME, finds its data and writes nothing outside the player's folder, and the tools run under
# their installed names.
# Usage: install_test.sh CMAKE BUILD_DIR VERSION
set -euo pipefail
cmake=$1 build=$2 version=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

DESTDIR="$work/stage" "$cmake" --install "$build" --prefix /usr >/dev/null
usr="$work/stage/usr"
id=io.github.brawlwick.Brawlwick
expected="bin/brawlwick
bin/brawlwick-animtool
bin/brawlwick-maptool
share/applications/$id.desktop
share/icons/hicolor/256x256/apps/$id.png
share/icons/hicolor/scalable/apps/$id.svg
share/metainfo/$id.metainfo.xml"
installed=$(cd "$usr" && find . -path ./share/brawlwick/Base -prune -o -type f -printf '%P\n' |
    sort)
[ "$installed" = "$expected" ] || fail "installed:"$'\n'"$installed"
for tool in brawlwick brawlwick-maptool brawlwick-animtool; do
    [ -x "$usr/bin/$tool" ] || fail "bin/$tool cannot be run"
done
# A PNG's width and height are the big-endian words at bytes 16 and 20.
size=$(od -An -tx1 -j16 -N8 "$usr/share/icons/hicolor/256x256/apps/$id.png" | tr -d ' \n')
[ "$size" = 0000010000000100 ] || fail "the PNG icon is not 256x256 ($size)"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$usr/share/applications/$id.desktop" || fail "desktop entry"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "metainfo"
fi

[ "$("$usr/bin/brawlwick" --version)" = "brawlwick $version" ] || fail "--version"
"$usr/bin/brawlwick" --help | grep -q -- "^  -headless " || fail "--help lists no -headless"
"$usr/bin/brawlwick-maptool" print "$usr/share/brawlwick/Base/Maps/bwdm1.bwm" | grep -q . ||
    fail "brawlwick-maptool printed nothing"
"$usr/bin/brawlwick-animtool" print lower "$usr/share/brawlwick/Base/LDefault.bwv" | grep -q . ||
    fail "brawlwick-animtool printed nothing"

# Started through a link, the game looks from its real folder: the data is found when the map
# is played and the log names no file it could not read.
mkdir "$work/home" "$work/elsewhere" "$work/links"
ln -s "$usr/bin/brawlwick" "$work/links/brawlwick"
listing() { (cd "$work" && find stage elsewhere links -printf '%p %s %T@\n' | sort); }
before=$(listing)
(cd "$work/elsewhere" && env -u XDG_DATA_HOME HOME="$work/home" "$work/links/brawlwick" \
    -headless -frames 50 -seed 1 >"$work/summary.txt") || fail "the installed game exited with $?"
[ "$(listing)" = "$before" ] || fail "wrote outside the player's folder:"$'\n'"$(diff \
    <(echo "$before") <(listing))"
player="$work/home/.local/share/brawlwick"
outside=$(find "$work/home" -mindepth 1 -not -path "$work/home/.local" \
    -not -path "$work/home/.local/share" -not -path "$player" -not -path "$player/*")
[ -z "$outside" ] || fail "wrote into HOME outside the player's folder: $outside"
log="$player/Log.txt"
[ -f "$log" ] || fail "no Log.txt in the player's folder"
if grep -i -e "unable" -e "couldn't" -e "cannot" "$log"; then
    fail "the installed game missed its data"
fi
grep -q "^Match: .*, 6 players" "$work/summary.txt" && grep -q "(50 frames)$" "$work/summary.txt" ||
    fail "no match was played:"$'\n'"$(cat "$work/summary.txt")"
echo "PASS"
