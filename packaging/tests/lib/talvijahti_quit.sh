# An installed talvijahti shows its menu, works in its installed data folder and quits on a
# click of its quit button with status 0. Needs game_window.sh and the caller's fail().
# Arguments: the data folder it must work in, then the command that starts it.
check_talvijahti_quits_by_click() {
  local data=$1
  shift
  if start_game "$@" --windowed; then
    [[ $(readlink "/proc/$pid/cwd") == "$data" ]] ||
      fail "talvijahti works in $(readlink "/proc/$pid/cwd"), not in its installed data folder $data"
    click_at 400 364
    if wait_for_exit 10; then
      [[ $status -eq 0 ]] || fail "talvijahti ended with status $status"
    else
      fail "talvijahti did not quit after the click on its quit button"
    fi
  else
    fail "talvijahti did not show its menu"
  fi
}
