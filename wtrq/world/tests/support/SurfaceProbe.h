// Reading pixels back from the memory surfaces tests draw into.
#pragma once

#include <SDL.h>

#include <memory>

namespace wtrq::test {

// A 640 x 480 memory screen, cleared to black, freed on scope exit.
using OwnedSurface = std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)>;
OwnedSurface makeScreen();

// The RGB value (0xRRGGBB) at a pixel of a 32-bit surface.
Uint32 pixelAt(SDL_Surface* surface, int x, int y);
// The colour at the centre of a map tile.
Uint32 tileColour(SDL_Surface* surface, int tx, int ty);
void clearSurface(SDL_Surface* surface);

}  // namespace wtrq::test
