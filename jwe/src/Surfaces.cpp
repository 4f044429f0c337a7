// Surface helpers over SDL, SDL_image and SDL_ttf.
#include "jwe/Surfaces.h"

#include <SDL_image.h>

#include <cstring>

SDL_Surface* loadImage(const std::string& fileName)
{
    SDL_Surface* loaded = IMG_Load(fileName.c_str());
    if (loaded == nullptr) {
        return nullptr;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    return converted;
}

void blit(SDL_Surface* source, SDL_Surface* target, int x, int y)
{
    SDL_Rect where{static_cast<Sint16>(x), static_cast<Sint16>(y), 0, 0};
    SDL_UpperBlit(source, nullptr, target, &where);
}

void fill(SDL_Surface* target, int red, int green, int blue)
{
    SDL_Rect all{0, 0, static_cast<Uint16>(target->w), static_cast<Uint16>(target->h)};
    SDL_FillRect(target, &all,
                 SDL_MapRGB(target->format, static_cast<Uint8>(red), static_cast<Uint8>(green),
                            static_cast<Uint8>(blue)));
}

bool lockSurface(SDL_Surface* surface)
{
    if (SDL_MUSTLOCK(surface)) {
        return SDL_LockSurface(surface) == 0;
    }
    return true;
}

void unlockSurface(SDL_Surface* surface)
{
    if (SDL_MUSTLOCK(surface)) {
        SDL_UnlockSurface(surface);
    }
}

Uint32 getPixel(SDL_Surface* surface, int x, int y)
{
    const int bytesPerPixel = surface->format->BytesPerPixel;
    const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch + x * bytesPerPixel;
    switch (bytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        Uint16 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case 3: {
        // Each colour byte sits where its shift puts it, whatever the byte order of the format.
        const SDL_PixelFormat* format = surface->format;
        return SDL_MapRGB(surface->format, p[format->Rshift / 8], p[format->Gshift / 8], p[format->Bshift / 8]);
    }
    case 4: {
        Uint32 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    default:
        return 0xFFFFFFFFu;
    }
}

void freeSurface(SDL_Surface*& surface)
{
    if (surface != nullptr) {
        SDL_FreeSurface(surface);
        surface = nullptr;
    }
}

void drawText(SDL_Surface* target, int x, int y, TTF_Font* ttfFont, const std::string& text, SDL_Color colour)
{
    if (ttfFont == nullptr) {
        return;
    }
    SDL_Surface* rendered = TTF_RenderText_Solid(ttfFont, text.c_str(), colour);
    if (rendered != nullptr) {
        blit(rendered, target, x, y);
        SDL_FreeSurface(rendered);
    }
}
