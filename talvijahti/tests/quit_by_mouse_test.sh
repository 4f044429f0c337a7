#!/usr/bin/env bash
# End to end: the game starts windowed on its menu, the real mouse moves onto the quit
# button and clicks, and the program ends with status 0.
set -euo pipefail
source "$(dirname "$0")/lib/game_window.sh"
trap stop_game EXIT

start_game "$1" --windowed
# The quit button's hit box is 272..528 x 320..408 in window pixels; press in its middle.
click_at 400 364
wait_for_exit 10 || { echo "the game did not quit after the click on the quit button" >&2; exit 1; }
[[ $status -eq 0 ]] || { echo "the game ended with status $status" >&2; exit 1; }
echo "quit by mouse: the game ended with status 0"
