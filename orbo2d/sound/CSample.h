// A sound effect loaded whole; every Play starts a new playback on a free channel.
#pragma once

#include <string>

#include "fsound.h"
#include "sound/ISoundObject.h"

class CSample : public ISoundObject {
public:
    explicit CSample(std::string path);
    ~CSample() override;

    void Play() override;
    void Stop() override;
    bool IsPlaying() override;
    int GetVolume() override;
    void SetVolume(int volume) override;

private:
    FSOUND_SAMPLE* handle;
};
