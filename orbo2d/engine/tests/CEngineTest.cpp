// The engine facade: the services it builds, its caption, the per-frame Running and Close.
#include <SDL.h>

#include <gtest/gtest.h>

#include "core/testing/ManualClock.h"
#include "engine/CEngine.h"
#include "engine/testing/ScriptedInput.h"
#include "gfx/CFontHandler.h"
#include "gfx/CGFX.h"
#include "gfx/CImageHandler.h"
#include "gfx/testing/RecordingGL.h"
#include "sound/CSoundSystem.h"

namespace {

class CEngineTest : public ::testing::Test {
protected:
    RecordingGL gl;
    CManualClock clock;
    CScriptedInput input;
    CEngine* engine = nullptr;

    void SetUp() override { engine = CreateOrbo2d(800, 600, 32, false, SEngineSeams{&gl, &clock, &input}); }
    void TearDown() override { RemoveOrbo2d(engine); }
};

TEST_F(CEngineTest, BuildsEveryServiceAndTheDefaultCaption)
{
    EXPECT_NE(engine->GetGFX(), nullptr);
    EXPECT_NE(engine->GetInput(), nullptr);
    EXPECT_NE(engine->GetSoundSystem(), nullptr);
    EXPECT_NE(engine->GetFontHandler(), nullptr);
    EXPECT_NE(engine->GetImageHandler(), nullptr);
    char* title = nullptr;
    SDL_WM_GetCaption(&title, nullptr);
    ASSERT_NE(title, nullptr);
    EXPECT_STREQ(title, "Orbo2d App");
    engine->SetCaption("Talvijahti");
    SDL_WM_GetCaption(&title, nullptr);
    EXPECT_STREQ(title, "Talvijahti");
}

TEST_F(CEngineTest, RunningRefreshesInputEachFrameUntilClose)
{
    input.SetKey('u', true);
    EXPECT_TRUE(engine->Running());
    EXPECT_TRUE(engine->GetInput()->GetKey('u'));
    EXPECT_EQ(input.Pumps(), 1);

    engine->Close();
    EXPECT_FALSE(engine->Running());
    EXPECT_EQ(input.Pumps(), 2) << "the frame is still counted and input refreshed";
}

TEST_F(CEngineTest, RunningCountsFramesIntoTheRenderersFps)
{
    for (int frame = 0; frame < 30; ++frame) {
        engine->Running();
        clock.Advance(20);
    }
    EXPECT_EQ(engine->GetGFX()->GetFPS(), 0) << "no full second yet";
    for (int frame = 0; frame < 30; ++frame) {
        engine->Running();
        clock.Advance(20);
    }
    EXPECT_EQ(engine->GetGFX()->GetFPS(), 51);
}

TEST(CEngineRemove, NullEngineIsIgnored)
{
    RemoveOrbo2d(nullptr);
}

}  // namespace
