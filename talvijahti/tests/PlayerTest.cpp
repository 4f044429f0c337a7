// CPlayer: steering, gliding, presents, snowballs, the exit, borders, obstacles and sounds.
#include <cmath>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "actors/CEnemy.h"
#include "actors/CPlayer.h"
#include "level/CLevel.h"
#include "scene/CCamera.h"
#include "scene/CPresent.h"
#include "sound/CSoundSystem.h"
#include "support/PlayFixture.h"

namespace {

class PlayerTest : public PlayFixture {
protected:
    void TearDown() override
    {
        player.reset();  // frees its sounds through the engine, which goes next
        level.reset();
        PlayFixture::TearDown();
    }
    // Builds the level from the sketch and a player at its start.
    void Start(const SLevelSketch& sketch)
    {
        player.reset();
        WriteLevel(1, sketch);
        level = std::make_unique<CLevel>(engine, &camera, LevelPath(1), presentImage, enemyImage, random);
        ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();
        player = std::make_unique<CPlayer>(engine, &camera, level.get(), presentImage);
    }
    // A wide empty field, start (100, 400).
    void StartOpen()
    {
        SLevelSketch sketch;
        sketch.width = 4000;
        sketch.start = {100, 400};
        Start(sketch);
    }
    // One frame with these keys held; returns how far the player moved.
    float Frame(const std::string& keys = "")
    {
        HoldKeys(keys);
        Snapshot();
        const SVector before = player->position;
        player->Update();
        return std::hypot(player->position.x - before.x, player->position.y - before.y);
    }
    // The player's sounds in the order it loads them: slide, hit, pick-up.
    CSample* Sound(int i)
    {
        const auto& objects = engine->GetSoundSystem()->GetObjects();
        return static_cast<CSample*>(objects.at(objects.size() - 3 + i));
    }

