// Option matching, display mode and video driver choice.
#include "app/StartupOptions.h"

#include <cstdlib>
#include <cstring>

StartupOptions parseOptions(int argc, char** argv)
{
    StartupOptions options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-fullscreen") == 0) {
            options.fullscreen = true;
        } else if (std::strcmp(argv[i], "-32bit") == 0) {
            options.depth32 = true;
        } else if (std::strcmp(argv[i], "-windib") == 0) {
            options.windib = true;
        }
    }
    return options;
}

VideoMode videoModeFor(const StartupOptions& options)
{
    if (options.fullscreen) {
        return {24, SDL_HWSURFACE | SDL_DOUBLEBUF | SDL_FULLSCREEN};
    }
    return {options.depth32 ? 32 : 24, SDL_HWSURFACE | SDL_DOUBLEBUF};
}

void chooseVideoDriver(const StartupOptions& options)
{
    if (!options.windib) {
        setenv("SDL_VIDEODRIVER", "x11", 0);
    }
}
