// A fixture that runs the library without a device and renders its output on demand.
#pragma once

#include <vector>

#include <gtest/gtest.h>

#include "TestSounds.h"
#include "fsound.h"
#include "fsound_pull.h"

class PulledLibrary : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(FSOUNDX_InitPulled(32), 1); }
    void TearDown() override { FSOUND_Close(); }

    std::vector<int16_t> Render(int frames)
    {
        std::vector<int16_t> out(static_cast<size_t>(frames) * 2);
        EXPECT_EQ(FSOUNDX_Render(out.data(), frames), 1);
        return out;
    }

    // A mono 441 Hz sine at half of full scale, `frames` long at 44100 Hz.
    std::string Sine(const std::string& name, int frames = 4410, int rate = 44100)
    {
        soundtest::SineWav sine;
        sine.frames = frames;
        sine.rate = rate;
        const std::string path = dir.File(name);
        EXPECT_TRUE(soundtest::WriteSineWav(path, sine));
        return path;
    }

    soundtest::ScratchDir dir;
};
