#!/usr/bin/env bash
# Installs what is missing, builds with warnings as errors and AddressSanitizer +
# UndefinedBehaviorSanitizer, and runs every test (unit, display and end-to-end) through CTest.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")"
. scripts/packages.sh
# shellcheck disable=SC2086
ensure_packages $BRAWLWICK_BUILD_PACKAGES $BRAWLWICK_TEST_PACKAGES
cmake -S . -B build/debug -DCMAKE_BUILD_TYPE=Debug -DBRAWLWICK_WERROR=ON -DBRAWLWICK_SANITIZE=ON \
    -DBRAWLWICK_TESTS=ON -DBRAWLWICK_BENCH=ON >/dev/null
cmake --build build/debug -j"$(nproc)"
export ASAN_OPTIONS=abort_on_error=0:detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
(cd build/debug && ctest --output-on-failure -j"$(nproc)" "$@")

# The same fuzz targets as libFuzzer binaries, built by clang, each run briefly over its seeds.
cmake -S . -B build/fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
    -DBRAWLWICK_FUZZ=ON -DBRAWLWICK_WERROR=ON >/dev/null
cmake --build build/fuzz -j"$(nproc)" --target fuzz_all
(cd build/fuzz && ctest --output-on-failure -L fuzz "$@")
