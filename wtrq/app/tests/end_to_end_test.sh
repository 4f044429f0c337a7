#!/usr/bin/env bash
# wtrq with real key presses in a virtual display: start, any key, Down twice, Return ends
# the program with status 0 and no scratch file; without "data/gui.pjw" the program reports
# the two lines of the failure and ends with status 1.
# Arguments: the wtrq program and the game data folder (the one holding data/).
set -uo pipefail
wtrq=$(realpath "$1")
data=$(realpath "$2")
# SHOT_DIR=folder keeps a screenshot of the window after every press, for a look.
source "$(dirname "${BASH_SOURCE[0]}")/../../scoreboard/tests/end_to_end_helpers.sh"

# 1. A normal game session from another working directory, quitting from the menu.
cd "$work/elsewhere"
WTRQ_DATA=$data "$wtrq" 2>"$work/stderr.txt" &
pid=$!
started+=("$pid")
if find_window; then
  press_until_changed space "$pid" || fail "the intro did not end on a key press"
  sleep 0.5
  press_until_changed Down "$pid" || fail "Down did not move the menu highlight"
  press_until_changed Down "$pid" || fail "the second Down did not move the menu highlight"
  xdotool key --clearmodifiers Return
fi
exit_status_of "$pid" "wtrq after Quit"; status=$?
[[ $status == 0 ]] || fail "status $status after Quit ($(cat "$work/stderr.txt"))"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left: $(ls -AR "$XDG_RUNTIME_DIR")"
[[ -z $(ls -A "$work/elsewhere") ]] || fail "files left in the working directory"

# 2. Game data without "data/gui.pjw".
mkdir -p "$work/broken/data"
cp "$data/data/sounds.pjw" "$work/broken/data/"
WTRQ_DATA=$work/broken timeout 30 "$wtrq" >"$work/stdout.txt" 2>"$work/stderr.txt"
status=$?
[[ $status == 1 ]] || fail "status $status with data/gui.pjw missing"
expected=$'Failed to load file "data/gui.pjw".\nRead-mode opening failed.'
grep -qxF 'Failed to load file "data/gui.pjw".' "$work/stderr.txt" &&
  grep -qxF 'Read-mode opening failed.' "$work/stderr.txt" &&
  [[ $(grep -A1 -xF 'Failed to load file "data/gui.pjw".' "$work/stderr.txt") == "$expected" ]] ||
  fail "with data/gui.pjw missing, standard error said: $(cat "$work/stderr.txt")"
[[ -z $(ls -A "$XDG_RUNTIME_DIR") ]] || fail "scratch files left after the failure"

exit $((failures > 0))
