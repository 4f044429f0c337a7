// Starting SDL video and setting the display mode.
#include "jwe/Screen.h"

#include <string>

#include "jwe/Exceptions.h"

Screen screen;

Screen::~Screen()
{
    SDL_Quit();
}

void Screen::init(Uint32 subsystems, int width, int height, int depth, Uint32 videoFlags)
{
    displaySurface = nullptr;
    if (SDL_Init(subsystems) == -1) {
        throw SDLFailure("Failed to initialize SDL.");
    }
    setMode(width, height, depth, videoFlags);
}

void Screen::setMode(int width, int height, int depth, Uint32 videoFlags)
{
    displaySurface = SDL_SetVideoMode(width, height, depth, videoFlags);
    if (displaySurface == nullptr) {
        throw SDLFailure("Failed to set video mode " + std::to_string(width) + "x" + std::to_string(height) +
                         " with " + std::to_string(depth) + "bpp colors.");
    }
}

void Screen::flip()
{
    SDL_Flip(displaySurface);
}
