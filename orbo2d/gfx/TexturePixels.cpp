// Pixel layout checks and the per-pixel conversion to red-first RGB/RGBA.
#include "gfx/TexturePixels.h"

#include <cstring>

namespace {

// Masks under which the bytes in memory are red, green, blue (and alpha), in that order.
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
const Uint32 kRgbMasks[3] = {0x000000FFu, 0x0000FF00u, 0x00FF0000u};
const Uint32 kRgbaMasks[4] = {0x000000FFu, 0x0000FF00u, 0x00FF0000u, 0xFF000000u};
#else
const Uint32 kRgbMasks[3] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu};
const Uint32 kRgbaMasks[4] = {0xFF000000u, 0x00FF0000u, 0x0000FF00u, 0x000000FFu};
#endif

bool HasColorKey(const SDL_Surface* surface)
{
    return (surface->flags & SDL_SRCCOLORKEY) != 0;
}

bool IsRedFirstRgb(const SDL_PixelFormat* f)
{
    return f->BytesPerPixel == 3 && f->palette == nullptr && f->Rmask == kRgbMasks[0] &&
           f->Gmask == kRgbMasks[1] && f->Bmask == kRgbMasks[2];
}

bool IsRedFirstRgba(const SDL_PixelFormat* f)
{
    return f->BytesPerPixel == 4 && f->palette == nullptr && f->Rmask == kRgbaMasks[0] &&
           f->Gmask == kRgbaMasks[1] && f->Bmask == kRgbaMasks[2] && f->Amask == kRgbaMasks[3];
}

Uint32 ReadPixel(const Uint8* p, int bytesPerPixel)
{
    switch (bytesPerPixel) {
    case 1:
        return *p;
    case 2: {
        Uint16 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    case 3:
#if SDL_BYTEORDER == SDL_LIL_ENDIAN
        return p[0] | (p[1] << 8) | (p[2] << 16);
#else
        return (p[0] << 16) | (p[1] << 8) | p[2];
#endif
    default: {
        Uint32 value;
        std::memcpy(&value, p, sizeof value);
        return value;
    }
    }
}

}  // namespace

CTexturePixels::CTexturePixels(const SDL_Surface* surface) : components(0), direct(nullptr)
{
    const SDL_PixelFormat* format = surface->format;
    if (surface->pixels == nullptr || format->BytesPerPixel < 1 || format->BytesPerPixel > 4) {
        return;
    }
    const bool keyed = HasColorKey(surface);
    const bool packed = surface->pitch == AlignedRowBytes(surface->w, format->BytesPerPixel);
    if (!keyed && packed && IsRedFirstRgb(format)) {
        components = 3;
        direct = surface->pixels;
        return;
    }
    if (!keyed && packed && IsRedFirstRgba(format)) {
        components = 4;
        direct = surface->pixels;
        return;
    }
    _Convert(surface);
}

void CTexturePixels::_Convert(const SDL_Surface* surface)
{
    const SDL_PixelFormat* format = surface->format;
    // A colour key is transparency too: keyed pixels become fully transparent texels.
    const bool keyed = HasColorKey(surface);
    components = (format->Amask != 0 || keyed) ? 4 : 3;
    const int width = surface->w;
    const int height = surface->h;
    const int rowBytes = AlignedRowBytes(width, components);
    converted.assign(static_cast<std::size_t>(rowBytes) * static_cast<std::size_t>(height), 0);

    const Uint8* sourceRows = static_cast<const Uint8*>(surface->pixels);
    const int sourceBytes = format->BytesPerPixel;
    for (int y = 0; y < height; ++y) {
        const Uint8* source = sourceRows + static_cast<std::ptrdiff_t>(y) * surface->pitch;
        unsigned char* target = converted.data() + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x, source += sourceBytes, target += components) {
            const Uint32 pixel = ReadPixel(source, sourceBytes);
            Uint8 r, g, b, a;
            SDL_GetRGBA(pixel, const_cast<SDL_PixelFormat*>(format), &r, &g, &b, &a);
            if (format->Amask == 0) {
                a = 255;
            }
            if (keyed && pixel == format->colorkey) {
                a = 0;
            }
            target[0] = r;
            target[1] = g;
            target[2] = b;
            if (components == 4) {
                target[3] = a;
            }
        }
    }
}
