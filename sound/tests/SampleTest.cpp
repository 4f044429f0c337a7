// Samples through the public calls: loading, volume, overlapping playbacks, handles.
#include <cstdio>

#include "PulledLibrary.h"

using soundtest::Peak;

namespace {

class SampleTest : public PulledLibrary {};

TEST_F(SampleTest, VolumeScalesAmplitudeLinearly)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav").c_str(), 0, 0, 0);
    ASSERT_NE(s, nullptr);

    struct Case {
        int volume;
        double expectedPeak;
    };
    // The sine peaks at 16384 (half scale); 255 plays it untouched.
    const Case cases[] = {{255, 16384.0}, {40, 16384.0 * 40 / 255}, {128, 16384.0 * 128 / 255}, {0, 0.0}};
    for (const Case& c : cases) {
        const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
        ASSERT_EQ(FSOUND_SetVolume(ch, c.volume), 1);
        const auto out = Render(2205);
        EXPECT_NEAR(Peak(out.data(), 2205, 0), c.expectedPeak, 2.0) << "volume " << c.volume;
        EXPECT_NEAR(Peak(out.data(), 2205, 1), c.expectedPeak, 2.0) << "mono plays on both sides";
        FSOUND_StopSound(ch);
    }
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, OutOfRangeVolumesAreClamped)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav").c_str(), 0, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    FSOUND_SetVolume(ch, 1000);
    EXPECT_EQ(Peak(Render(1000).data(), 1000), 16384);
    // A negative volume must not turn the wave upside down or wrap around.
    FSOUND_SetVolume(ch, -5);
    EXPECT_EQ(Peak(Render(1000).data(), 1000), 0);
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, OverlappingPlaybacksAddAndStopIndependently)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 44100).c_str(), 0, 0, 0);
    const int first = FSOUND_PlaySound(FSOUND_FREE, s);
    const int second = FSOUND_PlaySound(FSOUND_FREE, s);
    ASSERT_NE(first, 0);
    ASSERT_NE(second, 0);
    ASSERT_NE(first, second);
    EXPECT_NEAR(Peak(Render(1000).data(), 1000), 32767, 2) << "two in-phase sines add up";

    EXPECT_EQ(FSOUND_StopSound(second), 1);
    EXPECT_TRUE(FSOUND_IsPlaying(first));
    EXPECT_FALSE(FSOUND_IsPlaying(second));
    EXPECT_NEAR(Peak(Render(1000).data(), 1000), 16384, 2);
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, PlaysForExactlyItsLengthThenEnds)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 3000).c_str(), 0, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    EXPECT_TRUE(FSOUND_IsPlaying(ch));
    Render(2999);
    EXPECT_TRUE(FSOUND_IsPlaying(ch)) << "one frame is still to come";
    const auto tail = Render(100);
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    EXPECT_EQ(Peak(tail.data() + 2, 99), 0) << "nothing after the last frame";
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, LoopingSampleWrapsAround)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 1000).c_str(), FSOUND_LOOP_NORMAL, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    const auto out = Render(5000);
    EXPECT_TRUE(FSOUND_IsPlaying(ch));
    EXPECT_EQ(out[2 * 4100], out[2 * 100]) << "frame 4100 is frame 100 of the fifth round";
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, StaleHandleCannotTouchANewerPlaybackOnItsChannel)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 100).c_str(), 0, 0, 0);
    FSOUND_SAMPLE* longer = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("b.wav", 44100).c_str(), 0, 0, 0);
    const int old = FSOUND_PlaySound(FSOUND_FREE, s);
    Render(200);
    ASSERT_FALSE(FSOUND_IsPlaying(old));

    const int fresh = FSOUND_PlaySound(FSOUND_FREE, longer);
    ASSERT_EQ(fresh % 32, old % 32) << "the freed channel is reused";
    ASSERT_NE(fresh, old);
    EXPECT_FALSE(FSOUND_IsPlaying(old));
    EXPECT_EQ(FSOUND_SetVolume(old, 0), 0);
    EXPECT_EQ(FSOUND_StopSound(old), 0);
    EXPECT_TRUE(FSOUND_IsPlaying(fresh));
    EXPECT_NEAR(Peak(Render(1000).data(), 1000), 16384, 2);
    FSOUND_Sample_Free(s);
    FSOUND_Sample_Free(longer);
}

