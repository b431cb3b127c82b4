#!/usr/bin/env bash
# Builds everything and runs every test:
#   native build (g++, AddressSanitizer + UBSan) with the core's unit tests,
#   32-bit Windows build (MinGW) with its tests under Wine on an Xvfb display,
#   fuzz build (clang, libFuzzer) replaying the committed seed corpus.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
jobs=$(nproc)

"$root/scripts/setup.sh"

step() { printf '\n== %s\n' "$*"; }

step "native build and tests"
cmake -S "$root" -B "$build/native" -DCMAKE_BUILD_TYPE=Debug -DQUORVEL_SANITIZE=ON >/dev/null
cmake --build "$build/native" -j "$jobs"
ctest --test-dir "$build/native" --output-on-failure -j "$jobs"

step "32-bit Windows build and tests under Wine"
cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" -j "$jobs"
source "$root/scripts/xvfb.sh"
start_xvfb
export QUORVEL_WINE_UNMANAGED=1  # the private display has no window manager
ctest --test-dir "$build/win32" --output-on-failure -j "$jobs"

step "fuzz targets over their seed corpus"
CXX=clang++ CC=clang cmake -S "$root" -B "$build/fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DQUORVEL_FUZZ=ON >/dev/null
cmake --build "$build/fuzz" -j "$jobs"
ctest --test-dir "$build/fuzz" --output-on-failure -L fuzz

step "all tests passed"
