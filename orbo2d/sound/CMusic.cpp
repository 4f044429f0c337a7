// A tracker module over the library's music calls.
#include "sound/CMusic.h"

CMusic::CMusic(std::string path) : ISoundObject(SOUND_MUSIC), handle(FMUSIC_LoadSong(path.c_str()))
{
}

CMusic::~CMusic()
{
    FMUSIC_FreeSong(handle);
}

void CMusic::Play()
{
    // The module keeps the master volume it was last given; Play does not reapply it.
    FMUSIC_PlaySong(handle);
}

void CMusic::Stop()
{
    FMUSIC_StopSong(handle);
}

bool CMusic::IsPlaying()
{
    return FMUSIC_IsPlaying(handle) != 0;
}

int CMusic::GetVolume()
{
    return volume;
}

void CMusic::SetVolume(int v)
{
    volume = v;
    FMUSIC_SetMasterVolume(handle, v);
}
