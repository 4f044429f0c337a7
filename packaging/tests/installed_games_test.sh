#!/usr/bin/env bash
# Both games run from an installed tree in which every file and folder is read-only, started
# from another working directory by an ordinary user: talvijahti shows its menu and quits on
# a click of its quit button; wtrq goes through its intro and menu to Quit, alone and then as
# two copies running at once, each driven by its own keys and ending with status 0. Each game
# works inside its installed data folder, and nothing is written into the tree, the working
# directory or the scratch folder's parent.
# Arguments: the build folder and the source folder.
set -uo pipefail
build=$1
source=$2
here=$(dirname "$0")
. "$here/lib/install_tree.sh"
. "$here/lib/wtrq_window.sh"
. "$here/lib/talvijahti_quit.sh"
. "$source/talvijahti/tests/lib/game_window.sh"
work=$(mktemp -d)
chmod 755 "$work"  # the player reaches the installed tree through it
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
wtrq_pids=()
cleanup() {
  stop_game
  for p in "${wtrq_pids[@]}"; do kill -KILL "$p" 2>/dev/null; done
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work" "$player_home"
}
trap cleanup EXIT

root=$work/root
install_tree "$build" "$root" || exit 1
usr=$root/usr
chmod -R a-w "$root"
before=$(tree_listing "$root")
make_player_home

working_folder() { readlink "/proc/$1/cwd"; }

# talvijahti: the menu, then a click on its quit button.
check_talvijahti_quits_by_click "$usr/share/games/talvijahti" "${player[@]}" "$usr/games/talvijahti"

# wtrq from the player's working folder: one session through intro and menu to Quit, then
# two copies at once, each driven the same way while the other still runs.
# Under the sanitizers the X11 libraries SDL unloads at shut-down leave leak reports without
# module names, which no suppression can match; the unit tests check wtrq's leaks on SDL's
# dummy driver.
wtrq=("${player[@]}" "ASAN_OPTIONS=${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" "$usr/games/wtrq")
cd "$player_home/elsewhere"
"${wtrq[@]}" 2>"$work/wtrq0.err" &
wtrq_pids=($!)
if window=$(wtrq_window "${wtrq_pids[0]}"); then
  [[ $(working_folder "${wtrq_pids[0]}") == "$usr/share/games/wtrq" ]] ||
    fail "wtrq works in $(working_folder "${wtrq_pids[0]}"), not in its installed data folder"
  wtrq_quit_from_menu "$window" "${wtrq_pids[0]}" || fail "wtrq's session"
  if wtrq_wait "${wtrq_pids[0]}"; then
    [[ $wtrq_status -eq 0 ]] || fail "wtrq ended with status $wtrq_status: $(cat "$work/wtrq0.err")"
  else
    fail "wtrq still ran after Quit"
  fi
else
  fail "wtrq showed no window: $(cat "$work/wtrq0.err")"
fi
wtrq_pids=()
for copy in 1 2; do
  "${wtrq[@]}" 2>"$work/wtrq$copy.err" &
  wtrq_pids+=($!)
done
windows=()
for copy in 0 1; do
  if window=$(wtrq_window "${wtrq_pids[$copy]}"); then
    windows+=("$window")
  else
    fail "copy $((copy + 1)) of wtrq showed no window: $(cat "$work/wtrq$((copy + 1)).err")"
  fi
done
if [[ ${#windows[@]} -eq 2 ]]; then
  [[ ${windows[0]} != "${windows[1]}" ]] || fail "both copies of wtrq report the same window"
  for copy in 0 1; do
    [[ $(working_folder "${wtrq_pids[$copy]}") == "$usr/share/games/wtrq" ]] ||
      fail "wtrq works in $(working_folder "${wtrq_pids[$copy]}"), not in its installed data folder"
  done
  # The first copy quits while the second still shows its intro; the keys meant for the
  # one must not reach the other.
  for copy in 0 1; do
    kill -0 "${wtrq_pids[$copy]}" 2>/dev/null || fail "copy $((copy + 1)) of wtrq ended early"
  done
  for copy in 0 1; do
    wtrq_quit_from_menu "${windows[$copy]}" "${wtrq_pids[$copy]}" || fail "the session of copy $((copy + 1)) of wtrq"
    if wtrq_wait "${wtrq_pids[$copy]}"; then
      [[ $wtrq_status -eq 0 ]] ||
        fail "copy $((copy + 1)) of wtrq ended with status $wtrq_status: $(cat "$work/wtrq$((copy + 1)).err")"
    else
      fail "copy $((copy + 1)) of wtrq still ran after Quit"
    fi
    if [[ $copy -eq 0 ]] && ! kill -0 "${wtrq_pids[1]}" 2>/dev/null; then
      fail "copy 2 of wtrq ended with copy 1: $(cat "$work/wtrq2.err")"
      break
    fi
  done
fi
wtrq_pids=()
cd /

[[ -z $(ls -A "$player_home/run") ]] || fail "scratch files left: $(ls -AR "$player_home/run")"
[[ -z $(ls -A "$player_home/elsewhere") ]] || fail "files left in the working folder: $(ls -A "$player_home/elsewhere")"
after=$(tree_listing "$root")
[[ $before == "$after" ]] || fail "the installed tree changed: $(diff <(echo "$before") <(echo "$after"))"

[[ $failures -eq 0 ]] && echo "both games ran from the read-only installed tree; two wtrq at once"
exit $((failures > 0))
