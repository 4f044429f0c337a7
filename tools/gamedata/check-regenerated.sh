#!/usr/bin/env bash
# Regenerates the game data into a scratch folder and fails when any file differs
# from the committed talvijahti/gamedata/{data,sfx,levels}, or when a file is
# missing on either side.
# usage: check-regenerated.sh <levelc>
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
levelc="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
bash "$repo/tools/gamedata/regenerate.sh" "$scratch" "$levelc"
# Only the generated folders: the game may leave its own stdout.txt beside them.
status=0
for part in data sfx levels; do
  diff -r -q "$repo/talvijahti/gamedata/$part" "$scratch/$part" || status=1
done
if [[ $status -ne 0 ]]; then
  echo "talvijahti/gamedata differs from what its sources give;" \
       "run: bash tools/gamedata/regenerate.sh and commit the result" >&2
  exit 1
fi
echo "talvijahti/gamedata matches its sources"
