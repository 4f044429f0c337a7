#!/usr/bin/env bash
# Regenerates wtrq's game data into a scratch folder and fails when any file differs
# from the committed wtrq/gamedata/data, or when a file is missing on either side.
# usage: check-regenerated.sh <pjw>
set -euo pipefail
repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
pjw="$1"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
bash "$repo/tools/wtrqdata/regenerate.sh" "$scratch" "$pjw"
if ! diff -r -q "$repo/wtrq/gamedata/data" "$scratch/data"; then
  echo "wtrq/gamedata differs from what its sources give;" \
       "run: bash tools/wtrqdata/regenerate.sh and commit the result" >&2
  exit 1
fi
echo "wtrq/gamedata matches its sources"
