// The ten levels that ship with the game: they load, are sound, can be finished and
// grow in size and challenge from the first to the last.
#include "LevelChecks.h"
#include "LevelFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{

std::vector<SLevelData> LoadAll()
{
    std::vector<SLevelData> levels;
    for (int i = 1; i <= 10; ++i)
    {
        const SLevelLoadResult r = ReadLevelFile(std::string(LEVELS_DIR) + "/level" + std::to_string(i) + ".lev");
        EXPECT_TRUE(r.ok) << r.error;
        levels.push_back(r.level);
    }
    return levels;
}

TEST(ShippedLevels, EveryLevelIsSoundAndSolvable)
{
    const std::vector<SLevelData> levels = LoadAll();
    for (std::size_t i = 0; i < levels.size(); ++i)
    {
        EXPECT_EQ(CheckLayout(levels[i]), std::vector<std::string>{}) << "level " << i + 1;
        EXPECT_EQ(CheckSolvable(levels[i]), std::vector<std::string>{}) << "level " << i + 1;
    }
}

TEST(ShippedLevels, GrowFromGentleToHard)
{
    const std::vector<SLevelData> levels = LoadAll();
    ASSERT_EQ(levels.size(), 10u);
    EXPECT_GE(levels.front().enemyCount, 1);  // the first level's message warns of snowballs
    EXPECT_GE(levels.front().presents.size(), 3u);
    EXPECT_EQ(levels.back().width, 4000.0f);
    EXPECT_EQ(levels.back().height, 3000.0f);
    for (std::size_t i = 1; i < levels.size(); ++i)
    {
        const SLevelData& a = levels[i - 1];
        const SLevelData& b = levels[i];
        EXPECT_GT(b.width * b.height, a.width * a.height) << "level " << i + 1;
        EXPECT_GE(b.presents.size(), a.presents.size()) << "level " << i + 1;
        EXPECT_GE(b.enemyCount, a.enemyCount) << "level " << i + 1;
        // Every level is larger than the screen, so the camera follows the elf.
        EXPECT_GT(b.width, 800.0f);
        EXPECT_GT(b.height, 600.0f);
    }
}

}  // namespace
