#!/usr/bin/env bash
# End to end: the game starts windowed on its menu, the real mouse moves onto the quit
# button and clicks, and the program ends with status 0 and an empty stdout.txt.
set -euo pipefail
game=$1
work=$(mktemp -d)
trap 'kill -9 $pid 2>/dev/null || true; rm -rf "$work"' EXIT
pid=
# Started from an unrelated folder: the game must find its data by itself.
cd "$work"
"$game" --windowed &
pid=$!

win=""
for _ in $(seq 150); do
  win=$(xdotool search --name '^Talvijahti$' 2>/dev/null | head -n1 || true)
  [[ -n "$win" ]] && break
  kill -0 $pid 2>/dev/null || { echo "the game ended before its window appeared" >&2; exit 1; }
  sleep 0.1
done
[[ -n "$win" ]] || { echo "no window titled Talvijahti appeared" >&2; kill $pid; exit 1; }
sleep 1

# The quit button's hit box is 272..528 x 320..408 in window pixels; press in its middle.
xdotool mousemove --window "$win" 400 364 sleep 0.3 mousedown 1 sleep 0.2 mouseup 1

for _ in $(seq 100); do
  kill -0 $pid 2>/dev/null || break
  sleep 0.1
done
if kill -0 $pid 2>/dev/null; then
  echo "the game did not quit after the click on the quit button" >&2
  kill $pid
  exit 1
fi
wait $pid
status=$?
[[ $status -eq 0 ]] || { echo "the game ended with status $status" >&2; exit 1; }
echo "quit by mouse: the game ended with status 0"
