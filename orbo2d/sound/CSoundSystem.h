// Starts the sound library and creates, owns and frees the engine's sound objects.
#pragma once

#include <string>
#include <vector>

#include "sound/CMusic.h"
#include "sound/CSample.h"
#include "sound/CStream.h"
#include "sound/ISoundObject.h"

class CSoundSystem {
public:
    CSoundSystem();
    ~CSoundSystem();
    CSoundSystem(const CSoundSystem&) = delete;
    CSoundSystem& operator=(const CSoundSystem&) = delete;

    // Every call makes a new object, even for a path loaded before.
    CSample* LoadSample(std::string path);
    CMusic* LoadMusic(std::string path);
    CStream* CreateStream(std::string path);

    // Each frees the object only if it is in the list with the matching type.
    void FreeSample(CSample* sample);
    void FreeMusic(CMusic* music);
    void FreeStream(CStream* stream);
    void FreeAll();

    // The live objects in creation order (for inspection; the system owns them).
    const std::vector<ISoundObject*>& GetObjects() const { return objects; }

private:
    void _Free(ISoundObject* object, SoundType type);

    std::vector<ISoundObject*> objects;
};
