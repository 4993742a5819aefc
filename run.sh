#!/usr/bin/env bash
# Installs what is missing, builds the game (Release) and starts it. Arguments go to the game.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
. scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $BRAWLWICK_BUILD_PACKAGES
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRAWLWICK_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
exec build/release/brawlwick "$@"
