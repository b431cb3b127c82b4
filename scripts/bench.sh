#!/usr/bin/env bash
# Builds the benchmarks in an optimised native build and runs them.
# Extra arguments go to the benchmark program (e.g. --benchmark_filter=OnQuery).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}/bench

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON >/dev/null
cmake --build "$build" -j "$(nproc)" --target lookup_bench
"$build/bench/lookup_bench" "$@"
