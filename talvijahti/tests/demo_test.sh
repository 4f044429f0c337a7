#!/usr/bin/env bash
# talvijahti --demo in the real window: play starts at level 1 without a click, and the autopilot
# skates the elf away from the start on its own. Frame 2 shows the elf on the start point, at
# (110, 490) on screen in level 1; by frame 400 that spot is bare snow.
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

for frame in 2 400; do
  status=0
  (cd "$work" && TALVIJAHTI_SCREENSHOT="$work/frame$frame.png" TALVIJAHTI_SCREENSHOT_FRAME=$frame \
    timeout 20 "$game" --demo > /dev/null 2> "$work/err$frame.txt") || status=$?
  # The demo runs until it is stopped; timeout ends it.
  [[ $status -eq 124 ]] || { echo "the demo ended by itself (status $status):" >&2; cat "$work/err$frame.txt" >&2; exit 1; }
  [[ -s "$work/frame$frame.png" ]] || { echo "no screenshot of frame $frame" >&2; exit 1; }
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
