#!/usr/bin/env bash
# Builds the benchmarks in Release and runs them (the scaled picture's on a 1280 x 720 Xvfb),
# then times start-up to the first presented frame of the real game under a private Xvfb.
set -euo pipefail
cd "$(dirname "$(readlink -f "$0")")/.."
cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DBRAWLWICK_TESTS=OFF -DBRAWLWICK_BENCH=ON >/dev/null
cmake --build build/release -j"$(nproc)"
for bench in build/release/bench/*_bench; do
    [ "$bench" = build/release/bench/scaled_picture_bench ] || "$bench"
done
# Needs a display, of a size the 800 x 600 picture is scaled to.
tests/support/with-xvfb.sh --screen 1280x720x24 build/release/bench/scaled_picture_bench
tests/support/with-xvfb.sh bench/startup-time.sh build/release/brawlwick
tests/support/with-xvfb.sh bench/match-fps.sh build/release/brawlwick
bench/headless-fps.sh build/release/brawlwick
