// The mixer on its own: handle generations, channel limits, saturation.
#include <gtest/gtest.h>

#include "Mixer.h"

using namespace fmodlite;

namespace {

Sample Constant(int16_t value, size_t frames)
{
    Sample s;
    s.pcm.assign(frames * 2, value);
    return s;
}

std::vector<int16_t> Mix(Mixer& m, int frames)
{
    std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
    m.Mix(out.data(), frames);
    return out;
}

TEST(MixerTest, SumSaturatesInsteadOfWrapping)
{
    Mixer m;
    const Sample loud = Constant(30000, 100);
    const Sample low = Constant(-30000, 100);
    m.Play(-1, &loud);
    m.Play(-1, &loud);
    EXPECT_EQ(Mix(m, 10)[0], 32767);
    m.StopAll();
    m.Play(-1, &low);
    m.Play(-1, &low);
    EXPECT_EQ(Mix(m, 10)[0], -32768);
}

TEST(MixerTest, FewerChannelsLimitPlaybacks)
{
    Mixer m;
    m.SetChannelCount(4);
    const Sample s = Constant(100, 1000);
    int handles[5];
    for (int& h : handles)
        h = m.Play(-1, &s);
    EXPECT_FALSE(m.IsPlaying(handles[0])) << "the fifth took the oldest channel";
    EXPECT_EQ(handles[4] % 32, handles[0] % 32);
    EXPECT_EQ(Mix(m, 1)[0], 400);
    EXPECT_EQ(m.Play(4, &s), 0) << "channel 4 is beyond the count";
    EXPECT_EQ(m.Play(-2, &s), 0);
    EXPECT_NE(m.Play(2, &s), 0) << "a named channel is taken over";
    EXPECT_FALSE(m.IsPlaying(handles[2]));
}

TEST(MixerTest, HandlesStayUniqueAcrossManyReuses)
{
    Mixer m;
    m.SetChannelCount(1);
    const Sample s = Constant(1, 1);
    int previous = 0;
    for (int i = 0; i < 1000; ++i) {
        const int h = m.Play(-1, &s);
        ASSERT_GT(h, previous);
        EXPECT_FALSE(m.IsPlaying(previous));
        previous = h;
    }
}

TEST(MixerTest, BlocksLongerThanTheScratchAreMixedWhole)
{
    Mixer m;
    const Sample s = Constant(7, kBlockFrames * 3 + 5);
    const int h = m.Play(-1, &s);
    const auto out = Mix(m, kBlockFrames * 3 + 10);
    EXPECT_EQ(out[2 * (kBlockFrames * 3 + 4)], 7);
    EXPECT_EQ(out[2 * (kBlockFrames * 3 + 5)], 0);
    EXPECT_FALSE(m.IsPlaying(h));
}

TEST(MixerTest, StreamRunningDryWaitsUntilTheEnd)
{
    Mixer m;
    StreamRing ring(8);
    ring.pcm.assign(ring.pcm.size(), 1000);
    ring.written = 4;
    const int h = m.Play(-1, &ring);
    auto out = Mix(m, 6);
    EXPECT_EQ(out[2 * 3], 1000);
    EXPECT_EQ(out[2 * 4], 0) << "an underrun is silence";
    EXPECT_TRUE(m.IsPlaying(h)) << "the decoder is only late";
    ring.written = 6;
    ring.ended = true;
    out = Mix(m, 6);
    EXPECT_EQ(out[2 * 1], 1000);
    EXPECT_FALSE(m.IsPlaying(h));
}

TEST(MixerTest, HeldPlaybackWaitsForItsVolumeOrOnePass)
{
    Mixer m;
    m.HoldNewPlaybacks(true);
    const Sample s = Constant(1000, 100);

    // A pass between the play call and the volume call plays nothing of it...
    const int h = m.Play(-1, &s);
    EXPECT_EQ(Mix(m, 10)[0], 0);
    EXPECT_TRUE(m.IsPlaying(h));
    // ...and the volume applies from the first frame on.
    m.SetVolume(h, 51);
    auto out = Mix(m, 10);
    EXPECT_NEAR(out[0], 200, 1);

    // Set at once, the volume lets it play in the very next pass.
    m.StopAll();
    m.SetVolume(m.Play(-1, &s), 51);
    EXPECT_NEAR(Mix(m, 10)[0], 200, 1);

    // Nobody sets a volume: it starts one pass late, from its start.
    m.StopAll();
    const int late = m.Play(-1, &s);
    Mix(m, 10);
    out = Mix(m, 100);
    EXPECT_EQ(out[0], 1000);
    EXPECT_EQ(out[2 * 99], 1000);
    EXPECT_FALSE(m.IsPlaying(late));
}

}  // namespace
