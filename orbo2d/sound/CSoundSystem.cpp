// The engine's sound system: the library's start and the list of sound objects.
#include "sound/CSoundSystem.h"

#include <algorithm>

CSoundSystem::CSoundSystem()
{
    FSOUND_Init(44100, 32, 0);
}

CSoundSystem::~CSoundSystem()
{
    FreeAll();
}

CSample* CSoundSystem::LoadSample(std::string path)
{
    auto* sample = new CSample(path);
    objects.push_back(sample);
    return sample;
}

CMusic* CSoundSystem::LoadMusic(std::string path)
{
    auto* music = new CMusic(path);
    objects.push_back(music);
    return music;
}

CStream* CSoundSystem::CreateStream(std::string path)
{
    auto* stream = new CStream(path);
    objects.push_back(stream);
    return stream;
}

void CSoundSystem::_Free(ISoundObject* object, SoundType type)
{
    // A pointer of another kind (a stream handed to FreeSample) must not match.
    auto it = std::find_if(objects.begin(), objects.end(),
                           [&](ISoundObject* o) { return o->GetType() == type && o == object; });
    if (it == objects.end())
        return;
    ISoundObject* found = *it;
    objects.erase(it);
    delete found;
}

void CSoundSystem::FreeSample(CSample* sample)
{
    _Free(sample, SOUND_SAMPLE);
}

void CSoundSystem::FreeMusic(CMusic* music)
{
    _Free(music, SOUND_MUSIC);
}

void CSoundSystem::FreeStream(CStream* stream)
{
    _Free(stream, SOUND_STREAM);
}

void CSoundSystem::FreeAll()
{
    for (ISoundObject* o : objects)
        delete o;
    objects.clear();
}
