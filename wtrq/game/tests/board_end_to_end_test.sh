#!/usr/bin/env bash
# A three-second game under a virtual display against a real wtrq-scores on loopback: the
# board takes a name typed on the keyboard, YES sends it, the fetched row is drawn, the server
# has stored it, and Escape and Quit end the program with status 0.
# Arguments: the wtrq program, the game data folder and the wtrq-scores program.
set -uo pipefail
wtrq=$1
data=$2
server=$3
work=$(mktemp -d)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export SDL_AUDIODRIVER=dummy
# Under the sanitizers the X11 libraries SDL unloads at shut-down leave leak reports without
# module names, which no suppression can match; the unit tests check leaks on the dummy driver.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
export XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$work/config
mkdir -p "$XDG_RUNTIME_DIR" "$work/elsewhere"
unset SDL_VIDEODRIVER
shots=${SHOT_DIR:-$work/shots}
mkdir -p "$shots"

port=$((20000 + RANDOM % 20000))
"$server" --listen 127.0.0.1:$port --db "$work/scores.db" 2>"$work/server.txt" &
server_pid=$!
trap 'kill "$server_pid" 2>/dev/null; wait "$server_pid" 2>/dev/null; rm -rf "$work"' EXIT
export WTRQ_SCORE_SERVER=127.0.0.1:$port
export WTRQ_SCORE_PAGE=http://127.0.0.1:$port/teamweb/wtrq/

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
# White pixels in a box of a screenshot.
white_in() { # file x y w h
  /usr/bin/python3 -c "
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert('RGB')
x, y, w, h = map(int, sys.argv[2:6])
print(sum(1 for i in range(x, x + w) for j in range(y, y + h) if im.getpixel((i, j)) == (255, 255, 255)))" "$@"
}

cd "$work/elsewhere"
WTRQ_DATA=$data "$wtrq" --game-seconds 3 2>"$work/stderr.txt" &
pid=$!
if window=$(find_window); then
  xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
  sleep 1
  xdotool key --clearmodifiers space   # ends the intro
  sleep 1.5
  xdotool key --clearmodifiers Return  # Begin
  sleep 6                              # three seconds of play, then the board
  grab "$shots/board-name.png"
  xdotool type --delay 150 "Elf 7"
  sleep 0.5
  grab "$shots/board-typed.png"
  xdotool key --clearmodifiers Return
  sleep 0.5
  xdotool key --clearmodifiers Return  # YES
  sleep 3
  grab "$shots/board-results.png"
  rows=$(white_in "$shots/board-results.png" 330 75 280 18)
  (( rows > 20 )) || fail "no row drawn on the board ($rows white pixels)"
  failed=$(white_in "$shots/board-results.png" 40 370 200 18)
  (( failed == 0 )) || fail "the board shows a failure line"
  xdotool key --clearmodifiers Escape
  sleep 1.5
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
page=$(/usr/bin/python3 -c "
import sys, urllib.request
print(urllib.request.urlopen(sys.argv[1], timeout=5).read().decode())" "$WTRQ_SCORE_PAGE" 2>&1)
grep -q "Elf 7" <<<"$page" || fail "the score page does not list the typed name"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
exit $((failures > 0))
