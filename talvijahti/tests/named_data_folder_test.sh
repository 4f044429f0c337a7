#!/usr/bin/env bash
# A data folder named by TALVIJAHTI_DATA is used, or refused with the reason and status 1;
# the game never falls back to its built-in data behind the user's back.
set -euo pipefail
game=$1
source_data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/empty"
printf 'x' > "$work/a-file"
cp -r "$source_data" "$work/copy"

# Runs the game with TALVIJAHTI_DATA=$1 and no display; leaves status and messages behind.
run() {
  status=0
  env -u DISPLAY -u WAYLAND_DISPLAY SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy TALVIJAHTI_DATA="$1" \
    timeout 30 "$game" --windowed > /dev/null 2> "$work/err.txt" || status=$?
}

# folder named | expected words on standard error
cases=(
  "$work/nowhere|\"$work/nowhere\", which does not exist."
  "$work/a-file|\"$work/a-file\", which is not a folder."
  "$work/empty|\"$work/empty\", which holds no data/ folder."
)
for entry in "${cases[@]}"; do
  folder=${entry%%|*}
  expected=${entry#*|}
  run "$folder"
  [[ $status -eq 1 ]] || { echo "$folder: expected status 1, got $status" >&2; cat "$work/err.txt" >&2; exit 1; }
  grep -qF "TALVIJAHTI_DATA names $expected" "$work/err.txt" ||
    { echo "$folder: not told why:" >&2; cat "$work/err.txt" >&2; exit 1; }
  if grep -q 'OpenGL window' "$work/err.txt"; then
    echo "$folder: the game went on to open a window" >&2
    exit 1
  fi
done

# A good folder is taken: the game gets as far as the window, which the dummy driver cannot show.
run "$work/copy"
grep -q 'cannot open the 800 x 600 OpenGL window' "$work/err.txt" ||
  { echo "a good data folder was not used:" >&2; cat "$work/err.txt" >&2; exit 1; }
if grep -q 'TALVIJAHTI_DATA' "$work/err.txt"; then
  echo "a good data folder was refused" >&2
  exit 1
fi
echo "named data folder: used when good, refused with the reason otherwise"
