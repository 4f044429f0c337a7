#!/usr/bin/env bash
# End to end: without options the game asks about full screen; answering "no" with the
# keyboard opens the 800 x 600 window captioned Talvijahti.
set -euo pipefail
game=$1
cd "$(mktemp -d)"
"$game" &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT

wait_for_window() {  # wait_for_window <name> <width>: the id of a visible window of that name and width
  for _ in $(seq 150); do
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      if xwininfo -id "$w" | grep -q "Width: $2\$"; then echo "$w"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

question=$(wait_for_window Talvijahti 380) || { echo "the question window never appeared" >&2; exit 1; }
sleep 0.3
xdotool key --window "$question" e
game_window=$(wait_for_window Talvijahti 800) || { echo "no 800-pixel game window after answering no" >&2; exit 1; }
xwininfo -id "$game_window" | grep -q "Height: 600$" || { echo "the game window is not 600 high" >&2; exit 1; }
echo "start question: answered no, got the 800 x 600 window"
