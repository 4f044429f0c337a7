// A tracker module held in memory and played through libxmp.
#pragma once

#include <memory>
#include <string>

#include <xmp.h>

#include "Format.h"

namespace fmodlite {

class Module {
public:
    // Reads the whole file during the call; null when it is missing or not a module.
    static std::unique_ptr<Module> Load(const std::string& path);
    ~Module();
    Module(const Module&) = delete;
    Module& operator=(const Module&) = delete;

    // The following are called under the audio lock.
    // Adds the module's next `frames` frames, scaled by the master volume, to `acc`.
    void MixInto(int32_t* acc, int frames);
    void Restart();

    bool playing = false;
    int masterVolume = 256;  // 0..256, 256 leaves the module as loud as libxmp renders it

private:
    explicit Module(xmp_context context);
    // Plays the next tick that holds sound; false when the module ends or stays silent.
    bool NextFrame();

    xmp_context context;
    bool played = false;
    // The tick being mixed: libxmp's own buffer, valid until the next tick is played.
    const int16_t* frame = nullptr;
    int frameSamples = 0;
    int frameUsed = 0;
};

}  // namespace fmodlite