TEST_F(SampleTest, AllChannelsBusyTheOldestGivesWay)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 44100).c_str(), 0, 0, 0);
    std::vector<int> handles;
    for (int i = 0; i < 32; ++i)
        handles.push_back(FSOUND_PlaySound(FSOUND_FREE, s));
    const int extra = FSOUND_PlaySound(FSOUND_FREE, s);
    ASSERT_NE(extra, 0);
    EXPECT_EQ(extra % 32, handles[0] % 32);
    EXPECT_FALSE(FSOUND_IsPlaying(handles[0]));
    for (int i = 1; i < 32; ++i)
        EXPECT_TRUE(FSOUND_IsPlaying(handles[i]));
    EXPECT_TRUE(FSOUND_IsPlaying(extra));
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, HandleZeroNamesNoPlayback)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 44100).c_str(), 0, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    EXPECT_FALSE(FSOUND_IsPlaying(0));
    EXPECT_EQ(FSOUND_StopSound(0), 0);
    EXPECT_EQ(FSOUND_SetVolume(0, 0), 0);
    // Plain channel numbers are no handles either.
    for (int bogus : {-1, 1, ch % 32, ch + 32, ch + 1})
        EXPECT_FALSE(FSOUND_IsPlaying(bogus)) << bogus;
    EXPECT_TRUE(FSOUND_IsPlaying(ch));
    EXPECT_NEAR(Peak(Render(1000).data(), 1000), 16384, 2);
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, FileIsNotNeededAfterTheLoad)
{
    const std::string path = Sine("temp.tmp");
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
    ASSERT_NE(s, nullptr);
    std::remove(path.c_str());
    // The next asset overwrites the scratch file, as wtrq's package reader does.
    soundtest::WriteCorruptWav(path);
    FSOUND_PlaySound(FSOUND_FREE, s);
    EXPECT_NEAR(Peak(Render(1000).data(), 1000), 16384, 2);
    FSOUND_Sample_Free(s);
}

TEST_F(SampleTest, RatesAndChannelLayoutsAreConverted)
{
    struct Case {
        int rate;
        int channels;
    };
    for (const Case c : {Case{22050, 1}, Case{11025, 2}, Case{48000, 2}, Case{44100, 2}}) {
        soundtest::SineWav sine;
        sine.rate = c.rate;
        sine.channels = c.channels;
        sine.frames = c.rate / 2;  // half a second
        const std::string path = dir.File("rate.wav");
        ASSERT_TRUE(soundtest::WriteSineWav(path, sine));
        FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 0);
        ASSERT_NE(s, nullptr) << c.rate;
        const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
        const auto body = Render(22050 - 10);
        EXPECT_TRUE(FSOUND_IsPlaying(ch)) << c.rate << " Hz lasts half a second";
        EXPECT_NEAR(Peak(body.data(), body.size() / 2, 0), 16384, 400) << c.rate;
        EXPECT_NEAR(Peak(body.data(), body.size() / 2, 1), 16384, 400) << c.rate;
        Render(20);
        EXPECT_FALSE(FSOUND_IsPlaying(ch)) << c.rate;
        FSOUND_Sample_Free(s);
    }
}

TEST_F(SampleTest, FreeingAPlayingSampleSilencesIt)
{
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav", 44100).c_str(), 0, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    Render(100);
    FSOUND_Sample_Free(s);
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    EXPECT_EQ(Peak(Render(1000).data(), 1000), 0);
    FSOUND_Sample_Free(s);  // a second free of the same handle is ignored
}

TEST_F(SampleTest, ManagedSlots)
{
    const std::string path = Sine("a.wav");
    FSOUND_SAMPLE* a = FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
    FSOUND_SAMPLE* b = FSOUND_Sample_Load(FSOUND_FREE, path.c_str(), FSOUND_LOOP_OFF, 0, 0);
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_NE(a, b);
    // Loading into a taken slot replaces (and frees) what was there.
    FSOUND_SAMPLE* c = FSOUND_Sample_Load(0, path.c_str(), 0, 0, 0);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, a), 0) << "the replaced sample is gone";
    EXPECT_NE(FSOUND_PlaySound(FSOUND_FREE, c), 0);
    EXPECT_EQ(FSOUND_Sample_Load(5000, path.c_str(), 0, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(-7, path.c_str(), 0, 0, 0), nullptr);
    FSOUND_Sample_Free(b);
    FSOUND_Sample_Free(c);
}

}  // namespace
