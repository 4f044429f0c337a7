#!/usr/bin/env bash
# How much processor time wtrq's main menu takes: starts the program in a virtual display,
# passes the intro with a key press, then reads the process's CPU time over a number of
# seconds on the menu. Prints the share of one core in percent.
# Usage: bash scripts/with-display.sh bash wtrq/app/bench/menu_cpu_use.sh PROGRAM [SECONDS]
set -euo pipefail
program=$1
seconds=${2:-10}
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
unset SDL_VIDEODRIVER
"$program" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
for _ in $(seq 1 150); do
  window=$(xdotool search --name '^WTRQ$' 2>/dev/null | head -n1) && [[ -n $window ]] && break
  sleep 0.1
done
xdotool key space
sleep 2
ticks() { awk '{ print $14 + $15 }' "/proc/$pid/stat"; }  # user + system, in clock ticks
before=$(ticks)
sleep "$seconds"
after=$(ticks)
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$seconds" 'BEGIN { printf "menu CPU use: %.1f%% of one core over %d s\n", 100 * t / hz / s, s }'
