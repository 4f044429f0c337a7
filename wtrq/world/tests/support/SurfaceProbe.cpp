// Pixel read-back from 32-bit memory surfaces.
#include "support/SurfaceProbe.h"

#include "support/FakeImages.h"
#include "world/Tile.h"

namespace wtrq::test {

OwnedSurface makeScreen()
{
    return OwnedSurface(makeMemorySurface(640, 480), SDL_FreeSurface);
}

Uint32 pixelAt(SDL_Surface* surface, int x, int y)
{
    const auto* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
    return reinterpret_cast<const Uint32*>(row)[x] & 0x00FFFFFF;
}

Uint32 tileColour(SDL_Surface* surface, int tx, int ty)
{
    return pixelAt(surface, tilePixelX(tx) + tileSize / 2, tilePixelY(ty) + tileSize / 2);
}

void clearSurface(SDL_Surface* surface)
{
    SDL_FillRect(surface, nullptr, 0);
}

}  // namespace wtrq::test
