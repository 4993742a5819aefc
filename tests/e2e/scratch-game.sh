# Sourced by the end-to-end tests with the executable and the built Base/ as $1 and $2: copies
# both into a scratch folder removed on exit ($work/game), makes the player's folder apart from
# it ($user), and moves into an empty working folder beside them ($work/run). The game writes
# Log.txt, Screenshots/ and what it saves into $user, never into the tester's home, and nothing
# into the working folder, which the tests that write check.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/game" "$work/run" "$work/user"
cp "$1" "$work/game/brawlwick"
cp -r "$2" "$work/game/Base"
cd "$work/run"
user="$work/user"

# The game in a window, with the seed every test runs under.
game() { "$work/game/brawlwick" -window -seed 1 -userdir "$user" "$@"; }
fail() { echo "FAIL: $*"; echo "--- Log.txt"; cat "$user/Log.txt" 2>/dev/null || true; exit 1; }
# For tests that leave nothing of their own in the working folder.
working_folder_untouched() {
    [ -z "$(ls -A "$work/run")" ] || fail "the game wrote into the working folder: $(ls -A "$work/run")"
}
