// Shared ownership of SDL surfaces and the one blit every world object draws with.
#include "world/Sprite.h"

namespace wtrq {

Sprite adoptSurface(SDL_Surface* surface)
{
    if (!surface)
        return {};
    return Sprite(surface, SDL_FreeSurface);
}

void drawSprite(const Sprite& sprite, SDL_Surface* target, int x, int y)
{
    if (!sprite || !target)
        return;
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(sprite.get(), nullptr, target, &where);
}

}  // namespace wtrq
