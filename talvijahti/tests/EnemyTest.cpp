// CEnemy: the snowball's rules, with the random directions scripted.
#include <cmath>
#include <filesystem>
#include <memory>

#include <gtest/gtest.h>

#include "actors/CEnemy.h"
#include "level/CLevel.h"
#include "scene/CCamera.h"
#include "support/PlayFixture.h"

namespace {

class EnemyTest : public PlayFixture {
protected:
    // A 1000 x 800 level, start (100, 100), exit (900, 700), one waypoint at (500, 400) per snowball.
    CLevel* MakeLevel(int snowballs = 1, std::vector<SLevelQuad> quads = {})
    {
        SLevelSketch sketch;
        sketch.quads = std::move(quads);
        for (int i = 0; i < snowballs; ++i) {
            sketch.waypoints.push_back(SLevelPoint{500.0f + 200.0f * i, 400.0f});
        }
        sketch.enemies = snowballs;
        WriteLevel(1, sketch);
        level = std::make_unique<CLevel>(engine, &camera, LevelPath(1), presentImage, enemyImage, random);
        return level.get();
    }
    CEnemy& Snowball(int i = 0) { return *(*level->GetEnemies())[i]; }
    // Puts the snowball where no waypoint, border, circle or other snowball is near.
    void Place(CEnemy& snowball, SVector position, SVector velocity)
    {
        snowball.position = position;
        snowball.velocity = velocity;
    }

