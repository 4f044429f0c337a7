// A game world for tests: an engine on a recording GL table, a manual clock and scripted
// input, started in a scratch folder that sees the real game data.
#pragma once

#include <filesystem>

#include <gtest/gtest.h>

#include "core/testing/ManualClock.h"
#include "engine/CEngine.h"
#include "engine/testing/ScriptedInput.h"
#include "gfx/testing/RecordingGL.h"

class GameFixture : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Draw calls of the last frame that used the texture loaded from path.
    int DrawsWithTexture(const std::string& path);

    RecordingGL gl;
    CManualClock clock;
    CScriptedInput input;
    CEngine* engine = nullptr;  // made by SetUp; a test that hands it to a CGame clears this
    std::filesystem::path scratch;

private:
    std::filesystem::path previousFolder;
};
