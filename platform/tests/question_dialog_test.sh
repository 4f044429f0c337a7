#!/usr/bin/env bash
# The start-up question can be answered with the keyboard and with the mouse in a real window.
set -euo pipefail
asker=$1

ask() {  # ask <xdotool actions...>: starts the dialog, acts on it, prints its answer
  local out
  out=$(mktemp)
  "$asker" >"$out" &
  local pid=$!
  local win=""
  for _ in $(seq 300); do
    win=$(xdotool search --onlyvisible --name '^Talvijahti$' 2>/dev/null | head -n1 || true)
    [[ -n "$win" ]] && break
    sleep 0.1
  done
  [[ -n "$win" ]] || { echo "the question window never appeared (the dialog said: $(cat "$out"))" >&2; kill $pid 2>/dev/null; return 1; }
  # Input sent before the dialog reads its events can be lost on a busy machine: act
  # again until the dialog has answered.
  sleep 1.5
  for _ in $(seq 10); do
    "$@" "$win" 2>/dev/null || true
    for _ in $(seq 30); do
      kill -0 $pid 2>/dev/null || break 2
      sleep 0.1
    done
  done
  kill $pid 2>/dev/null || true
  wait $pid || true
  cat "$out"
  rm -f "$out"
}

key() { local k=$1 win=$2; xdotool key --window "$win" "$k"; }
click() {  # clicks at a point of the window, in window coordinates
  local x=$1 y=$2 win=$3
  xdotool mousemove --window "$win" "$x" "$y" sleep 0.2 mousedown 1 sleep 0.1 mouseup 1
}

check() { [[ "$1" == "$2" ]] || { echo "expected '$2', got '$1' ($3)" >&2; exit 1; }; }

check "$(ask key k)" yes "K answers yes"
check "$(ask key n)" no "N answers no"
check "$(ask key Return)" yes "Enter takes the focused button, yes at first"
check "$(ask bash -c 'xdotool key --window "$0" Tab Return')" no "Tab moves the focus to no"
check "$(ask key Escape)" no "Escape answers no"
# The buttons are 96 x 28, centred 12 pixels apart, 14 pixels above the bottom of the 380 x 130 window.
check "$(ask click 240 102)" no "a click on Ei"
check "$(ask click 140 102)" yes "a click on Kyllä"
echo "question dialog: all answers as expected"
