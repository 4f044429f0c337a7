// Converts stereo frames at a file's rate to the mixer's rate, a piece at a time.
#pragma once

#include <cstddef>
#include <cstdint>

#include "Format.h"

namespace fmodlite {

// Linear interpolation. It keeps the last input frame and its phase between calls,
// so a stream converted in pieces comes out the same as if converted whole.
class Resampler {
public:
    explicit Resampler(int inputRate);

    // Appends the converted frames of `frames` input frames to `out`.
    void Push(const int16_t* in, size_t frames, Pcm& out);
    // Appends what is still held back at the end of the input.
    void Finish(Pcm& out);
    void Reset();

private:
    uint32_t step;  // input frames per output frame, 16.16 fixed point
    uint32_t phase = 0;
    bool havePrev = false;
    int16_t prev[2] = {0, 0};
};

}  // namespace fmodlite
