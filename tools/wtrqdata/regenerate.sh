#!/usr/bin/env bash
# Rebuilds all of wtrq's game data from wtrq/gamedata-src:
#   data/gui.pjw        interface font, start menu, help pages, top bar, score board
#   data/sounds.pjw     the music (an XM module) and the three sound effects
#   data/tiles.pjw      the tile list and the map tiles
#   data/buildings.pjw  the building pictures
#   data/elves.pjw      the elf pictures
#   data/palab.ttf-LICENSE.txt  the license of the font inside gui.pjw
#
# usage: bash tools/wtrqdata/regenerate.sh [out-folder] [pjw]
#   out-folder  defaults to wtrq/gamedata (the committed data)
#   pjw         the built package tool; by default it is built in build/default
# The output is the same, byte for byte, on every run.
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
out="${1:-$repo/wtrq/gamedata}"
pjw="${2:-}"
src="$repo/wtrq/gamedata-src"
# Debian's interpreter: it is the one that has PIL (python3-pil).
python=/usr/bin/python3

if [[ -z "$pjw" ]]; then
  (cd "$repo" && cmake --preset default >/dev/null && cmake --build --preset default --target pjw >/dev/null)
  pjw="$repo/build/default/tools/pjw/pjw"
fi

staging="$(mktemp -d)"
trap 'rm -rf "$staging"' EXIT
"$python" "$repo/tools/wtrqdata/make_gamedata.py" "$src" "$staging"

mkdir -p "$out/data"
while read -r package key members; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  files=()
  for member in $members; do
    files+=("$staging/${package%.pjw}/$member")
  done
  rm -f "$out/data/$package"
  "$pjw" pack "$out/data/$package" --key "$key" "${files[@]}"
done < "$src/packages.txt"
cp "$src/font/LICENSE-Liberation.txt" "$out/data/palab.ttf-LICENSE.txt"
