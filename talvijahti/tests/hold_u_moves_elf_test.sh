#!/usr/bin/env bash
# End to end with real key presses: the game starts windowed, the mouse starts a new game,
# U is held down, and screenshots before and after show the elf (found by its green coat)
# further along to the right, the way it heads at the start of level 1; Escape and the
# menu's quit button then end the game with status 0.
# SHOT_DIR=folder keeps the two screenshots for a look.
set -euo pipefail
source "$(dirname "$0")/lib/game_window.sh"
trap stop_game EXIT
shots=${SHOT_DIR:-$scratch}
mkdir -p "$shots"
start_game "$1" --windowed

# Window-relative screenshot of the 800 x 600 client area.
grab() {
  eval "$(xdotool getwindowgeometry --shell "$win")"
  /usr/bin/python3 - "$1" "$X" "$Y" <<'PY'
import sys
from PIL import ImageGrab
path, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
ImageGrab.grab(bbox=(x, y, x + 800, y + 600), xdisplay=None).save(path)
PY
}

# Where the elf is: the centre of the pixels of its green coat, or nothing when too few show.
elf_x() {
  /usr/bin/python3 - "$1" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
w, h = im.size
px = im.load()
xs = [x for y in range(h) for x in range(w)
      if px[x, y][1] > px[x, y][0] + 50 and px[x, y][1] > px[x, y][2] + 30]
print(round(sum(xs) / len(xs)) if len(xs) >= 40 else "")
PY
}

# The new-game button's hit box is 272..528 x 220..308.
click_at 400 260
xdotool mousemove --window "$win" 700 580
before=""
for _ in $(seq 10); do
  sleep 0.5
  grab "$shots/before.png"
  before=$(elf_x "$shots/before.png")
  [[ -n "$before" ]] && break
done

xdotool windowfocus --sync "$win" 2>/dev/null || true
[[ -n "$before" ]] || { echo "no elf on the screen after starting a new game" >&2; exit 1; }
# Held until the elf has gone some way (a slow machine plays fewer frames a second), at most 6 s.
xdotool keydown u
after=""
for _ in $(seq 10); do
  sleep 0.6
  grab "$shots/after.png"
  after=$(elf_x "$shots/after.png")
  [[ -n "$after" ]] && (( after >= before + 40 )) && break
done
xdotool keyup u
kill -0 $pid 2>/dev/null || { echo "the game ended during play" >&2; exit 1; }
[[ -n "$after" ]] || { echo "no elf on the screen after holding U" >&2; exit 1; }
echo "elf at x=$before before and x=$after after holding U"
if (( after < before + 40 )); then
  echo "the elf did not move right while U was held" >&2
  exit 1
fi

# Escape leads back to the menu, whose quit button ends the game normally.
# Held for a while: a press and release seen in one input refresh would go unnoticed.
xdotool keydown Escape sleep 0.3 keyup Escape
sleep 0.5
click_at 400 364
wait_for_exit 10 || { echo "Escape and quit did not end the game" >&2; exit 1; }
[[ $status -eq 0 ]] || { echo "the game ended with status $status" >&2; exit 1; }
echo "hold U: the elf skated $((after - before)) pixels to the right"
