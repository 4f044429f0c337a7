#!/usr/bin/env bash
# A short real game in a virtual display against a real wtrq-scores on a free loopback port:
# the time runs out, a name is typed with real key presses, YES sends it, and the board shows
# the row the server stored; Escape then returns to the menu, Quit ends the program with status
# 0, the score page lists the name and no scratch file is left.
# Arguments: the wtrq program, the game data folder (holding data/) and the wtrq-scores program.
# SHOT_DIR=folder keeps the screenshots for a look.
set -uo pipefail
wtrq=$(realpath "$1")
data=$(realpath "$2")
scores=$(realpath "$3")
source "$(dirname "${BASH_SOURCE[0]}")/../../scoreboard/tests/end_to_end_helpers.sh"

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

start_score_server "$scores" || exit 1
cd "$work/elsewhere"
WTRQ_DATA=$data WTRQ_SCORE_SERVER=$server WTRQ_SCORE_PAGE=$page \
  "$wtrq" --game-seconds 3 2>"$work/stderr.txt" &
game_pid=$!
started+=("$game_pid")
find_window || exit 1
press_until_changed space "$game_pid" || fail "the intro did not end on a key press"
sleep 0.5
press_until_changed Return "$game_pid" || fail "Begin did not start a game"
sleep 3.5
wait_for_still_frame || fail "the frame never held still after the game's time"
enter_name_and_send

press_until_changed Escape "$game_pid" || fail "Escape did not leave the board"
kill -0 "$game_pid" 2>/dev/null || fail "the program ended on Escape instead of returning to the menu"
sleep 0.5
press_until_changed Down "$game_pid" || fail "Down did not move the menu highlight"
press_until_changed Down "$game_pid" || fail "the second Down did not move the menu highlight"
xdotool key --clearmodifiers Return
exit_status_of "$game_pid" "wtrq after Quit"; status=$?
[[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
[[ $(curl -sf --max-time 5 "$page") == *"Elf Anna"* ]] || fail "the score page does not list the typed name"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
[[ -z $(ls -A "$work/elsewhere") ]] || fail "files left in the working directory"
exit $((failures > 0))