    CCamera camera{nullptr};
    std::unique_ptr<CLevel> level;
};

void ExpectVector(SVector got, SVector expected, const std::string& what)
{
    EXPECT_FLOAT_EQ(got.x, expected.x) << what;
    EXPECT_FLOAT_EQ(got.y, expected.y) << what;
}

TEST_F(EnemyTest, FirstFramePicksADirectionOnItsWaypointButNeverStraightBack)
{
    struct Case {
        int pick;
        SVector velocity;
    };
    const Case cases[] = {
        {kDown, {0, 0.8f}},
        {kUp, {0, -0.8f}},
        {kRight, {0.8f, 0}},
        {kLeft, {0.8f, 0}},  // it starts rolling right: left would be a reversal
    };
    for (const Case& c : cases) {
        MakeLevel();
        random = CScriptedRandom{Pick(c.pick)};
        Snowball().Update();
        ExpectVector(Snowball().velocity, c.velocity, "pick " + std::to_string(c.pick));
        ExpectVector(Snowball().position, {500 + c.velocity.x, 400 + c.velocity.y}, "moved one step");
        EXPECT_FLOAT_EQ(Snowball().GetAngle(), 0.04f);
        // 0.8 away it no longer touches the waypoint: no second draw.
        Snowball().Update();
        EXPECT_EQ(random.draws, 1) << "pick " << c.pick;
    }
}

TEST_F(EnemyTest, AtAWaypointAReversalIsUndoneAxisByAxis)
{
    struct Case {
        const char* name;
        SVector velocity;
        int pick;
        SVector expected;
    };
    const Case cases[] = {
        {"right, picks left", {0.8f, 0}, kLeft, {0.8f, 0}},
        {"right, picks up", {0.8f, 0}, kUp, {0, -0.8f}},
        {"left, picks right", {-0.8f, 0}, kRight, {-0.8f, 0}},
        {"down, picks up", {0, 0.8f}, kUp, {0, 0.8f}},
        {"up, picks down", {0, -0.8f}, kDown, {0, -0.8f}},
        {"up, picks left", {0, -0.8f}, kLeft, {-0.8f, 0}},
    };
    for (const Case& c : cases) {
        MakeLevel();
        // 0.5 short of the waypoint: within reach, snapped onto it before the move.
        Place(Snowball(), {500 - 0.5f * c.velocity.x / 0.8f, 400 - 0.5f * c.velocity.y / 0.8f}, c.velocity);
        random = CScriptedRandom{Pick(c.pick)};
        Snowball().Update();
        ExpectVector(Snowball().velocity, c.expected, c.name);
        ExpectVector(Snowball().position, {500 + c.expected.x, 400 + c.expected.y}, c.name);
    }
}

TEST_F(EnemyTest, WaypointsOffTheLineOfTravelAreNotMet)
{
    MakeLevel();
    Place(Snowball(), {300, 400.7f}, {0.8f, 0});
    for (int frame = 0; frame < 400; ++frame) {
        Snowball().Update();
    }
    EXPECT_EQ(random.draws, 0);
    EXPECT_FLOAT_EQ(Snowball().position.y, 400.7f);
}

TEST_F(EnemyTest, BordersPutItBackAndAllowAnyDirection)
{
    struct Case {
        const char* name;
        SVector position, velocity;
        int pick;
        SVector expectedPosition;  // after the correction and the move
    };
    const Case cases[] = {
        // Back into the left border: allowed; the next frame corrects again.
        {"left", {39, 300}, {-0.8f, 0}, kLeft, {40 - 0.8f, 300}},
        {"right", {961, 300}, {0.8f, 0}, kUp, {960, 299.2f}},
        {"top", {300, 39.5f}, {0, -0.8f}, kRight, {300.8f, 40}},
        {"bottom", {300, 765}, {0, 0.8f}, kDown, {300, 760.8f}},
    };
    for (const Case& c : cases) {
        MakeLevel();
        Place(Snowball(), c.position, c.velocity);
        random = CScriptedRandom{Pick(c.pick)};
        Snowball().Update();
        EXPECT_EQ(random.draws, 1) << c.name;
        ExpectVector(Snowball().position, c.expectedPosition, c.name);
    }

    // In a corner both borders draw a direction.
    MakeLevel();
    Place(Snowball(), {30, 30}, {-0.8f, 0});
    random = CScriptedRandom{Pick(kLeft), Pick(kUp)};
    Snowball().Update();
    EXPECT_EQ(random.draws, 2);
    ExpectVector(Snowball().position, {40, 39.2f}, "corner");
}

TEST_F(EnemyTest, AtEachBorderADrawThatReversesItIsKept)
{
    // Rolling into a border, the draw picks the way back; unlike at a waypoint, the border
    // lets it stand, so the snowball rolls straight back out.
    struct Case {
        const char* name;
        SVector position, velocity;
        int pick;
        SVector expectedVelocity;
        SVector expectedPosition;  // at the border, then one step back out
    };
    const Case cases[] = {
        {"left", {39, 300}, {-0.8f, 0}, kRight, {0.8f, 0}, {40.8f, 300}},
        {"right", {961, 300}, {0.8f, 0}, kLeft, {-0.8f, 0}, {959.2f, 300}},
        {"top", {300, 39.5f}, {0, -0.8f}, kDown, {0, 0.8f}, {300, 40.8f}},
        {"bottom", {300, 765}, {0, 0.8f}, kUp, {0, -0.8f}, {300, 759.2f}},
    };
    for (const Case& c : cases) {
        MakeLevel();
        Place(Snowball(), c.position, c.velocity);
        random = CScriptedRandom{Pick(c.pick)};
        Snowball().Update();
        EXPECT_EQ(random.draws, 1) << c.name;
        ExpectVector(Snowball().velocity, c.expectedVelocity, c.name);
        ExpectVector(Snowball().position, c.expectedPosition, c.name);
    }
}

TEST_F(EnemyTest, TurnsBackInsideTheKeepOutCirclesEveryFrame)
{
    struct Case {
        const char* name;
        SVector position;
        bool reverses;
    };
    const Case cases[] = {
        {"79.9 from the start", {179.9f, 100}, true},
        {"80 from the start", {180, 100}, false},
        {"near the exit", {900, 650}, true},
    };
    for (const Case& c : cases) {
        MakeLevel();
        Place(Snowball(), c.position, {-0.8f, 0});
        Snowball().Update();
        EXPECT_FLOAT_EQ(Snowball().velocity.x, c.reverses ? 0.8f : -0.8f) << c.name;
    }
    // Deep inside, the reversal repeats each frame: it jitters in place instead of leaving.
    MakeLevel();
    Place(Snowball(), {150, 100}, {0.8f, 0});
    Snowball().Update();
    Snowball().Update();
    ExpectVector(Snowball().position, {150, 100}, "two reversals");
}

TEST_F(EnemyTest, TurnsBackOnceWhenOtherSnowballsAreClose)
{
    MakeLevel(3);
    Place(Snowball(0), {500, 600}, {0.8f, 0});
    Place(Snowball(1), {550, 600}, {0, 0.8f});
    Place(Snowball(2), {450, 600}, {0, 0.8f});
    Snowball(0).Update();
    ExpectVector(Snowball(0).velocity, {-0.8f, 0}, "one reversal for two neighbours");

    Place(Snowball(0), {500, 600}, {-0.8f, 0});
    Place(Snowball(1), {560, 600}, {0, 0.8f});
    Place(Snowball(2), {300, 300}, {0, 0.8f});
    Snowball(0).Update();
    ExpectVector(Snowball(0).velocity, {-0.8f, 0}, "60 apart is not close");
}

TEST_F(EnemyTest, ObstaclesPushItOutToFortyAndDrawADirection)
{
    MakeLevel(1, {Box(600, 200, 700, 300)});
    Place(Snowball(), {570, 250}, {0.8f, 0});  // 30 left of the box's left edge
    random = CScriptedRandom{Pick(kDown)};
    Snowball().Update();
    EXPECT_EQ(random.draws, 1);
    ExpectVector(Snowball().position, {560, 250.8f}, "40 from the edge, then moved down");

    // Exactly on the edge: pushed out along its normal, never NaN.
    Place(Snowball(), {600, 250}, {0.8f, 0});
    random = CScriptedRandom{Pick(kLeft)};
    Snowball().Update();
    EXPECT_TRUE(std::isfinite(Snowball().position.x) && std::isfinite(Snowball().position.y));
    ExpectVector(Snowball().position, {560 - 0.8f, 250}, "out to the left, then moved left");

    // Near a corner two edges touch one after the other: each contact draws.
    Place(Snowball(), {610, 195}, {0.8f, 0});
    random = CScriptedRandom{Pick(kUp), Pick(kUp)};
    Snowball().Update();
    EXPECT_EQ(random.draws, 2);
}

}  // namespace

