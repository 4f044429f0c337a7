// The one format the mixer works in: 44100 Hz, interleaved 16-bit stereo.
#pragma once

#include <cstdint>
#include <vector>

namespace fmodlite {

constexpr int kMixRate = 44100;
constexpr int kMaxChannels = 32;
// The mixer works through its output in blocks of this many frames, so its scratch
// buffers can be sized once and the audio callback never allocates.
constexpr int kBlockFrames = 1024;

// Interleaved stereo frames: element 2*i is frame i's left, 2*i+1 its right.
using Pcm = std::vector<int16_t>;

inline int16_t Saturate(int32_t v)
{
    return static_cast<int16_t>(v > 32767 ? 32767 : (v < -32768 ? -32768 : v));
}

}  // namespace fmodlite
