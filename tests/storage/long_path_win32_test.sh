#!/usr/bin/env bash
# long_path_win32_test.sh <wine-run> <wine prefix> <list_saver.exe>
# Runs the list saver from a folder whose path overflows the 260-byte buffer
# that the executable's path is fetched into. Cut at the buffer's end, that
# path would lead to a folder above the executable; the tool must then touch
# no list file at all. Every folder above it holds a list that must be kept.
set -euo pipefail
wine_run=$1 prefix=$2 saver=$3

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dir=$root
while [ ${#dir} -lt 280 ]; do
  printf 'kept %s' "$dir" >"$dir/zhanghao.txt"
  dir=$dir/folder_of_lyrics_$(( ${#dir} ))
  mkdir "$dir"
done
cp "$saver" "$dir/list_saver.exe"

"$wine_run" "$prefix" "$dir/list_saver.exe" start-edit

status=0
for list in $(find "$root" -name 'zhanghao.txt*' | sort); do
  expected="kept $(dirname "$list")"
  if [ "$(cat "$list")" != "$expected" ]; then
    echo "changed or made: $list" >&2
    status=1
  fi
done
exit $status
