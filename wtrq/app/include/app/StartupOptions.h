// wtrq's three command-line options, the display mode they choose and the video driver.
#pragma once

#include <SDL.h>

struct StartupOptions {
    bool fullscreen = false;
    bool depth32 = false;
    bool windib = false;
    // "--game-seconds N": games of N seconds (1 or more) for trying the end of a game quickly.
    int gameSeconds = 1440;
};

struct VideoMode {
    int depth;
    Uint32 flags;
};

// Each argument after the program name is compared with the options exactly (whole string,
// case-sensitive); anything else is ignored and repeating an option changes nothing.
StartupOptions parseOptions(int argc, char** argv);
// 32 bits per pixel only in a window; full screen is always 24.
VideoMode videoModeFor(const StartupOptions& options);
// Puts SDL_VIDEODRIVER=x11 into the environment, except with "-windib" or when the user has
// already chosen a driver, which is never overridden.
void chooseVideoDriver(const StartupOptions& options);
