#!/usr/bin/env bash
# Installs what is needed, builds the games and starts one: talvijahti unless the first
# argument names the other game (bash scripts/play.sh wtrq). Further arguments go to the game
# (for example --windowed for talvijahti, -fullscreen for wtrq).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
game=talvijahti
if [[ ${1:-} == wtrq || ${1:-} == talvijahti ]]; then
  game=$1
  shift
fi
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
case $game in
  wtrq) exec build/default/wtrq/app/wtrq "$@" ;;
  *) exec build/default/talvijahti/talvijahti "$@" ;;
esac
