# Helpers for the tests of the installed bundle; sourced, not run.
#   install_tree BUILD DESTDIR   installs the build under DESTDIR with the prefix /usr
#   make_player_home             a home for the player and the command prefix "${player[@]}"
#                                that runs a program as an ordinary user: as root, the user
#                                nobody, for whom read-only files really are read-only
#   tree_listing FOLDER          every path below FOLDER with its kind, mode and checksum

install_tree() {
  local build=$1 destination=$2
  if ! DESTDIR=$destination cmake --install "$build" --prefix /usr >"$destination.log" 2>&1; then
    echo "cmake --install failed:" >&2
    cat "$destination.log" >&2
    return 1
  fi
}

# make_player_home: a home of the player's own, and in the array player the command prefix
# that runs a program as that player with an environment that points at nothing of the build.
make_player_home() {
  player_home=$(mktemp -d)
  mkdir -p "$player_home/run" "$player_home/config" "$player_home/elsewhere"
  chmod 700 "$player_home/run"
  local settings=(HOME="$player_home" XDG_RUNTIME_DIR="$player_home/run" XDG_CONFIG_HOME="$player_home/config"
                  DISPLAY="${DISPLAY:-}" SDL_AUDIODRIVER=dummy LIBGL_ALWAYS_SOFTWARE=1 PATH=/usr/bin:/bin)
  # A sanitizer build reads its settings (the leak suppressions among them) from the
  # environment; the player's fresh one must still carry them.
  local name
  for name in ASAN_OPTIONS LSAN_OPTIONS UBSAN_OPTIONS; do
    [[ -n ${!name:-} ]] && settings+=("$name=${!name}")
  done
  if [[ $(id -u) -eq 0 ]]; then
    chown -R nobody:nogroup "$player_home"
    player=(setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env -- env -i "${settings[@]}")
  else
    player=(env -i "${settings[@]}")
  fi
}

tree_listing() {
  (cd "$1" && find . -printf '%y %m %p\n' | sort && find . -type f -print0 | sort -z | xargs -0 -r md5sum)
}
