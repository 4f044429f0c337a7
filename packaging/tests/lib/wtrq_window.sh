# Drives wtrq copies in a virtual X server with real key presses; sourced, not run.
#   wtrq_window PID            waits for the WTRQ window of that process; prints its id
#   wtrq_focus WINDOW          raises the window and gives it the keyboard focus
#   wtrq_press WINDOW PID KEY  presses KEY in the window until what it shows changes
#   wtrq_quit_from_menu WINDOW PID   intro, main menu, Down twice to Quit, Return
#   wtrq_wait PID [SECONDS]    waits for the process to end; sets wtrq_status
# Keys are real keyboard events (XTEST), which the X server hands to the focused window, so
# with several copies on the screen each press goes to the copy just focused and no other.

wtrq_window() {
  local id=""
  # Visible only: SDL may make and replace windows of the same name while starting, so the
  # newest visible one is taken. Each search is short and made again: a copy that dies
  # meanwhile ends the wait at once, and one failed search does not end it.
  # --all: xdotool otherwise takes a window matching any one of the conditions, and every
  # copy's window has the name.
  for _ in $(seq 1 60); do
    kill -0 "$1" 2>/dev/null || return 1
    timeout 1 xdotool search --all --sync --onlyvisible --pid "$1" --name '^WTRQ$' >/dev/null 2>&1 && break
    sleep 0.2
  done
  sleep 0.3
  kill -0 "$1" 2>/dev/null || return 1
  id=$(xdotool search --all --onlyvisible --pid "$1" --name '^WTRQ$' 2>/dev/null | tail -n1)
  [[ -n $id ]] || return 1
  echo "$id"
}

# The virtual server runs no window manager, so activating (which asks one) fails there and
# the focus is set directly. Raised too: the picture is read from the screen, where another
# copy's window may cover it.
wtrq_focus() {
  xdotool windowraise "$1" 2>/dev/null || return 1
  if ! xdotool windowactivate --sync "$1" 2>/dev/null; then
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || return 1
  fi
  [[ $(xdotool getwindowfocus 2>/dev/null) == "$1" ]]
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

# A loaded machine may miss a press made while the program still loads a screen, so a press
# is repeated; but only after the program has had seconds to show the last one, since the
# menu wraps round and one press too many would pick the wrong item.
wtrq_press() {
  local before
  wtrq_focus "$1" || { echo "the WTRQ window $1 could not take the focus" >&2; return 1; }
  sleep 0.3
  before=$(wtrq_screen_sum "$1")
  for _ in $(seq 1 6); do
    kill -0 "$2" 2>/dev/null || { echo "wtrq ended while waiting for $3" >&2; return 1; }
    wtrq_focus "$1" || { echo "the WTRQ window $1 lost the focus" >&2; return 1; }
    xdotool key --clearmodifiers "$3"
    for _ in $(seq 1 20); do
      sleep 0.25
      [[ $(wtrq_screen_sum "$1") != "$before" ]] && return 0
    done
  done
  return 1
}

# Return on Quit ends the program. A lost press is repeated only while the window is still
# there: once it is gone, the focus falls back to the root and a stray key would reach
# whichever window lies under the pointer, another copy's perhaps.
wtrq_quit_from_menu() {
  wtrq_press "$1" "$2" space || { echo "the intro did not end on a key press" >&2; return 1; }
  sleep 0.5
  wtrq_press "$1" "$2" Down || { echo "Down did not move the menu highlight" >&2; return 1; }
  wtrq_press "$1" "$2" Down || { echo "the second Down did not move the menu highlight" >&2; return 1; }
  for _ in $(seq 1 3); do
    wtrq_focus "$1" || return 0  # the window went away: the program is ending
    xdotool key --clearmodifiers Return
    for _ in $(seq 1 40); do
      kill -0 "$2" 2>/dev/null || return 0
      sleep 0.25
    done
  done
  echo "Return on Quit did not end wtrq" >&2
  return 1
}

# Waits up to SECONDS (default 20) for the process to end; sets wtrq_status. A process still
# running then is killed.
wtrq_wait() {
  local tenths=$(( ${2:-20} * 10 ))
  for _ in $(seq 1 "$tenths"); do kill -0 "$1" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$1" 2>/dev/null; then kill -KILL "$1"; wait "$1" 2>/dev/null; return 1; fi
  wtrq_status=0
  wait "$1" || wtrq_status=$?
}
