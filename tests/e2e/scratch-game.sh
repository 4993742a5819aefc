# Sourced by the end-to-end tests with the executable and the built Base/ as $1 and $2: copies
# both into a scratch folder removed on exit ($work/game) and moves into an empty working
# folder beside them ($work/run), where the game writes Log.txt.
exe=$1
base=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/game" "$work/run"
cp "$exe" "$work/game/brawlwick"
cp -r "$base" "$work/game/Base"
cd "$work/run"

fail() { echo "FAIL: $*"; echo "--- Log.txt"; cat Log.txt 2>/dev/null || true; exit 1; }
