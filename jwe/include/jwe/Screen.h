// The display surface everything is drawn on, and the one global instance of it.
#pragma once

#include <SDL.h>

class Screen {
public:
    Screen() = default;
    // Shuts SDL down; a second SDL_Quit after the program's own does nothing.
    ~Screen();
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    // Starts SDL with the subsystem flags, then sets the video mode; throws SDLFailure.
    void init(Uint32 subsystems, int width, int height, int depth, Uint32 videoFlags);
    // Throws SDLFailure "Failed to set video mode WxH with Dbpp colors.".
    void setMode(int width, int height, int depth, Uint32 videoFlags);
    // Null until a video mode is set; the surface belongs to SDL.
    SDL_Surface* surface() const { return displaySurface; }
    void flip();

private:
    SDL_Surface* displaySurface = nullptr;
};

extern Screen screen;
