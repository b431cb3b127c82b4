#!/usr/bin/env bash
# Photographs quorvel.exe under Wine on a private Xvfb, answering a query,
# and saves the picture as docs/window.png (or the path given).
#   scripts/screenshot.sh [output.png]
# The program runs from a temporary folder with a list of our own; the
# query is set from outside with peek.exe and 查询 is clicked with xdotool.
# Wine draws the whole frame itself (no window manager runs), in a prefix of
# the screenshot's own so the test prefix keeps its settings.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUORVEL_BUILD_DIR:-$root/build}
output=${1:-$root/docs/window.png}
prefix=$build/win32/wineprefix-screenshot

# Twelve made-up lines; the query is the first character of one of them.
list_lines=(
  清晨的风吹过小石桥 窗台上的花猫在打盹 雨点敲着旧铁皮屋顶 我把地图折成一只纸船
  灯塔在远处慢慢眨眼 菜市场的吆喝声此起彼伏 钟表匠修好了最后一块表 石阶一级一级爬进云里
  今天的豆浆有点烫 邮差骑车穿过整条长街 星星落进井里不见了 明天再来数一数月亮
)
query=石

# The control identifiers the window gives its controls, in record order.
result_box=100
query_box=101
query_button=104

"$root/scripts/setup.sh"
cmake -S "$root" -B "$build/win32" -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" >/dev/null
cmake --build "$build/win32" --target quorvel peek -j "$(nproc)" >/dev/null

gbk() { iconv -f UTF-8 -t GBK; }
hex() { od -An -v -tx1 | tr -d ' \n'; }
peek() { "$root/scripts/wine-run" "$prefix" "$build/win32/tests/e2e/peek.exe" "$@" 2>/dev/null; }

# Polls a command until it succeeds, for at most 30 seconds.
wait_for() {
  local what=$1; shift
  for _ in $(seq 150); do
    "$@" && return 0
    sleep 0.2
  done
  echo "screenshot: gave up waiting for $what" >&2
  return 1
}

folder=$(mktemp -d)
cp "$build/win32/src/frame/quorvel.exe" "$folder/"
printf '%s\r\n' "${list_lines[@]}" | gbk >"$folder/zhanghao.txt"

source "$root/scripts/xvfb.sh"
start_xvfb
tool=""
finish() {
  if [ -n "$tool" ] && kill -0 "$tool" 2>/dev/null; then
    peek close || true
    for _ in $(seq 50); do kill -0 "$tool" 2>/dev/null || break; sleep 0.2; done
    kill "$tool" 2>/dev/null || true
    wait "$tool" 2>/dev/null || true
  fi
  # Wine's own helper processes end before the display they draw on.
  WINEPREFIX="$prefix" timeout 30 wineserver -w 2>/dev/null || true
  rm -rf "$folder"
  kill "$XVFB_PID" 2>/dev/null || true
}
trap finish EXIT

# Undecorated: Wine paints the title bar and frame as Windows would.
"$root/scripts/wine-run" "$prefix" reg add 'HKCU\Software\Wine\X11 Driver' \
    /v Decorated /d N /f >/dev/null
# The caption buttons are glyphs of Marlett, which this Wine build only
# finds in the prefix's own font folder.
cp /usr/share/wine/fonts/marlett.ttf "$prefix/drive_c/windows/Fonts/"

"$root/scripts/wine-run" "$prefix" "$folder/quorvel.exe" >/dev/null 2>&1 &
tool=$!

window=""
find_window() { window=$(xdotool search --onlyvisible --name '^Quorvel  ' 2>/dev/null | head -n 1); }
wait_for "the window to show" find_window

query_hex=$(printf '%s' "$query" | gbk | hex)
expected_hex=$(printf '%s\n' "${list_lines[@]}" | grep "^$query" | tail -n 1 | tr -d '\n' | gbk | hex)
peek settext "$query_box" "$query_hex"
read -r x y < <(peek center "$query_button")
xdotool mousemove --sync "$x" "$y" click 1
result_shown() { [ "$(peek text "$result_box" | tr -d '\r')" = "$expected_hex" ]; }
wait_for "the result of the query" result_shown
# Away from the button, so it isn't drawn as hovered.
xdotool mousemove --sync 0 0

# Wait until two pictures agree, so the window has finished painting.
eval "$(xdotool getwindowgeometry --shell "$window")"
shot() { import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$@"; }
previous=""
for _ in $(seq 50); do
  sleep 0.2
  current=$(shot rgb:- | md5sum)
  [ "$current" = "$previous" ] && break
  previous=$current
done
mkdir -p "$(dirname "$output")"
shot "$output"
echo "screenshot: $output (${WIDTH}x${HEIGHT})"
