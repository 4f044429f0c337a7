// Colour, transparency and contrast measurements on SDL surfaces.
#include "PictureChecks.h"

#include <cmath>

#include "jwe/Surfaces.h"

Rgb colourAt(SDL_Surface* surface, int x, int y)
{
    Uint8 r = 0, g = 0, b = 0;
    lockSurface(surface);
    SDL_GetRGB(getPixel(surface, x, y), surface->format, &r, &g, &b);
    unlockSurface(surface);
    return {r, g, b};
}

Rgb meanColour(SDL_Surface* surface, const Area& area)
{
    long r = 0, g = 0, b = 0, n = 0;
    for (int y = area.y0; y <= area.y1; ++y) {
        for (int x = area.x0; x <= area.x1; ++x) {
            const Rgb c = colourAt(surface, x, y);
            r += c.r;
            g += c.g;
            b += c.b;
            ++n;
        }
    }
    return {static_cast<int>(r / n), static_cast<int>(g / n), static_cast<int>(b / n)};
}

namespace {

double luminance(const Rgb& c)
{
    auto channel = [](int v) {
        const double s = v / 255.0;
        return s <= 0.03928 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

}  // namespace

double contrast(const Rgb& a, const Rgb& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

bool isKey(const Rgb& c)
{
    return c == Rgb{255, 0, 255};
}

int keyedPixels(SDL_Surface* surface)
{
    int n = 0;
    for (int y = 0; y < surface->h; ++y) {
        for (int x = 0; x < surface->w; ++x) {
            n += isKey(colourAt(surface, x, y)) ? 1 : 0;
        }
    }
    return n;
}

int differingPixels(SDL_Surface* a, SDL_Surface* b)
{
    int n = 0;
    for (int y = 0; y < a->h; ++y) {
        for (int x = 0; x < a->w; ++x) {
            n += colourAt(a, x, y) == colourAt(b, x, y) ? 0 : 1;
        }
    }
    return n;
}
