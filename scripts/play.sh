#!/usr/bin/env bash
# Installs what is needed, builds the games and starts talvijahti.
# Extra arguments go to the game (for example --windowed or --fullscreen).
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
bash scripts/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default >/dev/null
exec build/default/talvijahti/talvijahti "$@"
