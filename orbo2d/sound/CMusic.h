// A tracker module.
#pragma once

#include <string>

#include "fsound.h"
#include "sound/ISoundObject.h"

class CMusic : public ISoundObject {
public:
    explicit CMusic(std::string path);
    ~CMusic() override;

    void Play() override;
    void Stop() override;
    bool IsPlaying() override;
    int GetVolume() override;
    void SetVolume(int volume) override;

private:
    FMUSIC_MODULE* handle;
};
