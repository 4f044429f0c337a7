#!/usr/bin/env bash
# talvijahti --demo in the real window: play starts at level 1 without a click, and the autopilot
# skates the elf away from the start on its own. Frame 2 shows the elf on the start point, at
# (110, 490) on screen in level 1; by frame 400 that spot is bare snow.
set -euo pipefail
game=$1
work=$(mktemp -d)
pid=""
trap '[[ -z "$pid" ]] || kill -KILL "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

# The demo plays until it is stopped: run it until the screenshot is written (a slow machine,
# or a sanitizer build, may take a while), then end it.
for frame in 2 400; do
  shot="$work/frame$frame.png"
  (cd "$work" && exec env TALVIJAHTI_SCREENSHOT="$shot" TALVIJAHTI_SCREENSHOT_FRAME=$frame \
    "$game" --demo > /dev/null 2> "$work/err$frame.txt") &
  pid=$!
  for _ in $(seq 1800); do
    [[ -s "$shot" ]] && break
    kill -0 "$pid" 2>/dev/null || { echo "the demo ended by itself:" >&2; cat "$work/err$frame.txt" >&2; exit 1; }
    sleep 0.1
  done
  # Complete once its size holds still.
  size=-1
  while [[ -s "$shot" && $(stat -c %s "$shot") != "$size" ]]; do
    size=$(stat -c %s "$shot")
    sleep 0.5
  done
  kill -KILL "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
  [[ -s "$shot" ]] || { echo "no screenshot of frame $frame" >&2; exit 1; }
done

# Strongly coloured pixels (the elf's green and red) around the start point, frame by frame.
/usr/bin/python3 - "$work" <<'PY'
import sys
from PIL import Image
work = sys.argv[1]
def coloured(path, cx=110, cy=490, r=20):
    im = Image.open(path).convert("RGB")
    return sum(1 for y in range(cy - r, cy + r) for x in range(cx - r, cx + r)
               if max(im.getpixel((x, y))) - min(im.getpixel((x, y))) > 80)
first, later = coloured(f"{work}/frame2.png"), coloured(f"{work}/frame400.png")
print(f"coloured pixels at the start: frame 2 {first}, frame 400 {later}")
if first < 40:
    sys.exit("frame 2 does not show the elf at the start of level 1: the demo did not start play")
if later > 5:
    sys.exit("the elf is still at the start in frame 400: the autopilot did not skate")
PY
echo "demo: play started by itself and the autopilot moved the elf"
