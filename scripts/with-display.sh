#!/usr/bin/env bash
# Runs a command inside a fresh virtual X server with Mesa's software OpenGL, so window
# tests never depend on (or disturb) a real desktop. The server picks its own free display
# number (-displayfd), so tests running side by side never race for one.
set -euo pipefail
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}

fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
server=$!
cleanup() {
  kill "$server" 2>/dev/null || true
  wait "$server" 2>/dev/null || true
  rm -rf "$fifo_dir"
}
trap cleanup EXIT

if ! read -r -t 30 number <"$fifo_dir/display"; then
  echo "with-display: the virtual X server did not start" >&2
  cat "$fifo_dir/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$number"
status=0
"$@" || status=$?
exit $status
