#!/usr/bin/env bash
# Runs a command inside a fresh virtual X server with Mesa's software OpenGL,
# so window tests never depend on (or disturb) a real desktop.
set -euo pipefail
export LIBGL_ALWAYS_SOFTWARE=1
export SDL_AUDIODRIVER=${SDL_AUDIODRIVER:-dummy}
exec xvfb-run -a -s "-screen 0 1024x768x24 -nolisten tcp" "$@"
