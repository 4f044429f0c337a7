// Channels: FSOUND_PlaySound and the calls that take a channel handle.
#include "Library.h"
#include "fsound.h"

using namespace fmodlite;

int FSOUND_PlaySound(int channel, FSOUND_SAMPLE* sptr)
{
    Library& lib = Lib();
    auto* sample = reinterpret_cast<Sample*>(sptr);
    if (!lib.Running() || !lib.samples.count(sample))
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    return lib.mixer.Play(channel, sample);
}

signed char FSOUND_SetVolume(int channel, int vol)
{
    Library& lib = Lib();
    if (!lib.Running())
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    return lib.mixer.SetVolume(channel, vol) ? 1 : 0;
}

signed char FSOUND_IsPlaying(int channel)
{
    Library& lib = Lib();
    if (!lib.Running())
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    return lib.mixer.IsPlaying(channel) ? 1 : 0;
}

signed char FSOUND_StopSound(int channel)
{
    Library& lib = Lib();
    if (!lib.Running())
        return 0;
    std::lock_guard<AudioLock> guard(lib.audio);
    const bool was = lib.mixer.IsPlaying(channel);
    lib.mixer.Stop(channel);
    return was ? 1 : 0;
}
