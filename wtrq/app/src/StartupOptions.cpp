// Option matching, display mode and video driver choice.
#include "app/StartupOptions.h"

#include <cstdlib>
#include <cstring>
#include <string>

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
        } else if (std::strcmp(argv[i], "--game-seconds") == 0 && i + 1 < argc) {
            // Only a whole positive number is taken as the value; anything else is left to be
            // read as an argument of its own, and the game keeps its full length.
            const std::string value = argv[i + 1];
            if (!value.empty() && value.size() <= 9 && value.find_first_not_of("0123456789") == std::string::npos &&
                std::stoi(value) > 0) {
                options.gameSeconds = std::stoi(value);
                ++i;
            }
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
