// Measurements on decoded pictures: colours, transparency and readability of text areas.
#pragma once

#include <SDL.h>

#include <array>
#include <cstdint>

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
};

struct Area {
    int x0, y0, x1, y1;  // inclusive corners
};

Rgb colourAt(SDL_Surface* surface, int x, int y);
// The mean colour of an area.
Rgb meanColour(SDL_Surface* surface, const Area& area);
// The contrast ratio of two colours (1 for equal ones, 21 for black on white).
double contrast(const Rgb& a, const Rgb& b);
// Pixels equal to the colour key (pure magenta) in the whole picture.
int keyedPixels(SDL_Surface* surface);
// Pixels that differ between two pictures of the same size.
int differingPixels(SDL_Surface* a, SDL_Surface* b);
bool isKey(const Rgb& c);
