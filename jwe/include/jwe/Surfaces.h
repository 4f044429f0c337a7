// Free functions over SDL surfaces: loading, blitting, filling, pixel reads and text.
#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include <string>

// IMG_Load converted to the display format; null on any failure. No colour key is set.
SDL_Surface* loadImage(const std::string& fileName);
// The whole source with its top-left corner at (x, y); SDL clips to the target.
void blit(SDL_Surface* source, SDL_Surface* target, int x, int y);
void fill(SDL_Surface* target, int red, int green, int blue);
// Locks only when SDL requires it for that surface; false only when a required lock failed.
bool lockSurface(SDL_Surface* surface);
void unlockSurface(SDL_Surface* surface);
// A raw pixel value in the surface's own format (fit for SDL_SetColorKey on it); the caller
// locks the surface and keeps (x, y) inside it.
Uint32 getPixel(SDL_Surface* surface, int x, int y);
void freeSurface(SDL_Surface*& surface);
// Renders anew on every call; draws nothing when the text cannot be rendered (an empty text).
void drawText(SDL_Surface* target, int x, int y, TTF_Font* ttfFont, const std::string& text, SDL_Color colour);
