// Streams through the public calls: whole-file playback decoded ahead, restart, close.
#include <cstdio>

#include "PulledLibrary.h"

using soundtest::Peak;

namespace {

class StreamTest : public PulledLibrary {
protected:
    // Renders until the channel ends; answers the frames rendered and the last non-silent one.
    std::pair<int, int> PlayOut(int channel, int limit)
    {
        int frames = 0;
        int lastSound = -1;
        while (FSOUND_IsPlaying(channel) && frames < limit) {
            const auto out = Render(1000);
            for (int i = 0; i < 1000; ++i)
                if (out[2 * i] != 0)
                    lastSound = frames + i;
            frames += 1000;
        }
        return {frames, lastSound};
    }
};

TEST_F(StreamTest, PlaysItsWholeFileLongerThanTheDecodeAhead)
{
    // Three seconds: several times what is ever decoded ahead.
    const int length = 3 * 44100;
    FSOUND_STREAM* st = FSOUND_Stream_Open(Sine("long.wav", length).c_str(), 0, 0, 0);
    ASSERT_NE(st, nullptr);
    const int ch = FSOUND_Stream_Play(FSOUND_FREE, st);
    ASSERT_NE(ch, 0);
    FSOUND_SetVolume(ch, 255);

    std::vector<int16_t> all;
    while (FSOUND_IsPlaying(ch) && all.size() < static_cast<size_t>(length) * 4) {
        const auto out = Render(4410);
        all.insert(all.end(), out.begin(), out.end());
    }
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    // Every tenth of a second of the file came out at full level, without gaps.
    for (int t = 0; t < 30; ++t)
        EXPECT_NEAR(Peak(all.data() + t * 4410 * 2, 4410), 16384, 2) << "at " << t / 10.0 << " s";
    EXPECT_EQ(Peak(all.data() + length * 2, all.size() / 2 - length), 0) << "silence after the end";
    FSOUND_Stream_Close(st);
}

TEST_F(StreamTest, StopThenPlayStartsOverFromTheTop)
{
    FSOUND_STREAM* st = FSOUND_Stream_Open(Sine("s.wav", 20000).c_str(), 0, 0, 0);
    const int first = FSOUND_Stream_Play(FSOUND_FREE, st);
    const auto start = Render(100);
    Render(5000);
    EXPECT_EQ(FSOUND_Stream_Stop(st), 1);
    EXPECT_FALSE(FSOUND_IsPlaying(first));
    EXPECT_EQ(Peak(Render(500).data(), 500), 0);

    const int second = FSOUND_Stream_Play(FSOUND_FREE, st);
    EXPECT_NE(second, first);
    EXPECT_EQ(Render(100), start);
    auto [frames, lastSound] = PlayOut(second, 100000);
    EXPECT_EQ(frames, 20000) << "the playback ends in the piece holding its last frame";
    EXPECT_LT(lastSound, 20000 - 100);
    FSOUND_Stream_Close(st);
}

TEST_F(StreamTest, ResampledStreamKeepsItsDuration)
{
    soundtest::SineWav sine;
    sine.rate = 22050;
    sine.frames = 22050;  // one second
    const std::string path = dir.File("slow.wav");
    ASSERT_TRUE(soundtest::WriteSineWav(path, sine));
    FSOUND_STREAM* st = FSOUND_Stream_Open(path.c_str(), 0, 0, 0);
    const int ch = FSOUND_Stream_Play(FSOUND_FREE, st);
    auto [frames, lastSound] = PlayOut(ch, 200000);
    EXPECT_EQ(frames, 45000);
    EXPECT_NEAR(lastSound, 44100, 4);
    FSOUND_Stream_Close(st);
}

TEST_F(StreamTest, ClosingAPlayingStreamSilencesIt)
{
    FSOUND_STREAM* st = FSOUND_Stream_Open(Sine("s.wav", 44100).c_str(), 0, 0, 0);
    const int ch = FSOUND_Stream_Play(FSOUND_FREE, st);
    Render(100);
    EXPECT_EQ(FSOUND_Stream_Close(st), 1);
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    EXPECT_EQ(Peak(Render(1000).data(), 1000), 0);
    EXPECT_EQ(FSOUND_Stream_Close(st), 0) << "a second close is ignored";
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, st), 0);
}

TEST_F(StreamTest, BadFilesGiveNoStream)
{
    const std::string corrupt = dir.File("bad.wav");
    soundtest::WriteCorruptWav(corrupt);
    EXPECT_EQ(FSOUND_Stream_Open(corrupt.c_str(), 0, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_Stream_Open(dir.File("missing.wav").c_str(), 0, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_Stream_Open(nullptr, 0, 0, 0), nullptr);
}

}  // namespace
