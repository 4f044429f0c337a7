#!/usr/bin/env bash
# wtrq with real key presses in a virtual display: start, any key, Down twice, Return ends
# the program with status 0 and no scratch file; without "data/gui.pjw" the program reports
# the two lines of the failure and ends with status 1.
# Arguments: the wtrq program and the game data folder (the one holding data/).
set -uo pipefail
wtrq=$1

data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR" "$work/elsewhere"
unset SDL_VIDEODRIVER
# Under the sanitizers: the X11 libraries SDL loads at start and unloads at shut-down leave
# leak reports without module names, which no suppression can match. The unit tests run the
# same start-up and shut-down on SDL's dummy driver with leak checking on.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0

# Waits for a window captioned WTRQ; prints its id.
find_window() {
  local id
  for _ in $(seq 1 150); do
    id=$(xdotool search --name '^WTRQ$' 2>/dev/null | head -n1)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

# Presses a key until the screen changes from what it showed before; a loaded machine may
# miss a press made while the program is still loading a screen.
# SHOT_DIR=folder keeps a screenshot of the window after every press, for a look.
shots=${SHOT_DIR:-$work/shots}
mkdir -p "$shots"
grab() { # file
  eval "$(xdotool getwindowgeometry --shell "$window" 2>/dev/null)" || return 1
  /usr/bin/python3 - "$1" "$X" "$Y" <<'PY'
import sys
from PIL import ImageGrab
path, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
ImageGrab.grab(bbox=(x, y, x + 640, y + 480), xdisplay=None).save(path)
PY
}
screen_sum() {
  local file
  file=$shots/shot-$(date +%s%N).png  # runs in a subshell, so no counter survives it
  grab "$file" 2>/dev/null && md5sum <"$file"
}
press_until_changed() { # key
  local before
  before=$(screen_sum)
  for _ in $(seq 1 20); do
    xdotool key --clearmodifiers "$1"
    sleep 0.3
    [[ $(screen_sum) != "$before" ]] && return 0
    kill -0 "$pid" 2>/dev/null || return 0
  done
  return 1
}

# 1. A normal game session from another working directory, quitting from the menu.
cd "$work/elsewhere"
WTRQ_DATA=$data "$wtrq" 2>"$work/stderr.txt" &
pid=$!
if window=$(find_window); then
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
  sleep 0.5
  press_until_changed space || fail "the intro did not end on a key press"
  sleep 0.5
  press_until_changed Down || fail "Down did not move the menu highlight"
  press_until_changed Down || fail "the second Down did not move the menu highlight"
  xdotool key --clearmodifiers Return
else
  fail "no WTRQ window appeared"
fi
status=0
for _ in $(seq 1 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$pid" 2>/dev/null; then
  fail "wtrq still running after Quit"
  kill "$pid"
fi
wait "$pid"; status=$?
[[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
[[ -z $(ls -A "$work/elsewhere") ]] || fail "files left in the working directory"

# 2. Game data without "data/gui.pjw".
mkdir -p "$work/broken/data"
cp "$data/data/sounds.pjw" "$work/broken/data/"
WTRQ_DATA=$work/broken timeout 30 "$wtrq" >"$work/stdout.txt" 2>"$work/stderr.txt"
status=$?
[[ $status == 1 ]] || fail "status $status with data/gui.pjw missing"
expected=$'Failed to load file "data/gui.pjw".\nRead-mode opening failed.'
grep -qxF 'Failed to load file "data/gui.pjw".' "$work/stderr.txt" &&
  grep -qxF 'Read-mode opening failed.' "$work/stderr.txt" &&
  [[ $(grep -A1 -xF 'Failed to load file "data/gui.pjw".' "$work/stderr.txt") == "$expected" ]] ||
  fail "with data/gui.pjw missing, standard error said: $(cat "$work/stderr.txt")"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left after the failure"

exit $((failures > 0))
