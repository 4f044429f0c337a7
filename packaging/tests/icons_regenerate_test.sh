#!/usr/bin/env bash
# The committed icons are exactly what their generator draws from the games' art; a change
# to the art or the generator must come with regenerated icons.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
/usr/bin/python3 "$here/icons/make_icons.py" "$scratch"
if ! diff -r -q "$here/icons/hicolor" "$scratch"; then
  echo "packaging/icons/hicolor differs from what make_icons.py draws;" \
       "run: /usr/bin/python3 packaging/icons/make_icons.py and commit the result" >&2
  exit 1
fi
echo "the icons match their generator"
