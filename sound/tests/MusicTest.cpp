// Tracker modules through the public calls.
#include <algorithm>
#include <cstdio>
#include <fstream>

#include "PulledLibrary.h"

using soundtest::Rms;

namespace {

class MusicTest : public PulledLibrary {
protected:
    std::string Module()
    {
        const std::string path = dir.File("temp.tmp");
        EXPECT_TRUE(soundtest::WriteTestModule(path));
        return path;
    }
};

TEST_F(MusicTest, PlaysFromMemoryAfterItsFileIsDeleted)
{
    const std::string path = Module();
    FMUSIC_MODULE* m = FMUSIC_LoadSong(path.c_str());
    ASSERT_NE(m, nullptr);
    std::remove(path.c_str());

    EXPECT_FALSE(FMUSIC_IsPlaying(m));
    EXPECT_EQ(Rms(Render(4410).data(), 4410), 0.0) << "silent until played";
    ASSERT_EQ(FMUSIC_PlaySong(m), 1);
    EXPECT_TRUE(FMUSIC_IsPlaying(m));
    // It loops on by itself: every second of the next ten sounds.
    for (int second = 0; second < 10; ++second)
        EXPECT_GT(Rms(Render(44100).data(), 44100), 1000.0) << "second " << second;
    EXPECT_TRUE(FMUSIC_IsPlaying(m));

    FMUSIC_StopSong(m);
    EXPECT_FALSE(FMUSIC_IsPlaying(m));
    EXPECT_EQ(Rms(Render(4410).data(), 4410), 0.0);
    EXPECT_EQ(FMUSIC_FreeSong(m), 1);
}

TEST_F(MusicTest, MasterVolumeScalesTheModule)
{
    const std::string path = Module();
    FMUSIC_MODULE* full = FMUSIC_LoadSong(path.c_str());
    FMUSIC_PlaySong(full);
    const auto loud = Render(20000);
    FMUSIC_FreeSong(full);

    for (int volume : {128, 82, 0, 300, -4}) {
        FMUSIC_MODULE* m = FMUSIC_LoadSong(path.c_str());
        ASSERT_EQ(FMUSIC_SetMasterVolume(m, volume), 1);
        FMUSIC_PlaySong(m);
        // A fresh module renders the same frames again, scaled by volume / 256.
        const auto out = Render(20000);
        const int clamped = std::clamp(volume, 0, 256);
        for (size_t i = 0; i < out.size(); i += 97)
            ASSERT_EQ(out[i], (loud[i] * clamped) >> 8) << "volume " << volume << " at " << i;
        FMUSIC_FreeSong(m);
    }
}

TEST_F(MusicTest, PlayAfterStopStartsAgain)
{
    FMUSIC_MODULE* m = FMUSIC_LoadSong(Module().c_str());
    FMUSIC_PlaySong(m);
    Render(30000);
    FMUSIC_StopSong(m);
    EXPECT_EQ(FMUSIC_PlaySong(m), 1);
    EXPECT_TRUE(FMUSIC_IsPlaying(m));
    EXPECT_GT(Rms(Render(44100).data(), 44100), 1000.0);
    FMUSIC_FreeSong(m);
}

TEST_F(MusicTest, FreeingAPlayingModuleSilencesIt)
{
    FMUSIC_MODULE* m = FMUSIC_LoadSong(Module().c_str());
    FMUSIC_PlaySong(m);
    Render(1000);
    EXPECT_EQ(FMUSIC_FreeSong(m), 1);
    EXPECT_EQ(Rms(Render(4410).data(), 4410), 0.0);
    // The freed handle is now unknown to every call.
    EXPECT_EQ(FMUSIC_IsPlaying(m), 0);
    EXPECT_EQ(FMUSIC_PlaySong(m), 0);
    EXPECT_EQ(FMUSIC_FreeSong(m), 0);
}

TEST_F(MusicTest, RenderingInAnyPiecesGivesTheSameSound)
{
    // The mixer asks for blocks that end anywhere inside the module's ticks.
    const std::string path = Module();
    FMUSIC_MODULE* whole = FMUSIC_LoadSong(path.c_str());
    FMUSIC_PlaySong(whole);
    const auto expected = Render(30000);
    FMUSIC_FreeSong(whole);

    for (int piece : {1, 7, 1000, 3528, 4096}) {
        FMUSIC_MODULE* m = FMUSIC_LoadSong(path.c_str());
        FMUSIC_PlaySong(m);
        std::vector<int16_t> got;
        while (got.size() < expected.size()) {
            const int frames = std::min<int>(piece, static_cast<int>(expected.size() - got.size()) / 2);
            const auto part = Render(frames);
            got.insert(got.end(), part.begin(), part.end());
        }
        EXPECT_EQ(got, expected) << "in pieces of " << piece;
        FMUSIC_FreeSong(m);
    }
}

TEST_F(MusicTest, ADamagedModuleWithNoSoundInItsTicksEndsInsteadOfHoldingUpTheMixer)
{
    const std::string path = dir.File("tempoless.xm");
    ASSERT_TRUE(soundtest::WriteBytes(path, soundtest::TempolessModuleBytes()));
    FMUSIC_MODULE* m = FMUSIC_LoadSong(path.c_str());
    ASSERT_NE(m, nullptr) << "the damaged module must load for this to show anything";
    ASSERT_EQ(FMUSIC_PlaySong(m), 1);
    // Before, the mixer waited for sound that never came, and held the audio lock meanwhile.
    EXPECT_EQ(Rms(Render(4410).data(), 4410), 0.0);
    EXPECT_FALSE(FMUSIC_IsPlaying(m));
    // A sound started afterwards still plays.
    FSOUND_SAMPLE* sine = FSOUND_Sample_Load(FSOUND_UNMANAGED, Sine("a.wav").c_str(), 0, 0, 0);
    ASSERT_GE(FSOUND_PlaySound(FSOUND_FREE, sine), 0);
    EXPECT_GT(Rms(Render(2205).data(), 2205), 1000.0);
    FMUSIC_FreeSong(m);
    FSOUND_Sample_Free(sine);
}

TEST_F(MusicTest, BadFilesGiveNoModule)
{
    const std::string wav = Sine("a.wav");
    const std::string empty = dir.File("empty.xm");
    std::ofstream{empty};
    for (const std::string& path : {wav, empty, dir.File("missing.xm")})
        EXPECT_EQ(FMUSIC_LoadSong(path.c_str()), nullptr) << path;
    EXPECT_EQ(FMUSIC_LoadSong(nullptr), nullptr);
}

}  // namespace
