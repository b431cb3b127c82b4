#!/usr/bin/env bash
# Builds the benchmarks and runs them: the Google Benchmark programs in an
# optimised native build, then the timing programs of the Windows build under
# Wine. Extra arguments go to the native programs (e.g. --benchmark_filter=OnQuery).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}

"$root/scripts/setup.sh"

cmake -S "$root" -B "$build/bench" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON >/dev/null
cmake --build "$build/bench" -j "$(nproc)"
"$build/bench/bench/lookup/lookup_bench" "$@"
"$build/bench/bench/storage/storage_bench" "$@"

cmake -S "$root" -B "$build/win32-bench" -DCMAKE_BUILD_TYPE=Release -DQUORVEL_BENCH=ON \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32-bench" -j "$(nproc)"
source "$root/scripts/xvfb.sh"
start_xvfb
for program in "$build"/win32-bench/bench/*/*.exe; do
  echo "== $(basename "$program")"
  "$root/scripts/wine-run" "$build/win32-bench/wineprefix" "$program"
done
