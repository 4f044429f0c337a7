// Audio played while it is read from its file.
#pragma once

#include <string>

#include "fsound.h"
#include "sound/ISoundObject.h"

class CStream : public ISoundObject {
public:
    explicit CStream(std::string path);
    ~CStream() override;

    void Play() override;
    void Stop() override;
    bool IsPlaying() override;
    int GetVolume() override;
    void SetVolume(int volume) override;

private:
    FSOUND_STREAM* handle;
};
