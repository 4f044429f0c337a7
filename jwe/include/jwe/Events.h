// The one event poll every screen loop drains the queue with; it never blocks.
#pragma once

#include <SDL.h>

// Non-zero when an event was taken.
int pollEvent(SDL_Event* event);
