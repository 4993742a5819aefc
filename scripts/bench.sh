#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them, then times start-up to the first presented
# frame of the real game under a private Xvfb.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRAWLWICK_TESTS=OFF -DBRAWLWICK_BENCH=ON >/dev/null
cmake --build build/release -j"$(nproc)"
for bench in build/release/bench/*_bench; do "$bench"; done
tests/support/with-xvfb.sh bench/startup-time.sh build/release/brawlwick
tests/support/with-xvfb.sh bench/match-fps.sh build/release/brawlwick
