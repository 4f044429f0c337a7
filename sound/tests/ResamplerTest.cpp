// Sample-rate conversion: lengths, values, and pieces that join without a seam.
#include <gtest/gtest.h>

#include "Resampler.h"

using fmodlite::Pcm;
using fmodlite::Resampler;

namespace {

Pcm Ramp(size_t frames)
{
    Pcm in;
    for (size_t i = 0; i < frames; ++i) {
        in.push_back(static_cast<int16_t>(i * 8));
        in.push_back(static_cast<int16_t>(-static_cast<int>(i) * 8));
    }
    return in;
}

Pcm Convert(int rate, const Pcm& in, size_t piece)
{
    Resampler r(rate);
    Pcm out;
    for (size_t at = 0; at < in.size() / 2; at += piece)
        r.Push(in.data() + at * 2, std::min(piece, in.size() / 2 - at), out);
    r.Finish(out);
    return out;
}

TEST(ResamplerTest, MixRatePassesThroughUnchanged)
{
    const Pcm in = Ramp(1000);
    EXPECT_EQ(Convert(44100, in, 1000), in);
}

TEST(ResamplerTest, LengthFollowsTheRateRatio)
{
    struct Case {
        int rate;
        size_t inFrames;
        size_t outFrames;
    };
    const Case cases[] = {{22050, 1000, 2000}, {11025, 1000, 4000}, {88200, 1000, 500}, {48000, 4800, 4410}};
    for (const Case& c : cases)
        EXPECT_NEAR(static_cast<double>(Convert(c.rate, Ramp(c.inFrames), c.inFrames).size() / 2), c.outFrames, 2.0)
            << c.rate;
}

TEST(ResamplerTest, HalfRateInterpolatesBetweenInputFrames)
{
    const Pcm out = Convert(22050, Ramp(10), 10);
    // Output frame 2k is input frame k, frame 2k+1 lies halfway to frame k+1.
    EXPECT_EQ(out[2 * 4], 16);
    EXPECT_EQ(out[2 * 5], 20);
    EXPECT_EQ(out[2 * 5 + 1], -20);
}

TEST(ResamplerTest, ConvertingInPiecesMatchesConvertingWhole)
{
    const Pcm in = Ramp(3001);
    for (int rate : {8000, 22050, 32000, 48000, 96000}) {
        const Pcm whole = Convert(rate, in, in.size());
        for (size_t piece : {1u, 7u, 1000u})
            EXPECT_EQ(Convert(rate, in, piece), whole) << rate << " in pieces of " << piece;
    }
}

TEST(ResamplerTest, FullScaleRiseStaysMonotonic)
{
    // From the lowest to the highest value at a tenth of a frame per step: the products in
    // the interpolation exceed 32 bits, and a wrap would show as a drop.
    const Pcm in = {-32768, -32768, 32767, 32767};
    const Pcm out = Convert(4410, in, 2);
    ASSERT_GE(out.size() / 2, 19u);
    for (size_t i = 1; i < out.size() / 2; ++i)
        EXPECT_GE(out[2 * i], out[2 * (i - 1)]) << "frame " << i;
    EXPECT_EQ(out[0], -32768);
    EXPECT_EQ(out.back(), 32767);
}

}  // namespace
