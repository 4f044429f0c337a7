// Every call with null, unknown or freed handles, and before, after or without a working output.
#include <cstdlib>

#include "PulledLibrary.h"

namespace {

// Calls everything the games call with what they might hand over when a load failed.
void CallEverything(FSOUND_SAMPLE* s, FSOUND_STREAM* st, FMUSIC_MODULE* m, int channel)
{
    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, s), 0);
    EXPECT_EQ(FSOUND_SetVolume(channel, 100), 0);
    EXPECT_EQ(FSOUND_IsPlaying(channel), 0);
    EXPECT_EQ(FSOUND_StopSound(channel), 0);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, st), 0);
    EXPECT_EQ(FSOUND_Stream_Stop(st), 0);
    EXPECT_EQ(FMUSIC_PlaySong(m), 0);
    EXPECT_EQ(FMUSIC_IsPlaying(m), 0);
    EXPECT_EQ(FMUSIC_StopSong(m), 0);
    EXPECT_EQ(FMUSIC_SetMasterVolume(m, 82), 0);
    EXPECT_EQ(FMUSIC_FreeSong(m), 0);
    EXPECT_EQ(FSOUND_Stream_Close(st), 0);
    FSOUND_Sample_Free(s);
}

TEST(RobustnessTest, NullAndUnknownHandlesDoNothing)
{
    // Unknown pointers are never followed: the library checks them against what it handed out.
    alignas(16) char junk[64] = {};
    struct Handles {
        FSOUND_SAMPLE* s;
        FSOUND_STREAM* st;
        FMUSIC_MODULE* m;
        int channel;
    };
    const Handles cases[] = {
        {nullptr, nullptr, nullptr, 0},
        {reinterpret_cast<FSOUND_SAMPLE*>(junk), reinterpret_cast<FSOUND_STREAM*>(junk),
         reinterpret_cast<FMUSIC_MODULE*>(junk), 12345},
    };
    for (const Handles& h : cases) {
        CallEverything(h.s, h.st, h.m, h.channel);  // not initialised
        ASSERT_EQ(FSOUNDX_InitPulled(32), 1);
        CallEverything(h.s, h.st, h.m, h.channel);
        FSOUND_Close();
        CallEverything(h.s, h.st, h.m, h.channel);  // closed
    }
}

TEST(RobustnessTest, WithoutOutputLoadsWorkAndNothingPlays)
{
    soundtest::ScratchDir dir;
    soundtest::SineWav sine;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), sine));
    ASSERT_TRUE(soundtest::WriteTestModule(dir.File("m.xm")));
    soundtest::WriteCorruptWav(dir.File("bad.wav"));

    // Loads parse their files whether or not output runs, so bad files still give null.
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, dir.File("a.wav").c_str(), 0, 0, 0);
    FSOUND_STREAM* st = FSOUND_Stream_Open(dir.File("a.wav").c_str(), 0, 0, 0);
    FMUSIC_MODULE* m = FMUSIC_LoadSong(dir.File("m.xm").c_str());
    ASSERT_NE(s, nullptr);
    ASSERT_NE(st, nullptr);
    ASSERT_NE(m, nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, dir.File("bad.wav").c_str(), 0, 0, 0), nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, dir.File("none.wav").c_str(), 0, 0, 0), nullptr);

    EXPECT_EQ(FSOUND_PlaySound(FSOUND_FREE, s), 0);
    EXPECT_EQ(FSOUND_Stream_Play(FSOUND_FREE, st), 0);
    EXPECT_EQ(FMUSIC_PlaySong(m), 0);
    EXPECT_EQ(FMUSIC_IsPlaying(m), 0);
    int16_t frame[2];
    EXPECT_EQ(FSOUNDX_Render(frame, 1), 0);

    // Once output runs the same handles play.
    ASSERT_EQ(FSOUNDX_InitPulled(32), 1);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    EXPECT_TRUE(FSOUND_IsPlaying(ch));
    FSOUND_Close();
    EXPECT_FALSE(FSOUND_IsPlaying(ch)) << "closing ends every playback";

    FSOUND_Sample_Free(s);
    FSOUND_Stream_Close(st);
    FMUSIC_FreeSong(m);
}

TEST(RobustnessTest, FailedInitLeavesEverythingQuiet)
{
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    EXPECT_EQ(FSOUND_Init(44100, 32, 0), 0);
    EXPECT_EQ(FSOUND_Init(44100, 0, 0), 0);
    setenv("SDL_AUDIODRIVER", saved.c_str(), 1);

    soundtest::ScratchDir dir;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), soundtest::SineWav{}));
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_FREE, dir.File("a.wav").c_str(), FSOUND_LOOP_OFF, 0, 0);
    ASSERT_NE(s, nullptr);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    EXPECT_EQ(ch, 0);
    EXPECT_EQ(FSOUND_IsPlaying(ch), 0);
    FSOUND_Sample_Free(s);
    FSOUND_Close();
    FSOUND_Close();  // closing twice, or without a start, is harmless
}

TEST(RobustnessTest, PartialFileLoadsAreRefused)
{
    soundtest::ScratchDir dir;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), soundtest::SineWav{}));
    const std::string path = dir.File("a.wav");
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 44, 0), nullptr);
    EXPECT_EQ(FSOUND_Sample_Load(FSOUND_UNMANAGED, path.c_str(), 0, 0, 100), nullptr);
    EXPECT_EQ(FSOUND_Stream_Open(path.c_str(), 0, 10, 0), nullptr);
}

}  // namespace
