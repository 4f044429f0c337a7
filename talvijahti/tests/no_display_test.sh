#!/usr/bin/env bash
# With no desktop to show a window on, the game says so and ends with a non-zero status
# instead of playing unseen.
set -euo pipefail
game=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
status=0
env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
  timeout 30 "$game" --windowed 2>"$errors" >/dev/null || status=$?
[[ $status -eq 1 ]] || { echo "expected status 1, got $status" >&2; cat "$errors" >&2; exit 1; }
grep -q 'cannot open the 800 x 600 OpenGL window' "$errors" || { echo "no clear message:" >&2; cat "$errors" >&2; exit 1; }
echo "no display: the game ended with status 1 and said why"
