// A picture held by the buildings, elves and tiles that show it; freed once, by its last holder.
#pragma once

#include <SDL.h>

#include <memory>

namespace wtrq {

using Sprite = std::shared_ptr<SDL_Surface>;

// Takes over a surface made by SDL (or SDL_image); a null surface gives an empty sprite.
Sprite adoptSurface(SDL_Surface* surface);

// Blits the whole sprite with its top-left corner at (x, y); an empty sprite draws nothing.
void drawSprite(const Sprite& sprite, SDL_Surface* target, int x, int y);

}  // namespace wtrq
