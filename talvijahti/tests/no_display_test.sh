#!/usr/bin/env bash
# With no desktop to show a window on, the game says so and ends with a non-zero status
# instead of playing unseen or waiting for an answer nobody can give.
set -euo pipefail
game=$1
errors=$(mktemp)
trap 'rm -f "$errors"' EXIT
for options in "--windowed" ""; do
  status=0
  # shellcheck disable=SC2086 # no options at all is one of the cases
  env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy \
    timeout 30 "$game" $options 2>"$errors" >/dev/null || status=$?
  [[ $status -eq 1 ]] || { echo "options '$options': expected status 1, got $status" >&2; cat "$errors" >&2; exit 1; }
  grep -q 'cannot open the 800 x 600 OpenGL window' "$errors" ||
    { echo "options '$options': no clear message:" >&2; cat "$errors" >&2; exit 1; }
done
echo "no display: the game ended with status 1 and said why, asked or not"
