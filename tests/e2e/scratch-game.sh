# Sourced by the end-to-end tests with the executable and the built Base/ as $1 and $2: copies
# both into a scratch folder removed on exit ($work/game) and moves into an empty working
# folder beside them ($work/run), which every run takes as the player's folder ($user): the
# game writes Log.txt, Screenshots/ and what it saves there, never into the tester's home.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/game" "$work/run"
cp "$1" "$work/game/brawlwick"
cp -r "$2" "$work/game/Base"
cd "$work/run"
user="$work/run"

# The game in a window, with the seed every test runs under.
game() { "$work/game/brawlwick" -window -seed 1 -userdir "$user" "$@"; }
fail() { echo "FAIL: $*"; echo "--- Log.txt"; cat Log.txt 2>/dev/null || true; exit 1; }
