// Runs the sound library without a device so tests can render and measure what plays.
#pragma once

#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "TestSounds.h"
#include "fsound_pull.h"
#include "sound/CSoundSystem.h"

class SoundFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        // Started first, the pulled output is what the system's own FSOUND_Init finds running.
        ASSERT_EQ(FSOUNDX_InitPulled(32), 1);
        system = std::make_unique<CSoundSystem>();
        soundtest::SineWav sine;
        sine.frames = 44100;
        ASSERT_TRUE(soundtest::WriteSineWav(wav, sine));
        sine.frames = 3000;
        ASSERT_TRUE(soundtest::WriteSineWav(shortWav, sine));
        ASSERT_TRUE(soundtest::WriteTestModule(module));
    }
    void TearDown() override
    {
        system.reset();
        FSOUND_Close();
    }

    int PeakOf(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        FSOUNDX_Render(out.data(), frames);
        return soundtest::Peak(out.data(), static_cast<size_t>(frames));
    }
    std::vector<int16_t> Render(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        FSOUNDX_Render(out.data(), frames);
        return out;
    }

    static constexpr double kFull = 16384.0;  // the test sine's peak at volume 255
    static double At(int volume) { return kFull * volume / 255; }

    soundtest::ScratchDir dir;
    std::string wav = dir.File("one-second.wav");
    std::string shortWav = dir.File("short.wav");
    std::string module = dir.File("song.xm");
    std::unique_ptr<CSoundSystem> system;
};
