// pollEvent over SDL's queue.
#include "jwe/Events.h"

int pollEvent(SDL_Event* event)
{
    return SDL_PollEvent(event);
}
