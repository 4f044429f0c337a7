// A sound decoded whole into memory, ready for the mixer.
#pragma once

#include "Format.h"

namespace fmodlite {

struct Sample {
    Pcm pcm;  // stereo at the mixer's rate
    bool loop = false;
    int slot = -1;  // the library's slot, or -1 for an unmanaged sample

    size_t Frames() const { return pcm.size() / 2; }
};

}  // namespace fmodlite
