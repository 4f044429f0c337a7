// The library's state and its shut-down.
#include "Library.h"

#include <cstdlib>

#include <SDL.h>

namespace fmodlite {

Library& Lib()
{
    // Never destroyed, so that calls made while other static objects are torn down still
    // work; but the output is stopped at exit, since an audio thread still calling into the
    // mixer while the process unloads its libraries crashes it on the way out.
    static Library* library = [] {
        auto* created = new Library;
        std::atexit([] { Lib().StopOutput(); });
        return created;
    }();
    return *library;
}

void Library::TopUpStreams()
{
    std::lock_guard<std::mutex> guard(streamMutex);
    for (Stream* s : streams)
        if (s->decoding)
            s->TopUp(audio);
}

void Library::FreeSample(Sample* sample)
{
    {
        std::lock_guard<AudioLock> guard(audio);
        mixer.StopAllOf(sample);
    }
    if (sample->slot >= 0)
        slots[sample->slot] = nullptr;
    samples.erase(sample);
    delete sample;
}

void Library::StopOutput()
{
    if (mode == OutputMode::Off)
        return;
    feeder.Stop();
    if (mode == OutputMode::Device) {
        SDL_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        audio.UseDevice(false);
    }
    {
        std::lock_guard<AudioLock> guard(audio);
        mixer.StopAll();
    }
    mode = OutputMode::Off;
}

void Library::Shutdown()
{
    if (mode == OutputMode::Off)
        return;
    StopOutput();
    // Managed samples belong to the library's slots and go with it.
    for (Sample* s : slots)
        if (s)
            FreeSample(s);
}

}  // namespace fmodlite
