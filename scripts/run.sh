#!/usr/bin/env bash
# Builds quorvel.exe and starts it under Wine on the current X display.
#   scripts/run.sh [folder]
# The program is copied into the folder (build/run by default) and keeps its
# list, zhanghao.txt, beside it there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
run_dir=${1:-$build/run}

"$root/scripts/setup.sh"

if [ -z "${DISPLAY:-}" ]; then
  cat >&2 <<MESSAGE
run: there is no X display to show the window on (DISPLAY is not set).
     Start this from a desktop session, or run it headless on a virtual display:
         xvfb-run -a scripts/run.sh ${1:-}
MESSAGE
  exit 1
fi

cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" --target quorvel -j "$(nproc)" >/dev/null

mkdir -p "$run_dir"
cp "$build/win32/src/frame/quorvel.exe" "$run_dir/quorvel.exe"
echo "run: starting $run_dir/quorvel.exe (its list: $run_dir/zhanghao.txt)"
# A prefix of its own: the tests' prefix is set up for a display without a
# window manager.
exec "$root/scripts/wine-run" "$build/run-wineprefix" "$run_dir/quorvel.exe"
