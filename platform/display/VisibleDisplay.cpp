// VideoReachesAScreen: tells real displays from SDL's invisible stand-ins.
#include "VisibleDisplay.h"

#include <SDL.h>

#include <cstring>

bool VideoReachesAScreen()
{
    char driver[32] = "";
    if (SDL_VideoDriverName(driver, sizeof driver) == nullptr) {
        return false;
    }
    if (std::strcmp(driver, "offscreen") == 0 || std::strcmp(driver, "dummy") == 0) {
        SDL_SetError("no desktop to show it on (SDL video driver \"%s\"); is DISPLAY set?", driver);
        return false;
    }
    return true;
}
