// The interface every sound object of the engine answers, whatever it plays.
#pragma once

#include "core/SoundType.h"

class ISoundObject {
public:
    explicit ISoundObject(SoundType type) : channel(0), volume(255), type(type) {}
    virtual ~ISoundObject() = default;

    virtual void Play() = 0;
    virtual void Stop() = 0;
    virtual bool IsPlaying() = 0;
    virtual int GetVolume() = 0;
    virtual void SetVolume(int volume) = 0;

    SoundType GetType() { return type; }

protected:
    int channel;  // the channel handle of the latest Play; 0 before the first
    int volume;   // 0..255, handed to the library as it is
    SoundType type;
};
