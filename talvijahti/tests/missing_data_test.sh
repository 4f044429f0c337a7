#!/usr/bin/env bash
# The game started on an incomplete data folder names every missing file on standard error
# and ends with a non-zero status before any window opens (there is no display to open one on).
set -euo pipefail
game=$1
source_data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$source_data/data" "$source_data/levels" "$work/"
mkdir "$work/sfx"
cp "$source_data/sfx/wind.wav" "$work/sfx/"
rm "$work/data/puu.png"
printf 'short' > "$work/levels/level3.lev"

status=0
env -u DISPLAY SDL_VIDEODRIVER=x11 TALVIJAHTI_DATA="$work" "$game" --windowed \
  > "$work/out.txt" 2> "$work/err.txt" || status=$?
cat "$work/err.txt"
[[ $status -ne 0 ]] || { echo "the game ended with status 0 on incomplete data" >&2; exit 1; }
for expected in "data/puu.png: missing" "sfx/Ice slow.wav: missing" "sfx/ouch.wav: missing" \
                "sfx/Button 2.wav: missing" "levels/level3.lev: file is 5 bytes"; do
  grep -qF "$expected" "$work/err.txt" || { echo "not named: $expected" >&2; exit 1; }
done
if grep -q "wind.wav" "$work/err.txt"; then
  echo "a file that is there was named" >&2
  exit 1
fi
echo "missing data: status $status, every missing file named"
