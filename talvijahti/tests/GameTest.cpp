// The application: state switches between the screens, what each frame draws, the frame
// pacing and the end of the frame loop.
#include <filesystem>
#include <fstream>
#include <memory>

#include <gtest/gtest.h>

#include "app/CGame.h"
#include "app/GameState.h"
#include "core/STexture.h"
#include "core/SVector.h"
#include "gfx/CGFX.h"
#include "support/GameFixture.h"

namespace {

constexpr unsigned char kEscape = 27;

class GameTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        game = std::make_unique<CGame>(engine, clock);
        engine = nullptr;  // the game owns it now
    }
    void TearDown() override
    {
        game.reset();
        GameFixture::TearDown();
    }

    // One frame as CGame::Run plays it, with the mouse and keys as given.
    bool Frame(int mouseX, int mouseY, bool leftHeld, bool escape = false)
    {
        input.SetMouse(mouseX, mouseY);
        input.SetLeftButton(leftHeld);
        input.SetKey(kEscape, escape);
        gl.ClearRecords();
        game->GetEngine()->Running();
        return game->RunFrame();
    }
    // Presses and releases the left button over a point (the press comes after the button saw it up).
    bool Click(int x, int y)
    {
        Frame(x, y, false);
        return Frame(x, y, true);
    }
    int Draws(const std::string& path)
    {
        engine = game->GetEngine();
        const int count = DrawsWithTexture(path);
        engine = nullptr;
        return count;
    }

    // The offset the snowy background of the last frame was drawn with, in texels.
    SVector BackgroundOffset()
    {
        STexture* snow = game->GetEngine()->GetGFX()->GetTexture("data/lumi.png");
        for (const RecordingGL::DrawCall& draw : gl.draws) {
            if (draw.texture == snow->id && !draw.vertices.empty()) {
                return SVector{draw.vertices[0].u * snow->width, draw.vertices[0].v * snow->height};
            }
        }
        ADD_FAILURE() << "no background drawn";
        return SVector{0, 0};
    }

    std::unique_ptr<CGame> game;
};

// The background drifts by (-0.8, 1.2) a frame from where it was drawn last.
void ExpectDrift(SVector offset, int frames, const std::string& where)
{
    EXPECT_NEAR(offset.x, -0.8f * frames, 1e-3) << where;
    EXPECT_NEAR(offset.y, 1.2f * frames, 1e-3) << where;
}

// Inside the hit boxes: new game 272..528 x 220..308, quit 272..528 x 320..408,
// continue 272..528 x 400..528.
constexpr int kNewGameX = 400, kNewGameY = 260;
constexpr int kQuitX = 400, kQuitY = 360;

TEST_F(GameTest, StartsOnTheMenuAndDrawsIt)
{
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_TRUE(Frame(0, 0, false));
    EXPECT_EQ(Draws("data/title.png"), 1);
    EXPECT_EQ(Draws("data/uusipeli.png"), 1);
    EXPECT_EQ(Draws("data/lopeta.png"), 1);
    EXPECT_EQ(gl.swaps, 1);
    ASSERT_FALSE(gl.clears.empty());
    EXPECT_EQ(gl.clears[0], static_cast<GLbitfield>(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT));
}

TEST_F(GameTest, NewGameIsEnteredAndDrawnInTheSameFrame)
{
    EXPECT_TRUE(Click(kNewGameX, kNewGameY));
    EXPECT_EQ(game->GetState(), STATE_GAME);
    EXPECT_EQ(Draws("data/title.png"), 0) << "the menu was closed before drawing";
    EXPECT_EQ(gl.swaps, 1);
}

TEST_F(GameTest, EscapeDuringPlayReturnsToTheMenu)
{
    Click(kNewGameX, kNewGameY);
    Frame(0, 0, false, true);
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_EQ(Draws("data/title.png"), 1);
}

TEST_F(GameTest, QuitEndsTheLoopWithoutDrawing)
{
    EXPECT_TRUE(Frame(kQuitX, kQuitY, false));
    EXPECT_FALSE(Frame(kQuitX, kQuitY, true));
    EXPECT_EQ(gl.swaps, 0);
    EXPECT_EQ(gl.DrawCount(), 0);
}

