#!/usr/bin/env bash
# Photographs the main window under Wine on a private Xvfb and saves the
# picture as docs/window.png (or the path given).
#   scripts/screenshot.sh [output.png]
# The window comes from the preview program, which builds it from its
# descriptions; Wine draws the whole frame itself (no window manager runs),
# in a prefix of the screenshot's own so the test prefix keeps its settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
output=${1:-$root/docs/window.png}
prefix=$build/win32/wineprefix-screenshot

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" --target window_preview -j "$(nproc)" >/dev/null

source "$root/scripts/xvfb.sh"
start_xvfb

# Undecorated: Wine paints the title bar and frame as Windows would.
"$root/scripts/wine-run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Decorated /d N /f >/dev/null
# The caption buttons are glyphs of Marlett, which this Wine build only
# finds in the prefix's own font folder.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"

"$root/scripts/wine-run" "$prefix" "$build/win32/tests/window/window_preview.exe" &
preview=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^Quorvel' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.2
done
[ -n "$window" ] || { echo "screenshot: the window did not appear" >&2; kill "$preview"; exit 1; }

# The window paints right after it appears; wait until two pictures agree.
eval "$(xdotool getwindowgeometry --shell "$window")"
previous=""
for _ in $(seq 50); do
  sleep 0.2
  current=$(import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage rgb:- | md5sum)
  [ "$current" = "$previous" ] && break
  previous=$current
done
mkdir -p "$(dirname "$output")"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$output"

xdotool key --window "$window" Escape
for _ in $(seq 50); do
  kill -0 "$preview" 2>/dev/null || break
  sleep 0.2
done
kill "$preview" 2>/dev/null || true
wait "$preview" 2>/dev/null || true
echo "screenshot: $output (${WIDTH}x${HEIGHT})"
