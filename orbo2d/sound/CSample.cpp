// A sound effect over the library's samples.
#include "sound/CSample.h"

CSample::CSample(std::string path)
    : ISoundObject(SOUND_SAMPLE), handle(FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0))
{
}

CSample::~CSample()
{
    FSOUND_Sample_Free(handle);
}

void CSample::Play()
{
    channel = FSOUND_PlaySound(FSOUND_FREE, handle);
    FSOUND_SetVolume(channel, volume);
}

void CSample::Stop()
{
    if (FSOUND_IsPlaying(channel))
        FSOUND_StopSound(channel);
}

bool CSample::IsPlaying()
{
    return FSOUND_IsPlaying(channel) != 0;
}

int CSample::GetVolume()
{
    return volume;
}

void CSample::SetVolume(int v)
{
    volume = v;
    // A stopped sample keeps the value for its next Play.
    if (FSOUND_IsPlaying(channel))
        FSOUND_SetVolume(channel, v);
}
