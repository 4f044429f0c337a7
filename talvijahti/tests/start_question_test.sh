#!/usr/bin/env bash
# End to end: without options the game asks about full screen; answering "no" with the
# keyboard opens the 800 x 600 window captioned Talvijahti, answering "yes" (K for kyllä) plays
# full screen under the engine's own caption, Orbo2d App.
set -euo pipefail
game=$1
cd "$(mktemp -d)"
pid=""
# SIGKILL: a game that ignores window-close requests may ignore a polite end too.
trap '[[ -n "$pid" ]] && kill -9 $pid 2>/dev/null; true' EXIT

wait_for_window() {  # wait_for_window <name> <width>: the id of a visible window of that name and width
  local info
  for _ in $(seq 600); do
    for w in $(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null); do
      # Read all of xwininfo first: grep -q closing the pipe early would fail it under pipefail.
      info=$(xwininfo -id "$w" 2>/dev/null || true)
      if grep -q "Width: $2\$" <<<"$info"; then echo "$w"; return 0; fi
    done
    sleep 0.1
  done
  return 1
}

# answer <key> <caption>: starts the game, answers the question with the key and waits for
# the 800 x 600 game window with that caption.
answer() {
  "$game" &
  pid=$!
  local question game_window info
  question=$(wait_for_window Talvijahti 380) || { echo "the question window never appeared" >&2; exit 1; }
  # A key sent before the dialog reads its events is lost: repeat until the dialog is gone.
  for _ in $(seq 50); do
    xwininfo -id "$question" >/dev/null 2>&1 || break
    xdotool key --window "$question" "$1" 2>/dev/null || true
    sleep 0.3
  done
  game_window=$(wait_for_window "$2" 800) || { echo "no 800-pixel window \"$2\" after answering $1" >&2; exit 1; }
  info=$(xwininfo -id "$game_window")
  grep -q "Height: 600$" <<<"$info" || { echo "the game window is not 600 high" >&2; exit 1; }
  kill -9 "$pid" 2>/dev/null || true
  wait "$pid" 2>/dev/null || true
  pid=""
}

answer e Talvijahti
answer k "Orbo2d App"
echo "start question: answered no, got the Talvijahti window; answered yes, got Orbo2d App full screen"
