// Real output through SDL's audio drivers: the disk driver's file and the dummy driver's thread.
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <thread>

#include <SDL.h>
#include <gtest/gtest.h>

#include "TestSounds.h"
#include "fsound.h"

namespace {

class DeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        const char* driver = std::getenv("SDL_AUDIODRIVER");
        savedDriver = driver ? driver : "";
    }
    void TearDown() override
    {
        FSOUND_Close();
        setenv("SDL_AUDIODRIVER", savedDriver.c_str(), 1);
        unsetenv("SDL_DISKAUDIOFILE");
    }

    std::string savedDriver;
    soundtest::ScratchDir dir;
};

std::vector<int16_t> ReadRaw(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::vector<int16_t> frames(bytes.size() / 2);
    std::memcpy(frames.data(), bytes.data(), frames.size() * 2);
    return frames;
}

TEST_F(DeviceTest, DiskDriverReceivesTheMixedSample)
{
    const std::string out = dir.File("out.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", out.c_str(), 1);
    soundtest::SineWav sine;
    sine.frames = 44100 / 4;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), sine));

    ASSERT_EQ(FSOUND_Init(44100, 32, 0), 1);
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_UNMANAGED, dir.File("a.wav").c_str(), 0, 0, 0);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    FSOUND_SetVolume(ch, 40);
    // The driver writes at the pace of a real device; a quarter second plays out quickly.
    for (int i = 0; i < 300 && FSOUND_IsPlaying(ch); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    FSOUND_Close();
    FSOUND_Sample_Free(s);

    const std::vector<int16_t> written = ReadRaw(out);
    ASSERT_GE(written.size(), sine.frames * 2u);
    // All of it at the volume set right after the play call, the very start included.
    EXPECT_NEAR(soundtest::Peak(written.data(), written.size() / 2), 16384.0 * 40 / 255, 2.0);
}

TEST_F(DeviceTest, StreamIsFedByItsThreadWhileTheDevicePlays)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    soundtest::SineWav sine;
    sine.frames = 44100;  // longer than the decode-ahead ring
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), sine));
    ASSERT_TRUE(soundtest::WriteTestModule(dir.File("m.xm")));

    ASSERT_EQ(FSOUND_Init(44100, 32, 0), 1);
    EXPECT_EQ(FSOUND_Init(44100, 32, 0), 1) << "a second start keeps the running output";
    FSOUND_STREAM* st = FSOUND_Stream_Open(dir.File("a.wav").c_str(), 0, 0, 0);
    FMUSIC_MODULE* m = FMUSIC_LoadSong(dir.File("m.xm").c_str());
    FMUSIC_SetMasterVolume(m, 82);
    FMUSIC_PlaySong(m);
    const int ch = FSOUND_Stream_Play(FSOUND_FREE, st);
    ASSERT_NE(ch, 0);
    // The dummy device consumes a second of audio in about a second, calling our mixer on
    // its own thread while ours decodes; the stream ends only once its whole file played.
    const auto start = std::chrono::steady_clock::now();
    while (FSOUND_IsPlaying(ch) && std::chrono::steady_clock::now() - start < std::chrono::seconds(10))
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_FALSE(FSOUND_IsPlaying(ch));
    EXPECT_GE(took, std::chrono::milliseconds(700)) << "a one-second stream cannot end much sooner";
    EXPECT_TRUE(FMUSIC_IsPlaying(m));
    FSOUND_Stream_Close(st);
    FMUSIC_FreeSong(m);
}

TEST_F(DeviceTest, StartAgainAfterTheProgramQuitSdl)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    soundtest::SineWav sine;
    sine.frames = 4410;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), sine));
    FSOUND_SAMPLE* s = FSOUND_Sample_Load(FSOUND_FREE, dir.File("a.wav").c_str(), FSOUND_LOOP_OFF, 0, 0);

    ASSERT_EQ(FSOUND_Init(44100, 32, 0), 1);
    SDL_Quit();  // as an engine does when it is destroyed without closing the library
    // A new engine starts the library again and must hear its sounds.
    ASSERT_EQ(FSOUND_Init(44100, 32, 0), 1);
    const int ch = FSOUND_PlaySound(FSOUND_FREE, s);
    ASSERT_NE(ch, 0) << "the managed sample survived the restart";
    for (int i = 0; i < 200 && FSOUND_IsPlaying(ch); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_FALSE(FSOUND_IsPlaying(ch)) << "the device mixes it to its end";
    FSOUND_Sample_Free(s);
}

}  // namespace
