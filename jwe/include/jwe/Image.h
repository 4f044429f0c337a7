// A picture in the display format, owned in place (never copied).
#pragma once

#include <SDL.h>

#include <string>

class Image {
public:
    Image() = default;
    ~Image();
    Image(const Image&) = delete;
    Image& operator=(const Image&) = delete;

    // Replaces the current picture; throws FileLoadingFailed with SDL's error text.
    void load(const std::string& fileName);
    // Top-left corner at (x, y); an empty image draws nothing.
    void draw(SDL_Surface* target, int x, int y) const;
    void free();
    // Null while empty.
    SDL_Surface* surface() const { return picture; }

private:
    SDL_Surface* picture = nullptr;
};
