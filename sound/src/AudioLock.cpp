// Choosing between SDL's audio lock and our own mutex.
#include "AudioLock.h"

#include <SDL.h>

namespace fmodlite {

void AudioLock::lock()
{
    if (device)
        SDL_LockAudio();
    else
        mutex.lock();
}

void AudioLock::unlock()
{
    if (device)
        SDL_UnlockAudio();
    else
        mutex.unlock();
}

}  // namespace fmodlite
