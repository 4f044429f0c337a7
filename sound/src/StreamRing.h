// Decoded stream audio on its way from the decoding side to the mixer.
#pragma once

#include <cstdint>

#include "Format.h"

namespace fmodlite {

// Every field is guarded by the audio lock. Only the decoding side moves `written`
// and only the mixer moves `read`, so the decoder may fill the space it saw free
// without holding the lock while it decodes.
struct StreamRing {
    explicit StreamRing(size_t capacityFrames) : pcm(capacityFrames * 2), capacity(capacityFrames) {}

    size_t Available() const { return static_cast<size_t>(written - read); }
    size_t Free() const { return capacity - Available(); }

    Pcm pcm;
    size_t capacity;
    uint64_t read = 0;
    uint64_t written = 0;
    bool ended = false;  // nothing will be written any more
};

}  // namespace fmodlite
