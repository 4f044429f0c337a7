# Drives wtrq copies in a virtual X server with real key presses; sourced, not run.
#   wtrq_window PID            waits for the WTRQ window of that process; prints its id
#   wtrq_press WINDOW PID KEY  presses KEY in the window until what it shows changes
#   wtrq_quit_from_menu WINDOW PID   intro, main menu, Down twice to Quit, Return

wtrq_window() {
  local id
  for _ in $(seq 1 200); do
    kill -0 "$1" 2>/dev/null || return 1
    # Visible only: SDL may make and replace windows of the same name while starting.
    id=$(xdotool search --onlyvisible --pid "$1" --name '^WTRQ$' 2>/dev/null | tail -n1)
    if [[ -n $id ]]; then echo "$id"; return 0; fi
    sleep 0.1
  done
  return 1
}

wtrq_screen_sum() {
  local X="" Y=""
  eval "$(xdotool getwindowgeometry --shell "$1" 2>/dev/null)"
  [[ -n $X && -n $Y ]] || return 1
  /usr/bin/python3 - "$X" "$Y" <<'PY'
import hashlib, sys
from PIL import ImageGrab
x, y = int(sys.argv[1]), int(sys.argv[2])
print(hashlib.md5(ImageGrab.grab(bbox=(x, y, x + 640, y + 480)).tobytes()).hexdigest())
PY
}

# A loaded machine may miss a press made while the program still loads a screen; two copies
# starting together load slowly, so keep pressing for up to half a minute.
# The window is raised first: the picture is read from the screen, where another copy's
# window may cover it.
wtrq_press() {
  local before
  xdotool windowraise "$1" 2>/dev/null
  sleep 0.2
  before=$(wtrq_screen_sum "$1")
  for _ in $(seq 1 60); do
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null
    xdotool key --clearmodifiers "$3"
    sleep 0.3
    [[ $(wtrq_screen_sum "$1") != "$before" ]] && return 0
    kill -0 "$2" 2>/dev/null || return 0
  done
  return 1
}

wtrq_quit_from_menu() {
  wtrq_press "$1" "$2" space || { echo "the intro did not end on a key press" >&2; return 1; }
  sleep 0.5
  wtrq_press "$1" "$2" Down || { echo "Down did not move the menu highlight" >&2; return 1; }
  wtrq_press "$1" "$2" Down || { echo "the second Down did not move the menu highlight" >&2; return 1; }
  xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus "$1" 2>/dev/null
  xdotool key --clearmodifiers Return
}

# Waits up to ten seconds for the process to end; sets wtrq_status.
wtrq_wait() {
  for _ in $(seq 1 100); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then kill -KILL "$1"; wait "$1" 2>/dev/null; return 1; fi
  wtrq_status=0
  wait "$1" || wtrq_status=$?
}
