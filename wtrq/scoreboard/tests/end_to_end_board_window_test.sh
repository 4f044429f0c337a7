#!/usr/bin/env bash
# The score board alone in a window (wtrq_scoreboard_window) against a real wtrq-scores on a
# free loopback port: a name typed with real key presses, YES, the stored row on the board,
# and Escape back to the caller ("menu"); then NO leaves without asking the server at all.
# Arguments: the board window program, the wtrq-scores program, the game data folder.
# SHOT_DIR=folder keeps the screenshots for a look.
set -uo pipefail
board=$(realpath "$1")
scores=$(realpath "$2")
data=$(realpath "$3")
source "$(dirname "${BASH_SOURCE[0]}")/end_to_end_helpers.sh"

start_score_server "$scores" || exit 1
export WTRQ_SCORE_SERVER=$server WTRQ_SCORE_PAGE=$page

"$board" "$data" 4321 >"$work/said.txt" 2>"$work/stderr.txt" &
board_pid=$!
started+=("$board_pid")
find_window || exit 1
enter_name_and_send
[[ $(curl -sf --max-time 2 "${page}scores.json") == *4321* ]] || fail "the server did not store the score 4321"
xdotool key Escape
exit_status_of "$board_pid" "the board after Escape"; status=$?
[[ $status == 0 && $(cat "$work/said.txt") == menu ]] ||
  fail "Escape ended with status $status and \"$(cat "$work/said.txt")\" ($(cat "$work/stderr.txt"))"

# NO: back to the caller, and the server never hears of it.
before=$(curl -sf --max-time 2 "${page}scores.json")
"$board" "$data" 99 >"$work/said.txt" 2>"$work/stderr.txt" &
board_pid=$!
started+=("$board_pid")
find_window || exit 1
for key in Return Down Return; do
  xdotool key "$key"
  sleep 0.3
done
exit_status_of "$board_pid" "the board after NO"; status=$?
[[ $status == 0 && $(cat "$work/said.txt") == menu ]] || fail "NO ended with status $status and \"$(cat "$work/said.txt")\""
[[ $(curl -sf --max-time 2 "${page}scores.json") == "$before" ]] || fail "NO still sent the score"
exit $((failures > 0))
