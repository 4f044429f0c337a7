// The autopilot plays the game through its own key input and physics: every shipped level is
// finished in one game of six lives, with the snowballs' random source seeded; small fields
// show it steering round an obstacle and keeping away from a snowball.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "actors/CEnemy.h"
#include "actors/CPlayer.h"
#include "app/CGame.h"
#include "app/GameState.h"
#include "autopilot/CAutopilotInput.h"
#include "level/CLevel.h"
#include "fsound.h"
#include "fsound_pull.h"
#include "support/PlayFixture.h"
#include "world/CWorldManager.h"

namespace fs = std::filesystem;

namespace {

class AutopilotTest : public PlayFixture {
protected:
    void SetUp() override
    {
        PlayFixture::SetUp();
        // The same engine seams, with the pilot at the keys.
        RemoveOrbo2d(engine);
        engine = CreateOrbo2d(800, 600, 32, false, SEngineSeams{&gl, &clock, &pilotInput});
        FSOUND_Close();
        ASSERT_EQ(FSOUNDX_InitPulled(32), 1);
        game = std::make_unique<CGame>(engine, clock);  // owns the engine from now on
        pilotInput.Attach(game.get());
    }
    void TearDown() override
    {
        game.reset();
        engine = nullptr;
        PlayFixture::TearDown();
    }
    // Levels after `number` that finish at once, so that leaving a level shows in the level number.
    void FinishAtOnceAfter(int number)
    {
        SLevelSketch instant;
        instant.end = instant.start;
        for (int later = number + 1; later <= 10; ++later) {
            WriteLevel(later, instant);
        }
    }
    // The shipped levels in place of the test's own.
    void UseShippedLevels()
    {
        fs::remove_all(scratch / "levels");
        fs::create_directory_symlink(fs::path(TALVIJAHTI_TEST_DATA) / "levels", scratch / "levels");
    }
    void Frame()
    {
        gl.ClearRecords();
        engine->Running();
        game->RunFrame();
    }

    struct SLevelRun {
        int frames = 0;
        int livesLost = 0;
    };
    // Plays from the first level until the game leaves play or the frames run out; one entry
    // per level entered.
    std::vector<SLevelRun> Play(int maxFramesPerLevel)
    {
        game->SetState(STATE_GAME);
        std::vector<SLevelRun> runs(1);
        CWorldManager* world = game->GetWorld();
        int number = world->GetLevelNumber();
        int lives = world->GetPlayer()->GetLives();
        while (game->GetState() == STATE_GAME && runs.back().frames < maxFramesPerLevel) {
            Frame();
            ++runs.back().frames;
            if (game->GetState() != STATE_GAME) {
                break;
            }
            for (const CEnemy* ball : *world->GetLevel()->GetEnemies()) {
                const SVector elf = world->GetPlayer()->position;
                closestSnowball = std::min(closestSnowball, std::hypot(ball->position.x - elf.x, ball->position.y - elf.y));
            }
            const int nowLives = world->GetPlayer()->GetLives();
            runs.back().livesLost += lives - nowLives;
            lives = nowLives;
            if (world->GetLevelNumber() != number) {
                number = world->GetLevelNumber();
                runs.emplace_back();
            }
        }
        return runs;
    }

    // The nearest any snowball came to the elf in the frames played (to see there was danger).
    float closestSnowball = 1e9f;

    CAutopilotInput pilotInput{input};
    std::unique_ptr<CGame> game;
};

TEST_F(AutopilotTest, FinishesEveryShippedLevelInOneGame)
{
#if defined(__SANITIZE_ADDRESS__)
    // About 63,000 frames of play and drawing: seconds in an optimised build, minutes under
    // the sanitizers. The small fields below still run here.
    GTEST_SKIP() << "the whole game is played in the optimised build only";
#endif
    UseShippedLevels();
    std::srand(2026);  // the snowballs draw their turns from the runtime's generator
    const std::vector<SLevelRun> runs = Play(30000);
    int total = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        std::printf("level %2zu: %6d frames, %d lives lost\n", i + 1, runs[i].frames, runs[i].livesLost);
        total += runs[i].frames;
        RecordProperty("level" + std::to_string(i + 1) + "_frames", runs[i].frames);
        RecordProperty("level" + std::to_string(i + 1) + "_lives_lost", runs[i].livesLost);
    }
    std::printf("all:      %6d frames\n", total);
    EXPECT_EQ(game->GetState(), STATE_WON) << "stopped in level " << runs.size() << " after "
                                           << runs.back().frames << " frames";
    EXPECT_EQ(runs.size(), 10u);
}

TEST_F(AutopilotTest, HoldsOnlyTheSteeringKeysAndOnlyInPlay)
{
    WriteLevel(1, SLevelSketch{});
    FinishAtOnceAfter(1);
    input.SetKey('u', true);  // the player's own steering keys do not get through
    Frame();
    EXPECT_EQ(pilotInput.Held(), 0u) << "on the menu";
    EXPECT_EQ(engine->GetInput()->GetKey('u'), false);
    game->SetState(STATE_GAME);
    Frame();
    EXPECT_NE(pilotInput.Held(), 0u) << "in play the pilot skates towards the exit";
    EXPECT_EQ(engine->GetInput()->GetKey('u'), (pilotInput.Held() & CAutopilot::kPush) != 0);
    // Escape and the mouse are the player's.
    input.SetMouse(123, 45);
    input.SetKey(27, true);
    Frame();
    EXPECT_EQ(game->GetState(), STATE_MENU);
    int x = 0;
    int y = 0;
    engine->GetInput()->GetMousePosition(&x, &y);
    EXPECT_EQ(x, 123);
    EXPECT_EQ(y, 45);
}

TEST_F(AutopilotTest, SteersRoundAWallToThePresentBehindIt)
{
    SLevelSketch sketch;
    sketch.start = {100, 400};
    sketch.quads = {Box(400, 120, 460, 680)};  // between the start and the present
    sketch.presents = {{700, 400}};
    sketch.end = {900, 400};
    WriteLevel(1, sketch);
    FinishAtOnceAfter(1);
    const std::vector<SLevelRun> runs = Play(3000);
    ASSERT_GE(runs.size(), 2u) << "level 1 not finished in 3000 frames";
    EXPECT_EQ(runs[0].livesLost, 0);
}

TEST_F(AutopilotTest, KeepsAwayFromRoamingSnowballs)
{
    // Three snowballs roam the middle of a field the elf must cross, one seed after another.
    SLevelSketch sketch;
    sketch.width = 1000;
    sketch.height = 700;
    sketch.start = {100, 350};
    sketch.end = {900, 350};
    sketch.presents = {{500, 120}, {500, 580}};
    sketch.waypoints = {{500, 250}, {420, 450}, {580, 450}, {500, 450}, {420, 250}, {580, 250}};
    sketch.enemies = 3;
    WriteLevel(1, sketch);
    FinishAtOnceAfter(1);
    for (unsigned seed : {1u, 2u, 3u, 4u, 5u}) {
        SCOPED_TRACE(seed);
        std::srand(seed);
        closestSnowball = 1e9f;
        const std::vector<SLevelRun> runs = Play(8000);
        ASSERT_GE(runs.size(), 2u) << "level 1 not finished in 8000 frames";
        EXPECT_EQ(runs[0].livesLost, 0);
        EXPECT_LT(closestSnowball, 150.0f) << "no snowball came near: nothing was avoided";
        game->SetState(STATE_MENU);
    }
}

}  // namespace
