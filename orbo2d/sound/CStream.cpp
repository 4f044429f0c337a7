// Streamed audio over the library's streams.
#include "sound/CStream.h"

CStream::CStream(std::string path) : ISoundObject(SOUND_STREAM), handle(FSOUND_Stream_Open(path.c_str(), 0, 0, 0))
{
}

CStream::~CStream()
{
    FSOUND_Stream_Close(handle);
}

void CStream::Play()
{
    channel = FSOUND_Stream_Play(FSOUND_FREE, handle);
    FSOUND_SetVolume(channel, volume);
}

void CStream::Stop()
{
    if (FSOUND_IsPlaying(channel))
        FSOUND_Stream_Stop(handle);
}

bool CStream::IsPlaying()
{
    return FSOUND_IsPlaying(channel) != 0;
}

int CStream::GetVolume()
{
    return volume;
}

void CStream::SetVolume(int v)
{
    volume = v;
    if (FSOUND_IsPlaying(channel))
        FSOUND_SetVolume(channel, v);
}
