# Helpers for end-to-end tests of talvijahti inside a virtual X server; sourced, not run.
#   start_game PROGRAM [ARGS...]  starts the game in a scratch folder (it must find its data
#                                 by itself); sets pid, and win to its visible 800-wide window
#   click_at X Y                  presses and releases the left button at a window point
#   wait_for_exit [SECONDS]       waits for the game to end; sets status, fails on time-out
# The caller's EXIT trap should run stop_game.

pid=""
win=""
status=""
scratch=$(mktemp -d)

stop_game() {
  # SIGKILL: a game that ignores window-close requests may ignore a polite end too.
  [[ -n "$pid" ]] && kill -KILL "$pid" 2>/dev/null
  rm -rf "$scratch"
  return 0
}

start_game() {
  (cd "$scratch" && exec "$@") &
  pid=$!
  local info
  for _ in $(seq 300); do
    kill -0 "$pid" 2>/dev/null || { echo "the game ended before its window appeared" >&2; return 1; }
    # Visible and 800 wide: SDL may create and replace windows of the same name while starting.
    for candidate in $(xdotool search --onlyvisible --name '^Talvijahti$' 2>/dev/null); do
      info=$(xwininfo -id "$candidate" 2>/dev/null || true)
      if grep -q 'Width: 800$' <<<"$info"; then win=$candidate; sleep 1; return 0; fi
    done
    sleep 0.1
  done
  echo "no 800-pixel window titled Talvijahti appeared" >&2
  return 1
}

click_at() {
  xdotool mousemove --window "$win" "$1" "$2" sleep 0.3 mousedown 1 sleep 0.2 mouseup 1
}

wait_for_exit() {
  local tenths=$(( ${1:-10} * 10 ))
  for _ in $(seq "$tenths"); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 "$pid" 2>/dev/null; then
    echo "the game is still running" >&2
    return 1
  fi
  status=0
  wait "$pid" || status=$?
  pid=""
}
