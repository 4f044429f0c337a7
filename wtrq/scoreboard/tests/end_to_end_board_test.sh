#!/usr/bin/env bash
# A short real game in a virtual display against a real wtrq-scores on a free loopback port:
# the time runs out, a name is typed with real key presses, YES sends it, and the board shows
# the row the server stored; Escape then returns to the menu and Quit ends the program.
# Arguments: the wtrq program, the wtrq-scores program, the game data folder (holding data/).
# SHOT_DIR=folder keeps the screenshots for a look.
set -uo pipefail
wtrq=$(realpath "$1")
scores=$(realpath "$2")
data=$(realpath "$3")
work=$(mktemp -d)
server_pid=
game_pid=
cleanup() {
  [[ -n $game_pid ]] && kill "$game_pid" 2>/dev/null
  [[ -n $server_pid ]] && kill "$server_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
export SDL_AUDIODRIVER=dummy
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share
mkdir -p "$XDG_RUNTIME_DIR" "$work/elsewhere"
unset SDL_VIDEODRIVER
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
shots=${SHOT_DIR:-$work/shots}
mkdir -p "$shots"
py=/usr/bin/python3

port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
"$scores" --listen "127.0.0.1:$port" --db "$work/scores.db" 2>"$work/server.txt" &
server_pid=$!
page="http://127.0.0.1:$port/teamweb/wtrq/"
for _ in $(seq 1 100); do
  curl -sf --max-time 2 "${page}scores.json" >/dev/null && break
  sleep 0.1
done
curl -sf --max-time 2 "${page}scores.json" >/dev/null || { fail "wtrq-scores did not start: $(cat "$work/server.txt")"; exit 1; }

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
  $py - "$1" "$X" "$Y" <<'PY'
import sys
from PIL import ImageGrab
path, x, y = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
ImageGrab.grab(bbox=(x, y, x + 640, y + 480), xdisplay=None).save(path)
PY
}
# How many pixels of the box differ between two screenshots.
changed_pixels() { # before after x y w h
  $py - "$@" <<'PY'
import sys
from PIL import Image, ImageChops
a, b = Image.open(sys.argv[1]).convert("RGB"), Image.open(sys.argv[2]).convert("RGB")
x, y, w, h = map(int, sys.argv[3:7])
box = (x, y, x + w, y + h)
diff = ImageChops.difference(a.crop(box), b.crop(box))
print(sum(1 for p in diff.getdata() if p != (0, 0, 0)))
PY
}
press_until_changed() { # key
  local before=$work/before.png after=$work/after.png
  grab "$before"
  for _ in $(seq 1 20); do
    xdotool key --clearmodifiers "$1"
    sleep 0.3
    grab "$after"
    [[ $(changed_pixels "$before" "$after" 0 0 640 480) != 0 ]] && return 0
    kill -0 "$game_pid" 2>/dev/null || return 0
  done
  return 1
}
# The board is up once the frame holds still for over a second after the game's time is over
# (the game's clock line changes every second).
wait_for_still_frame() {
  local previous=$work/still-a.png current=$work/still-b.png
  grab "$previous"
  for _ in $(seq 1 30); do
    sleep 1.2
    grab "$current"
    [[ $(changed_pixels "$previous" "$current" 0 0 640 480) == 0 ]] && return 0
    cp "$current" "$previous"
  done
  return 1
}

cd "$work/elsewhere"
WTRQ_DATA=$data WTRQ_SCORE_SERVER=127.0.0.1:$port WTRQ_SCORE_PAGE=$page \
  "$wtrq" --game-seconds 3 2>"$work/stderr.txt" &
game_pid=$!
window=$(find_window) || { fail "no WTRQ window appeared"; exit 1; }
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
sleep 0.5
press_until_changed space || fail "the intro did not end on a key press"
sleep 0.5
press_until_changed Return || fail "Begin did not start a game"
sleep 3.5
wait_for_still_frame || fail "the frame never held still after the game's time"
grab "$shots/board-name-entry.png"

# Shift for the capitals, the space bar between the words.
for key in shift+e l f space shift+a n n a; do
  xdotool key "$key"
  sleep 0.05
done
sleep 0.5
grab "$shots/board-name-typed.png"
[[ $(changed_pixels "$shots/board-name-entry.png" "$shots/board-name-typed.png" 40 370 200 20) != 0 ]] ||
  fail "the typed name did not appear on the name line"
xdotool key Return
sleep 0.5
xdotool key Return
stored=
for _ in $(seq 1 100); do
  stored=$(curl -sf --max-time 2 "${page}scores.json")
  [[ $stored == *'Elf Anna'* ]] && break
  sleep 0.1
done
[[ $stored == *'"Elf Anna"'* ]] || fail "the server did not store Elf Anna: $stored ($(cat "$work/server.txt"))"
sleep 1
grab "$shots/board-results.png"
[[ $(changed_pixels "$shots/board-name-entry.png" "$shots/board-results.png" 330 75 300 20) -gt 20 ]] ||
  fail "the board shows no first row"
[[ $(changed_pixels "$shots/board-name-entry.png" "$shots/board-results.png" 330 95 300 20) == 0 ]] ||
  fail "the board shows more rows than the server holds"

press_until_changed Escape || fail "Escape did not leave the board"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended on Escape instead of returning to the menu"
sleep 0.5
press_until_changed Down || fail "Down did not move the menu highlight"
press_until_changed Down || fail "the second Down did not move the menu highlight"
xdotool key --clearmodifiers Return
for _ in $(seq 1 100); do kill -0 "$game_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$game_pid" 2>/dev/null; then
  fail "wtrq still running after Quit"
else
  wait "$game_pid"; status=$?
  game_pid=
  [[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
fi
exit $((failures > 0))
