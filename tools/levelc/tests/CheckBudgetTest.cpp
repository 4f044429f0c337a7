// levelc's checks on levels the game accepts but that are too large to check: each is answered
// with one clear line in bounded time and memory, and a level just within the limits is checked.
#include "CheckBudget.h"
#include "LevelChecks.h"
#include "LevelFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

SLevelData Field(float width, float height)
{
    SLevelData l;
    l.width = width;
    l.height = height;
    l.start = {100, 100};
    l.end = {width - 100, height - 100};
    return l;
}

bool SaysTooLarge(const std::vector<std::string>& problems)
{
    return problems.size() == 1 && problems[0].rfind("the level is too large for levelc's checks", 0) == 0;
}

TEST(CheckBudget, LevelsTheGameAcceptsButNoCheckCouldFinishAreNamedTooLarge)
{
    struct Case
    {
        const char* what;
        SLevelData level;
        const char* limit;  // the measure named in the line
    };
    SLevelData huge = Field(1.0e6f, 1.0e6f);
    SLevelData busyRuns = Field(20000, 2000);
    for (int i = 0; i < 4000; ++i)  // all on one line: every pair is a run to sample
        busyRuns.waypoints.push_back({50.0f + 4.0f * float(i), 1000.0f});
    SLevelData wideWalls = Field(8000, 8000);
    for (int i = 0; i < 4096; ++i)  // each wall's box covers the whole field
        wideWalls.quads.push_back({{SLevelPoint{0, 0}, {0, 8000}, {8000, 8000}, {8000, 0}}});
    SLevelData manyBalls = Field(4000, 3000);
    for (int i = 0; i < 4096; ++i)  // on a slant: no two share a line, so there are no runs
        manyBalls.waypoints.push_back({40.0f + 0.9f * float(i), 40.0f + 0.7f * float(i)});
    manyBalls.enemyCount = 256;
    for (int i = 0; i < 4096; ++i)
        manyBalls.quads.push_back({{SLevelPoint{0, 0}, {0, 1}, {1, 1}, {1, 0}}});
    const Case cases[] = {
        {"a 1,000,000 x 1,000,000 field", huge, "reach grid nodes"},
        {"4000 waypoints on one line", busyRuns, "obstacle tests along snowball runs"},
        {"4096 walls over the whole field", wideWalls, "obstacle tests for the reach grid"},
        {"256 snowballs among 4096 waypoints and walls", manyBalls, "steps of snowball play"},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.what);
        // Both must run to the checks' own limits: the game accepts the level.
        ASSERT_TRUE(ParseLevel(EncodeLevel(c.level), "x.lev").ok);
        const std::vector<std::string> layout = CheckLayout(c.level);
        const std::vector<std::string> solvable = CheckSolvable(c.level);
        EXPECT_TRUE(SaysTooLarge(layout)) << (layout.empty() ? "" : layout[0]);
        EXPECT_TRUE(SaysTooLarge(solvable)) << (solvable.empty() ? "" : solvable[0]);
        ASSERT_FALSE(layout.empty());
        EXPECT_NE(layout[0].find(c.limit), std::string::npos) << layout[0];
    }
}

TEST(CheckBudget, EachLimitIsInclusive)
{
    // A 1200 x 900 field is 301 x 226 grid nodes, one wall's box 10 x 10 nodes; the snowball
    // on two waypoints 200 apart plays 6000 frames of 2 waypoints + 1 ball + 5 wall tests + 1.
    SLevelData level = Field(1200, 900);
    level.quads = {{{SLevelPoint{500, 500}, {500, 504}, {504, 504}, {504, 500}}}};
    level.waypoints = {{300, 300}, {500, 300}};
    level.enemyCount = 1;
    const SCheckWork work = EstimateCheckWork(level);
    EXPECT_EQ(work.gridNodes, 301.0 * 226.0);
    EXPECT_EQ(work.gridObstacleTests, 12.0 * 12.0);
    EXPECT_EQ(work.runObstacleTests, (200.0 / 4.0 + 2.0) * 2.0);
    EXPECT_EQ(work.rollSteps, 6000.0 * 1.0 * 9.0);

    const auto limitsAt = [&](double delta) {
        return std::vector<SCheckLimits>{
            {work.gridNodes + delta, 1e18, 1e18, 1e18},
            {1e18, work.gridObstacleTests + delta, 1e18, 1e18},
            {1e18, 1e18, work.runObstacleTests + delta, 1e18},
            {1e18, 1e18, 1e18, work.rollSteps + delta},
        };
    };
    for (const SCheckLimits& limits : limitsAt(0))
        EXPECT_EQ(TooLargeForChecks(level, limits), "");
    for (const SCheckLimits& limits : limitsAt(-1))
        EXPECT_NE(TooLargeForChecks(level, limits), "");
}

TEST(CheckBudget, PointsBeyondWhatTheGameAcceptsAreNotChecked)
{
    // Huge coordinates would overflow the checks' float-to-int conversions.
    SLevelData level = Field(1200, 900);
    level.waypoints = {{8e9f, 300}, {300, 300}};
    EXPECT_TRUE(SaysTooLarge(CheckLayout(level)));
    level.waypoints = {{300, 300}};
    level.presents = {{300, -1e20f}};
    EXPECT_TRUE(SaysTooLarge(CheckSolvable(level)));
}

}  // namespace
