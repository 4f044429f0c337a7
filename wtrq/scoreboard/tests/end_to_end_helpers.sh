# Shared by wtrq's end-to-end scripts (sourced): a run's own scratch folder and environment in
# the virtual display, the WTRQ window, screenshots and their differences, key presses that wait
# for the screen to answer, a real wtrq-scores on a free loopback port, and the board's name and
# YES. It lives with the score board, the lowest of the pieces whose scripts use it.
#
# Sets $work (removed at exit, after every process listed in $started is ended), $shots
# (SHOT_DIR=folder keeps the screenshots for a look) and $failures; start_score_server sets
# $server, $page and $server_pid; find_window sets $window.
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
py=/usr/bin/python3

work=$(mktemp -d)
started=()
end_started() {
  local pid
  for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$work"
}
trap end_started EXIT

export SDL_AUDIODRIVER=dummy
# Under the sanitizers the X11 libraries SDL loads at start and unloads at shut-down leave leak
# reports without module names, which no suppression can match. The unit tests run the same
# start-up and shut-down on SDL's dummy driver with leak checking on.
export ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0
# Nothing of the user's (settings, scores, scratch files) is read or left behind.
export XDG_RUNTIME_DIR=$work/run XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/share
mkdir -p "$XDG_RUNTIME_DIR" "$work/elsewhere"
unset SDL_VIDEODRIVER
shots=${SHOT_DIR:-$work/shots}
mkdir -p "$shots"

# Drops a process from $started once it has been waited for.
forget() { # pid
  local kept=() pid
  for pid in "${started[@]}"; do [[ $pid == "$1" ]] || kept+=("$pid"); done
  started=("${kept[@]}")
}

start_score_server() { # wtrq-scores program
  local port
  port=$($py -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
  "$1" --listen "127.0.0.1:$port" --db "$work/scores.db" 2>"$work/server.txt" &
  server_pid=$!
  started+=("$server_pid")
  page="http://127.0.0.1:$port/teamweb/wtrq/"
  server="127.0.0.1:$port"
  for _ in $(seq 1 100); do
    curl -sf --max-time 2 "${page}scores.json" >/dev/null && return 0
    sleep 0.1
  done
  fail "wtrq-scores did not start: $(cat "$work/server.txt")"
  return 1
}

find_window() {
  for _ in $(seq 1 150); do
    window=$(xdotool search --name '^WTRQ$' 2>/dev/null | head -n1)
    if [[ -n $window ]]; then
      xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus "$window" 2>/dev/null
      sleep 0.5
      return 0
    fi
    sleep 0.1
  done
  fail "no WTRQ window appeared"
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

# White pixels in a box of a screenshot.
white_in() { # file x y w h
  $py - "$@" <<'PY'
import sys
from PIL import Image
im = Image.open(sys.argv[1]).convert("RGB")
x, y, w, h = map(int, sys.argv[2:6])
print(sum(1 for p in im.crop((x, y, x + w, y + h)).getdata() if p == (255, 255, 255)))
PY
}

# Presses a key until the screen changes; a loaded machine may miss a press made while the
# program is still loading a screen. The screen after each press is kept among the shots.
press_until_changed() { # key process
  local before=$work/before.png after=$work/after.png
  grab "$before"
  for _ in $(seq 1 20); do
    xdotool key --clearmodifiers "$1"
    sleep 0.3
    grab "$after"
    cp "$after" "$shots/after-$1-$(date +%s%N).png" 2>/dev/null
    [[ $(changed_pixels "$before" "$after" 0 0 640 480) != 0 ]] && return 0
    kill -0 "$2" 2>/dev/null || return 0
  done
  return 1
}

# On the board's name line: "Elf Anna" with Shift for the capitals, then Return and YES; the
# server must store it and the board must show it as its one row, with no failure line.
enter_name_and_send() {
  local stored
  grab "$shots/board-name-entry.png"
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
  for _ in $(seq 1 100); do
    stored=$(curl -sf --max-time 2 "${page}scores.json")
    [[ $stored == *'"Elf Anna"'* ]] && break
    sleep 0.1
  done
  [[ $stored == *'"Elf Anna"'* ]] || fail "the server did not store Elf Anna: $stored ($(cat "$work/server.txt"))"
  sleep 1
  grab "$shots/board-results.png"
  [[ $(changed_pixels "$shots/board-name-entry.png" "$shots/board-results.png" 330 75 300 20) -gt 20 ]] ||
    fail "the board shows no first row"
  [[ $(changed_pixels "$shots/board-name-entry.png" "$shots/board-results.png" 330 95 300 20) == 0 ]] ||
    fail "the board shows more rows than the server holds"
  [[ $(white_in "$shots/board-results.png" 40 370 200 18) == 0 ]] || fail "the board shows a failure line"
}

# Waits up to ten seconds for a process to end; returns its exit status, or fails (and ends it).
exit_status_of() { # pid what
  local status
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then
    fail "$2 still running"
    kill "$1"
  fi
  wait "$1"
  status=$?
  forget "$1"
  return $status
}
