#!/usr/bin/env bash
# Rebuilds all of talvijahti's game data from talvijahti/gamedata-src:
#   data/*.png      sprites, textures, bitmap font, menu pictures  (tools/pictures)
#   sfx/*.wav       wind, skating, chime, "auts!"                   (tools/sounds)
#   levels/*.lev    the ten levels, checked while compiled          (tools/levelc)
#
# usage: bash tools/gamedata/regenerate.sh [out-folder] [levelc]
#   out-folder  defaults to talvijahti/gamedata (the committed data)
#   levelc      the built level tool; by default it is built in build/default
# The output is the same, byte for byte, on every run.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="${1:-$repo/talvijahti/gamedata}"
levelc="${2:-}"
src="$repo/talvijahti/gamedata-src"
# Debian's interpreter: it is the one that has PIL (python3-pil).
python=/usr/bin/python3

if [[ -z "$levelc" ]]; then
  (cd "$repo" && cmake --preset default >/dev/null && cmake --build --preset default --target levelc >/dev/null)
  levelc="$repo/build/default/tools/levelc/levelc"
fi

mkdir -p "$out/data" "$out/sfx" "$out/levels"
"$python" "$repo/tools/pictures/make_pictures.py" "$src" "$out/data"
"$python" "$repo/tools/sounds/make_sounds.py" "$src/sounds.ini" "$out/sfx"
for i in 1 2 3 4 5 6 7 8 9 10; do
  "$levelc" compile "$src/levels/level$i.txt" "$out/levels/level$i.lev"
done
