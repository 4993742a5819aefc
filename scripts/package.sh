#!/usr/bin/env bash
# Builds the game in Release and makes its Debian package with CPack, its dependencies read off
# the binaries: build/release/brawlwick_<version>_<arch>.deb. Install it with
#   sudo apt-get install ./build/release/brawlwick_*.deb
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
. scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $BRAWLWICK_BUILD_PACKAGES $BRAWLWICK_PACKAGE_PACKAGES
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRAWLWICK_TESTS=OFF >/dev/null
cmake --build build/release -j"$(nproc)"
# An older version's package would be installed beside this one by a glob.
rm -f build/release/brawlwick_*.deb
(cd build/release && cpack -G DEB)
ls build/release/brawlwick_*.deb
