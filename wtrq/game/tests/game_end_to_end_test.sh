#!/usr/bin/env bash
# wtrq with real mouse and key events in a virtual display: Begin, a right click opens the
# build menu, an office is bought, a worker hired into it, Escape goes back to the menu and
# Quit ends with status 0 and no scratch file left. SHOT_DIR=folder keeps the screenshots.
# Arguments: the wtrq program and the game data folder (the one holding data/).
set -uo pipefail
wtrq=$(realpath "$1")
data=$(realpath "$2")
source "$(dirname "${BASH_SOURCE[0]}")/../../scoreboard/tests/end_to_end_helpers.sh"

# The colour of a window pixel as "r g b".
pixel() { # x y
  local file=$work/probe.png
  grab "$file" && $py -c "
import sys
from PIL import Image
print(*Image.open(sys.argv[1]).convert('RGB').getpixel((int(sys.argv[2]), int(sys.argv[3]))))" "$file" "$1" "$2"
}
# Moves the pointer inside the window, lets a frame show what it hovers, then clicks.
# The game reads the pointer's current place when it handles a click, so each click is given
# time to be handled before the pointer moves on (sanitizer builds are several times slower).
click_at() { # x y button
  xdotool mousemove --window "$window" "$1" "$2"
  sleep 0.5
  xdotool click "${3:-1}"
  sleep 1
}
# Waits until a pixel shows a colour (the game's own panel red, for instance).
wait_for_pixel() { # x y "r g b"
  for _ in $(seq 1 50); do
    [[ $(pixel "$1" "$2") == "$3" ]] && return 0
    sleep 0.2
  done
  return 1
}

# The map is new in every game, and an obstacle may stand on any tile; a click on one leaves
# the office still to be placed. So the office goes on the first of a few tiles where the click
# buys it, which the money shown tells. All of them leave room for the info panel beside them.
# Sets $office_x and $office_y, the middle of the office on the screen.
place_office() {
  local tile tx ty before=$work/money-before.png after=$work/money-after.png
  for tile in "10 7" "7 7" "4 7" "10 4" "7 4" "4 4" "10 1" "7 1"; do
    read -r tx ty <<<"$tile"
    office_x=$((32 * tx + 16)) office_y=$((32 + 32 * ty + 16))
    grab "$before"
    click_at "$office_x" "$office_y"
    grab "$after"
    [[ $(changed_pixels "$before" "$after" 208 4 70 22) != 0 ]] && { echo "office on tile $tx,$ty"; return 0; }
  done
  return 1
}

cd "$work/elsewhere"
WTRQ_DATA=$data "$wtrq" 2>"$work/stderr.txt" &
pid=$!
started+=("$pid")
if find_window; then
  sleep 0.5
  xdotool key --clearmodifiers space   # ends the intro
  sleep 1.5
  xdotool key --clearmodifiers Return  # Begin
  sleep 2.5
  grab "$shots/game-start.png"
  click_at 100 100 3
  wait_for_pixel 100 100 "200 0 0" || fail "no build menu where the right click was"
  xdotool mousemove --window "$window" 200 $((100 + 14))
  sleep 0.5
  grab "$shots/game-build-menu.png"
  click_at 200 $((100 + 14))            # Build office
  place_office || fail "the office was bought on none of the tiles tried"
  click_at 300 250 3
  click_at 400 $((250 + 158))           # Hire worker
  click_at "$office_x" "$office_y"
  sleep 0.5
  grab "$shots/game-hired.png"
  click_at 300 250 3                    # closes the menu
  click_at "$office_x" "$office_y"
  sleep 0.5
  grab "$shots/game-info-panel.png"
  # The panel opens one tile right of the office and two below its top row.
  wait_for_pixel $((office_x + 16 + 8)) $((office_y - 48 + 64 + 132)) "128 0 0" ||
    fail "no info panel beside the office"
  xdotool key --clearmodifiers Escape
  sleep 1.5
  grab "$shots/menu-after-game.png"
  xdotool key --clearmodifiers Down
  sleep 0.4
  xdotool key --clearmodifiers Down
  sleep 0.4
  xdotool key --clearmodifiers Return
fi
exit_status_of "$pid" "wtrq after Quit"; status=$?
[[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
[[ -z $(ls -A "$work/elsewhere") ]] || fail "files left in the working directory"
exit $((failures > 0))