TEST_F(GameTest, EndScreensShowTheirOutcomeAndContinueToTheMenu)
{
    struct Case {
        int state;
        const char* picture;
        const char* otherPicture;
    };
    const Case cases[] = {
        {STATE_WON, "data/teksti1.png", "data/teksti2.png"},
        {STATE_LOST, "data/teksti2.png", "data/teksti1.png"},
    };
    for (const Case& c : cases) {
        game->SetState(c.state);
        Frame(0, 0, false);
        EXPECT_EQ(Draws(c.picture), 1);
        EXPECT_EQ(Draws(c.otherPicture), 0);
        EXPECT_EQ(Draws("data/jatka.png"), 1);
        Click(400, 450);
        EXPECT_EQ(game->GetState(), STATE_MENU);
    }
}

TEST_F(GameTest, MenuAndEndScreenBackgroundsDriftEachFromWhereItStopped)
{
    for (int frame = 1; frame <= 5; ++frame) {
        Frame(0, 0, false);
        ExpectDrift(BackgroundOffset(), frame, "menu");
    }
    // Away to a game and back with Escape: the menu drifts on from its sixth frame.
    Click(kNewGameX, kNewGameY);
    ASSERT_EQ(game->GetState(), STATE_GAME);
    Frame(0, 0, false, true);
    ASSERT_EQ(game->GetState(), STATE_MENU);
    ExpectDrift(BackgroundOffset(), 7, "menu again");

    // The end screen keeps a drift of its own, won or lost.
    game->SetState(STATE_WON);
    for (int frame = 1; frame <= 3; ++frame) {
        Frame(0, 0, false);
        ExpectDrift(BackgroundOffset(), frame, "won");
    }
    game->SetState(STATE_LOST);
    Frame(0, 0, false);
    ExpectDrift(BackgroundOffset(), 4, "lost");
    game->SetState(STATE_MENU);
    Frame(0, 0, false);
    ExpectDrift(BackgroundOffset(), 8, "menu at last");
}

TEST_F(GameTest, ContinueHeldOverTheQuitButtonDoesNotQuit)
{
    game->SetState(STATE_WON);
    // 404 lies in both the continue button (from 400) and the menu's quit button (to 408).
    EXPECT_TRUE(Click(400, 404));
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_TRUE(Frame(400, 404, true)) << "the held press began on the end screen";
    EXPECT_TRUE(Frame(400, 404, true));
    EXPECT_EQ(game->GetState(), STATE_MENU);
    EXPECT_FALSE(Click(400, 404)) << "a fresh click on quit still quits";
}

TEST_F(GameTest, FramesArePacedToTenMilliseconds)
{
    struct Step {
        std::uint32_t workMilliseconds;  // time spent since the previous frame's update began
        std::vector<std::uint32_t> expectedDelays;
    };
    clock.Set(5000);
    Frame(0, 0, false);
    EXPECT_TRUE(clock.delays.empty()) << "the first frame does not wait";
    const Step steps[] = {{3, {7}}, {10, {}}, {25, {}}, {0, {10}}, {9, {1}}};
    for (const Step& step : steps) {
        clock.delays.clear();
        clock.Advance(step.workMilliseconds);
        Frame(0, 0, false);
        EXPECT_EQ(clock.delays, step.expectedDelays) << "after " << step.workMilliseconds << " ms";
    }
}

TEST_F(GameTest, RunEndsOnQuitAndEmptiesTheLog)
{
    std::ofstream("stdout.txt") << "left over from an earlier run";
    input.onPump = [this](int pump) {
        input.SetMouse(kQuitX, kQuitY);
        input.SetLeftButton(pump >= 3);
    };
    game->Run();
    EXPECT_EQ(gl.swaps, 2) << "two frames drawn, the third quit in its update";
    EXPECT_TRUE(std::filesystem::exists("stdout.txt"));
    EXPECT_EQ(std::filesystem::file_size("stdout.txt"), 0u);
}

}  // namespace
