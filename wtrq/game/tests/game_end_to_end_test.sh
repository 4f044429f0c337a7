#!/usr/bin/env bash
# wtrq with real mouse and key events in a virtual display: Begin, a right click opens the
# build menu, an office is bought, a worker hired into it, Escape goes back to the menu and
# Quit ends with status 0 and no scratch file left. SHOT_DIR=folder keeps the screenshots.
# Arguments: the wtrq program and the game data folder (the one holding data/).
set -uo pipefail
wtrq=$1
data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export SDL_AUDIODRIVER=dummy
# Under the sanitizers the X11 libraries SDL unloads at shut-down leave leak reports without
# module names, which no suppression can match; the unit tests check leaks on the dummy driver.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" "$work/elsewhere"
unset SDL_VIDEODRIVER
shots=${SHOT_DIR:-$work/shots}
mkdir -p "$shots"

find_window() {
  local id
  for _ in $(seq 1 150); do
    id=$(xdotool search --name '^WTRQ$' 2>/dev/null | head -n1)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}
grab() { # file
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 1
  /usr/bin/python3 - "$1" "$X" "$Y" <<'PY'
import sys
from PIL import ImageGrab
path, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
ImageGrab.grab(bbox=(x, y, x + 640, y + 480), xdisplay=None).save(path)
PY
}
# The colour of a window pixel as "r g b".
pixel() { # x y
  local file=$work/probe.png
  grab "$file" && /usr/bin/python3 -c "
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

cd "$work/elsewhere"
WTRQ_DATA=$data "$wtrq" 2>"$work/stderr.txt" &
pid=$!
if window=$(find_window); then
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
  sleep 1
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
  click_at $((32 * 10 + 16)) $((32 * 8 + 16))
  sleep 0.3
  click_at 300 250 3
  click_at 400 $((250 + 158))           # Hire worker
  click_at $((32 * 10 + 16)) $((32 * 8 + 16))
  sleep 0.5
  grab "$shots/game-hired.png"
  click_at 300 250 3                    # closes the menu
  click_at $((32 * 10 + 16)) $((32 * 8 + 16))
  sleep 0.5
  grab "$shots/game-info-panel.png"
  wait_for_pixel 360 $((32 * 10 + 100)) "128 0 0" || fail "no info panel beside the office"
  xdotool key --clearmodifiers Escape
  sleep 1.5
  grab "$shots/menu-after-game.png"
  xdotool key --clearmodifiers Down
  sleep 0.4
  xdotool key --clearmodifiers Down
  sleep 0.4
  xdotool key --clearmodifiers Return
else
  fail "no WTRQ window appeared"
fi
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  fail "wtrq still running after Quit"
  kill "$pid"
fi
wait "$pid"; status=$?
[[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
[[ -z $(ls -A "$work/elsewhere") ]] || fail "files left in the working directory"
exit $((failures > 0))