    CCamera camera{nullptr};
    std::unique_ptr<CLevel> level;
    std::unique_ptr<CPlayer> player;
};

TEST_F(PlayerTest, StartsAtTheStartWithSixLivesAndItsSoundsAtTheirVolumes)
{
    StartOpen();
    EXPECT_FLOAT_EQ(player->position.x, 100);
    EXPECT_FLOAT_EQ(player->position.y, 400);
    EXPECT_EQ(player->GetLives(), 6);
    EXPECT_EQ(player->GetGifts(), 0);
    EXPECT_FALSE(player->Finished());
    EXPECT_EQ(Sound(0)->GetVolume(), 40);
    EXPECT_EQ(Sound(1)->GetVolume(), 40);
    EXPECT_EQ(Sound(2)->GetVolume(), 100);
    const std::size_t before = engine->GetSoundSystem()->GetObjects().size();
    player.reset();
    EXPECT_EQ(engine->GetSoundSystem()->GetObjects().size(), before - 3) << "the sounds are freed with the player";
}

TEST_F(PlayerTest, PushingAcceleratesToTheSpeedLimitInTheTwelfthFrame)
{
    StartOpen();
    EXPECT_FLOAT_EQ(Frame("u"), 0.0f) << "the first frame has no heading yet";
    EXPECT_FLOAT_EQ(player->direction.x, 1.0f);

    const float expectedFirst[3] = {0.2f, 0.3851852f, 0.5566529f};
    for (int frame = 1; frame <= 14; ++frame) {
        const float moved = Frame("u");
        if (frame <= 3) {
            EXPECT_NEAR(moved, expectedFirst[frame - 1], 1e-5) << "frame " << frame;
        }
        if (frame < 12) {
            EXPECT_LT(moved, 1.59f) << "frame " << frame;
        } else {
            EXPECT_NEAR(moved, 1.6f, 1e-4) << "frame " << frame;
        }
    }
    EXPECT_FLOAT_EQ(player->position.y, 400) << "straight along the heading";
}

TEST_F(PlayerTest, GlidesOnAndSlowsByFriction)
{
    StartOpen();
    player->velocity = SVector{1.08f, 0};
    EXPECT_NEAR(Frame(), 1.08f, 1e-4);
    EXPECT_NEAR(Frame(), 1.0f, 1e-4);
    EXPECT_NEAR(player->velocity.x, 1.0f / 1.08f, 1e-6);
}

TEST_F(PlayerTest, FrictionDividesTheVelocityByOnePointZeroEight)
{
    // Speeds for which dividing by 1.08 and multiplying by its reciprocal differ in the last bit.
    struct Case {
        SVector before;
        SVector after;
    };
    const Case cases[] = {
        {{1.1f, 0.0f}, {0x1.04bdap+0f, 0.0f}},
        {{0.0f, 0.9f}, {0.0f, 0x1.aaaaa8p-1f}},
        {{-1.1f, 0.45f}, {-0x1.04bdap+0f, 0x1.aaaaa8p-2f}},
    };
    for (const Case& c : cases) {
        StartOpen();
        player->velocity = c.before;
        Frame();
        EXPECT_EQ(player->velocity.x, c.after.x) << c.before.x << ", " << c.before.y;
        EXPECT_EQ(player->velocity.y, c.after.y) << c.before.x << ", " << c.before.y;
    }
}

TEST_F(PlayerTest, KeysTurnAndPushAlongTheHeading)
{
    struct Case {
        const char* keys;
        float angle;     // after five frames
        SVector velocity;  // pushed in the first frame from rest, heading (1, 0), before friction
    };
    const Case cases[] = {
        {"h", -0.3f, {0, 0}},
        {"k", 0.3f, {0, 0}},
        {"hk", 0.0f, {0, 0}},
        {"j", 0.0f, {-0.16f, 0}},
        {"uj", 0.0f, {0.04f, 0}},
    };
    for (const Case& c : cases) {
        StartOpen();
        player->direction = SVector{1, 0};
        Frame(c.keys);
        EXPECT_NEAR(player->velocity.x * 1.08f, c.velocity.x, 1e-6) << c.keys;
        EXPECT_NEAR(player->velocity.y * 1.08f, c.velocity.y, 1e-6) << c.keys;
        for (int i = 0; i < 4; ++i) {
            Frame(c.keys);
        }
        EXPECT_NEAR(player->GetAngle(), c.angle, 1e-5) << c.keys;
        EXPECT_NEAR(player->direction.x, std::cos(c.angle), 1e-5) << c.keys;
        EXPECT_NEAR(player->direction.y, std::sin(c.angle), 1e-5) << c.keys;
    }
}

TEST_F(PlayerTest, TheExitCountsBeforeThePresentTakenThere)
{
    SLevelSketch sketch;
    sketch.start = {500, 400};
    sketch.end = {500, 400};
    sketch.presents = {{510, 400}};
    Start(sketch);
    Frame();
    EXPECT_EQ(player->GetGifts(), 1);
    EXPECT_FALSE(player->Finished()) << "the present was still there when the exit was tested";
    Frame();
    EXPECT_TRUE(player->Finished());
}

TEST_F(PlayerTest, ExitNeedsEveryPresentAndToBeCloserThanThirtyTwo)
{
    struct Case {
        const char* name;
        SLevelPoint position;
        int gifts;
        bool finished;
    };
    const Case cases[] = {
        {"at the exit, all presents", {600, 400}, 1, true},
        {"31.9 away", {631.9f, 400}, 1, true},
        {"32 away", {632, 400}, 1, false},
        {"at the exit, one missing", {600, 400}, 0, false},
    };
    for (const Case& c : cases) {
        SLevelSketch sketch;
        sketch.end = {600, 400};
        sketch.presents = {{300, 700}};
        Start(sketch);
        player->position = SVector{c.position.x, c.position.y};
        player->SetGifts(c.gifts);
        Frame();
        EXPECT_EQ(player->Finished(), c.finished) << c.name;
    }
}

TEST_F(PlayerTest, CollectsOnePresentAFrameWithItsSound)
{
    SLevelSketch sketch;
    sketch.start = {400, 400};
    sketch.presents = {{900, 100}, {420, 400}, {400, 420}};
    Start(sketch);
    EXPECT_FALSE(Sound(2)->IsPlaying());
    Frame();
    EXPECT_EQ(player->GetGifts(), 1);
    ASSERT_EQ(level->GetPresents()->size(), 2u);
    EXPECT_FLOAT_EQ((*level->GetPresents())[1]->position.y, 420) << "the first in list order was taken";
    EXPECT_TRUE(Sound(2)->IsPlaying());
    Frame();
    EXPECT_EQ(player->GetGifts(), 2);
    EXPECT_EQ(level->GetPresents()->size(), 1u);
    Frame();
    EXPECT_EQ(player->GetGifts(), 2) << "the far present stays";
}

TEST_F(PlayerTest, ASnowballTakesOneLifeAFrameAndSendsThePlayerToTheStart)
{
    SLevelSketch sketch;
    sketch.start = {100, 100};
    sketch.waypoints = {{600, 400}, {620, 400}};
    sketch.enemies = 2;
    sketch.presents = {{590, 400}};
    Start(sketch);
    player->position = SVector{600, 390};
    player->velocity = SVector{0.5f, 0};
    player->SetAngle(1.0f);
    Frame();
    EXPECT_EQ(player->GetGifts(), 1) << "the present is collected before the hit";
    EXPECT_EQ(player->GetLives(), 5) << "two snowballs in reach, one life";
    EXPECT_TRUE(Sound(1)->IsPlaying());
    EXPECT_NEAR(player->position.x, 100.5f, 1e-4) << "from the start, still gliding";
    EXPECT_FLOAT_EQ(player->GetAngle(), 1.0f);
    EXPECT_GT(player->velocity.x, 0.0f);

    // Lives may run out; the in-game screen ends the game then.
    player->SetLives(1);
    player->position = SVector{600, 390};
    Frame();
    EXPECT_EQ(player->GetLives(), 0);
}

TEST_F(PlayerTest, StaysFourteenInsideTheLevelBeforeMoving)
{
    struct Case {
        SVector position;
        SVector expected;  // standing still: the clamp is all that moves it
    };
    const Case cases[] = {
        {{5, 400}, {14, 400}},
        {{3995, 400}, {3986, 400}},
        {{500, -20}, {500, 14}},
        {{500, 790}, {500, 786}},
        {{0, 800}, {14, 786}},
    };
    for (const Case& c : cases) {
        StartOpen();
        player->position = c.position;
        Frame();
        EXPECT_FLOAT_EQ(player->position.x, c.expected.x) << c.position.x << "," << c.position.y;
        EXPECT_FLOAT_EQ(player->position.y, c.expected.y) << c.position.x << "," << c.position.y;
    }
    // The clamp comes before the move: the frame may end closer, the next one puts it back.
    StartOpen();
    player->position = SVector{14, 400};
    player->velocity = SVector{-1, 0};
    Frame();
    EXPECT_FLOAT_EQ(player->position.x, 13);
    Frame();
    EXPECT_NEAR(player->position.x, 14 - 1 / 1.08f, 1e-5);
}

TEST_F(PlayerTest, SlidesAlongObstaclesKeepingSixtyPercentIntoThem)
{
    struct Case {
        const char* name;
        SVector position, velocity;
        SVector expectedPosition, expectedVelocity;  // velocity before friction
    };
    // Box 100..200 x 100..200; its top edge at y = 100 has the outward normal (0, -1).
    const Case cases[] = {
        {"straight into the top", {150, 90}, {0, 1}, {150, 84.6f}, {0, 0.6f}},
        {"slanting into the top", {150, 90}, {1, 1}, {151, 84.6f}, {1, 0.6f}},
        {"moving away", {150, 90}, {0, -1}, {150, 83.4f}, {0, -0.6f}},
        {"out of reach", {150, 80}, {0, 1}, {150, 81}, {0, 1}},
        {"exactly on the edge", {150, 100}, {0, 1}, {150, 84.6f}, {0, 0.6f}},
        {"exactly on the left edge", {100, 150}, {1, 0}, {84.6f, 150}, {0.6f, 0}},
    };
    for (const Case& c : cases) {
        SLevelSketch sketch;
        sketch.quads = {Box(100, 100, 200, 200)};
        sketch.start = {500, 500};
        Start(sketch);
        player->position = c.position;
        player->velocity = c.velocity;
        Frame();
        EXPECT_TRUE(std::isfinite(player->position.x) && std::isfinite(player->position.y)) << c.name;
        EXPECT_NEAR(player->position.x, c.expectedPosition.x, 1e-4) << c.name;
        EXPECT_NEAR(player->position.y, c.expectedPosition.y, 1e-4) << c.name;
        EXPECT_NEAR(player->velocity.x * 1.08f, c.expectedVelocity.x, 1e-5) << c.name;
        EXPECT_NEAR(player->velocity.y * 1.08f, c.expectedVelocity.y, 1e-5) << c.name;
    }
}

TEST_F(PlayerTest, SlideSoundPlaysAboveWalkingPace)
{
    StartOpen();
    CSample* slide = Sound(0);
    player->velocity = SVector{0.3f, 0};
    Frame();
    EXPECT_TRUE(slide->IsPlaying());
    Frame();
    EXPECT_TRUE(slide->IsPlaying()) << "0.278 is still above 0.2";
    player->velocity = SVector{0.2f, 0};
    Frame();
    EXPECT_FALSE(slide->IsPlaying()) << "0.2 is not above 0.2";
}

TEST_F(PlayerTest, NextLevelResetsProgressButKeepsLivesSpeedAndHeading)
{
    SLevelSketch sketch;
    sketch.end = {100, 100};
    sketch.presents = {{900, 700}, {900, 600}, {900, 500}, {900, 400}};
    Start(sketch);
    player->SetLives(3);
    player->SetGifts(4);
    player->velocity = SVector{1, 0.5f};
    player->SetAngle(2.0f);
    Frame();
    ASSERT_TRUE(player->Finished());

    SLevelSketch next;
    next.start = {700, 600};
    WriteLevel(2, next);
    CLevel second(engine, &camera, LevelPath(2), presentImage, enemyImage, random);
    const SVector velocity = player->velocity;
    player->InitForNextLevel(&second);
    EXPECT_FALSE(player->Finished());
    EXPECT_EQ(player->GetGifts(), 0);
    EXPECT_EQ(player->GetLives(), 3);
    EXPECT_FLOAT_EQ(player->position.x, 700);
    EXPECT_FLOAT_EQ(player->position.y, 600);
    EXPECT_FLOAT_EQ(player->velocity.x, velocity.x);
    EXPECT_FLOAT_EQ(player->GetAngle(), 2.0f);
    player.reset();  // before the second level goes
}

// On every level of the game, an elf steered by a changing key pattern for a long run stays at a
// finite position inside the level, never runs faster than the limit and loses at most a life a frame.
TEST_F(PlayerTest, ElfStaysInsideEveryShippedLevel)
{
    static const char* const kPatterns[] = {"u", "uk", "uh", "j", "", "hu", "ku", "u"};
    for (int number = 1; number <= 10; ++number) {
        SCOPED_TRACE("level " + std::to_string(number));
        player.reset();
        std::filesystem::copy_file(
            std::filesystem::path(TALVIJAHTI_TEST_DATA) / "levels" / ("level" + std::to_string(number) + ".lev"),
            LevelPath(number));
        level = std::make_unique<CLevel>(engine, &camera, LevelPath(number), presentImage, enemyImage, random);
        ASSERT_TRUE(level->IsLoaded()) << level->GetLoadError();
        player = std::make_unique<CPlayer>(engine, &camera, level.get(), presentImage);
        int lives = player->GetLives();
        for (int frame = 0; frame < 3000 && !player->Finished(); ++frame) {
            level->Update();
            Frame(kPatterns[(frame / 40 + number) % 8]);
            const SVector p = player->position;
            ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "frame " << frame;
            // Clamped 14 inside each frame; a move or an obstacle's push never takes it out of the field.
            ASSERT_GE(p.x, 0) << "frame " << frame;
            ASSERT_LE(p.x, level->GetWidth()) << "frame " << frame;
            ASSERT_GE(p.y, 0) << "frame " << frame;
            ASSERT_LE(p.y, level->GetHeight()) << "frame " << frame;
            ASSERT_LE(std::hypot(player->velocity.x, player->velocity.y), 1.6f / 1.08f + 1e-5f) << "frame " << frame;
            ASSERT_GE(player->GetLives(), lives - 1) << "at most one life a frame";
            lives = player->GetLives();
        }
    }
}

}  // namespace