namespace {

// A fixed pseudo-random sequence, so that a long run is the same every time.
class CSequenceRandom final : public IRandomSource {
public:
    int Next() override
    {
        state = state * 1103515245u + 12345u;
        return static_cast<int>((state >> 16) & 0x7fff);
    }

private:
    unsigned state = 1;
};

class ShippedLevelsTest : public PlayFixture {};

// On every level of the game, a long run keeps each snowball rolling along an axis at its
// speed, inside the borders and at a finite position, whatever obstacles it meets.
TEST_F(ShippedLevelsTest, SnowballsKeepRollingInsideEveryLevel)
{
    CCamera camera(nullptr);
    CSequenceRandom sequence;
    for (int number = 1; number <= 10; ++number) {
        SCOPED_TRACE("level " + std::to_string(number));
        const std::filesystem::path shipped =
            std::filesystem::path(TALVIJAHTI_TEST_DATA) / "levels" / ("level" + std::to_string(number) + ".lev");
        std::filesystem::copy_file(shipped, LevelPath(number));
        CLevel level(engine, &camera, LevelPath(number), presentImage, enemyImage, sequence);
        ASSERT_TRUE(level.IsLoaded()) << level.GetLoadError();
        ASSERT_FALSE(level.GetEnemies()->empty());
        for (int frame = 0; frame < 3000; ++frame) {
            level.Update();
            for (const CEnemy* snowball : *level.GetEnemies()) {
                const SVector p = snowball->position;
                const SVector v = snowball->velocity;
                ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << "frame " << frame;
                // Held 40 from the border; an obstacle near it may push a little further for a frame.
                ASSERT_GE(p.x, 0) << "frame " << frame;
                ASSERT_LE(p.x, level.GetWidth()) << "frame " << frame;
                ASSERT_GE(p.y, 0) << "frame " << frame;
                ASSERT_LE(p.y, level.GetHeight()) << "frame " << frame;
                ASSERT_FLOAT_EQ(std::fabs(v.x) + std::fabs(v.y), 0.8f) << "frame " << frame;
                ASSERT_TRUE(v.x == 0.0f || v.y == 0.0f) << "frame " << frame;
            }
        }
    }
}

}  // namespace
