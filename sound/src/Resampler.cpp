// Linear conversion of the sample rate.
#include "Resampler.h"

namespace fmodlite {

Resampler::Resampler(int inputRate)
    : step(static_cast<uint32_t>((static_cast<uint64_t>(inputRate) << 16) / kMixRate))
{
}

void Resampler::Reset()
{
    phase = 0;
    havePrev = false;
}

void Resampler::Push(const int16_t* in, size_t frames, Pcm& out)
{
    if (step == 0x10000) {
        out.insert(out.end(), in, in + frames * 2);
        return;
    }
    for (size_t i = 0; i < frames; ++i) {
        const int16_t* cur = in + 2 * i;
        if (!havePrev) {
            prev[0] = cur[0];
            prev[1] = cur[1];
            havePrev = true;
            continue;
        }
        while (phase < 0x10000) {
            for (int c = 0; c < 2; ++c) {
                int64_t a = prev[c];
                int64_t b = cur[c];
                out.push_back(static_cast<int16_t>(a + (((b - a) * phase) >> 16)));
            }
            phase += step;
        }
        phase -= 0x10000;
        prev[0] = cur[0];
        prev[1] = cur[1];
    }
}

void Resampler::Finish(Pcm& out)
{
    if (step == 0x10000 || !havePrev)
        return;
    // The last input frame still owns the output frames that fall before the next one would.
    while (phase < 0x10000) {
        out.push_back(prev[0]);
        out.push_back(prev[1]);
        phase += step;
    }
    havePrev = false;
    phase = 0;
}

}  // namespace fmodlite
