#!/usr/bin/env bash
# Takes the software-centre screenshots of both games from a build, each in its own virtual
# display: talvijahti writes its own frame (its menu, frame 60); wtrq's main menu is grabbed
# from the window after the intro.
# usage: bash packaging/screenshots/take_screenshots.sh BUILD_FOLDER [OUTPUT_FOLDER]
set -euo pipefail
repo=$(cd "$(dirname "$0")/../.." && pwd)
build=$(cd "$1" && pwd)
out=$(cd "${2:-$repo/packaging/screenshots}" && pwd)
display="$repo/scripts/with-display.sh"

TALVIJAHTI_SCREENSHOT="$out/talvijahti.png" TALVIJAHTI_SCREENSHOT_FRAME=60 \
  timeout 60 "$display" bash -c '
    "$1" --windowed & game=$!
    for _ in $(seq 300); do [[ -s $2 ]] && break; sleep 0.1; done
    kill "$game"; wait "$game" 2>/dev/null || true
    [[ -s $2 ]]' _ "$build/talvijahti/talvijahti" "$out/talvijahti.png"

timeout 60 "$display" bash -c '
  . "$1/packaging/tests/lib/wtrq_window.sh"
  export XDG_RUNTIME_DIR=$(mktemp -d) SDL_AUDIODRIVER=dummy
  "$2" & game=$!
  window=$(wtrq_window "$game")
  wtrq_press "$window" "$game" space
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  /usr/bin/python3 -c "
import sys
from PIL import ImageGrab
x, y = int(sys.argv[1]), int(sys.argv[2])
ImageGrab.grab(bbox=(x, y, x + 640, y + 480)).save(sys.argv[3], optimize=False, compress_level=9)
" "$X" "$Y" "$3"
  kill "$game"; wait "$game" 2>/dev/null || true
  rm -rf "$XDG_RUNTIME_DIR"' _ "$repo" "$build/wtrq/app/wtrq" "$out/wtrq.png"
echo "screenshots in $out"
