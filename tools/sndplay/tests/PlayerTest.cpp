// sndplay: its command line, and what it writes when it plays into a file.
#include <gtest/gtest.h>
#include <sndfile.h>

#include <sstream>

#include "Player.h"
#include "TestSounds.h"

namespace {

TEST(PlayerTest, CommandLines)
{
    struct Case {
        std::vector<std::string> args;
        bool ok;
        int volume;
        double seconds;
    };
    const Case cases[] = {
        {{"a.wav"}, true, 255, 20},
        {{"--volume", "40", "--seconds", "2.5", "a.wav", "b.xm"}, true, 40, 2.5},
        {{}, false, 0, 0},
        {{"--volume", "300", "a.wav"}, false, 0, 0},
        {{"--volume", "4x", "a.wav"}, false, 0, 0},
        {{"a.wav", "--seconds"}, false, 0, 0},
        {{"--loud", "a.wav"}, false, 0, 0},
    };
    for (const Case& c : cases) {
        sndplay::Options o;
        std::string error;
        EXPECT_EQ(sndplay::ParseArgs(c.args, o, error), c.ok) << ::testing::PrintToString(c.args);
        if (c.ok) {
            EXPECT_EQ(o.volume, c.volume);
            EXPECT_EQ(o.moduleSeconds, c.seconds);
        } else {
            EXPECT_FALSE(error.empty());
        }
    }
}

TEST(PlayerTest, PlaysSampleThenModuleIntoAWavFile)
{
    soundtest::ScratchDir dir;
    soundtest::SineWav sine;
    sine.frames = 22050;
    ASSERT_TRUE(soundtest::WriteSineWav(dir.File("a.wav"), sine));
    ASSERT_TRUE(soundtest::WriteTestModule(dir.File("b.xm")));

    sndplay::Options o;
    o.files = {dir.File("a.wav"), dir.File("b.xm"), dir.File("missing.wav")};
    o.moduleSeconds = 1;
    o.wavOut = dir.File("out.wav");
    std::ostringstream log;
    EXPECT_EQ(sndplay::Run(o, log), 1) << "the missing file is reported";
    EXPECT_NE(log.str().find("cannot load"), std::string::npos);

    SF_INFO info{};
    SNDFILE* f = sf_open(o.wavOut.c_str(), SFM_READ, &info);
    ASSERT_NE(f, nullptr);
    std::vector<short> pcm(static_cast<size_t>(info.frames) * 2);
    sf_readf_short(f, pcm.data(), info.frames);
    sf_close(f);
    EXPECT_EQ(info.channels, 2);
    // Half a second of sine (rounded up to whole 50 ms pieces), then a second of module.
    EXPECT_EQ(info.frames, 22050 + 44100);
    EXPECT_NEAR(soundtest::Peak(pcm.data(), 22050), 16384, 2);
    EXPECT_GT(soundtest::Rms(pcm.data() + 22050 * 2, 44100), 1000.0);
}

}  // namespace
