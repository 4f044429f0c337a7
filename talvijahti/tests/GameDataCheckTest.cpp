// The start-up data check: every missing or unreadable picture, sound and level is named.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "app/GameDataCheck.h"
#include "fsound.h"

namespace fs = std::filesystem;

namespace {

// A data folder whose files are links to the real game data, one by one, so that a test can
// take any of them away or replace it.
class GameDataCheckTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previous = fs::current_path();
        folder = fs::temp_directory_path() / ("talvijahti_datacheck_" + std::to_string(::getpid()) + "_" +
                                              ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        for (const char* sub : {"data", "sfx", "levels"}) {
            fs::create_directories(folder / sub);
            for (const fs::directory_entry& file : fs::directory_iterator(fs::path(TALVIJAHTI_TEST_DATA) / sub)) {
                fs::create_symlink(file.path(), folder / sub / file.path().filename());
            }
        }
        fs::current_path(folder);
    }
    void TearDown() override
    {
        fs::current_path(previous);
        fs::remove_all(folder);
    }
    void Replace(const std::string& path, const std::string& contents)
    {
        fs::remove(path);
        std::ofstream(path, std::ios::binary) << contents;
    }

    fs::path previous;
    fs::path folder;
};

TEST_F(GameDataCheckTest, TheGamesOwnDataPasses)
{
    EXPECT_EQ(FindGameDataProblems(), std::vector<std::string>{});
    EXPECT_EQ(GameDataFiles().pictures.size(), 13u);
    EXPECT_EQ(GameDataFiles().sounds.size(), 4u);
    EXPECT_EQ(GameDataFiles().levels.size(), 10u);
}

TEST_F(GameDataCheckTest, NamesEachMissingOrUnreadableFile)
{
    struct Case {
        const char* path;
        bool remove;           // otherwise replaced by contents
        const char* contents;
        const char* problem;
    };
    const Case cases[] = {
        {"data/puu.png", true, "", "data/puu.png: missing"},
        {"data/font.png", false, "not a picture", "data/font.png: cannot be read as a picture"},
        {"sfx/Ice slow.wav", true, "", "sfx/Ice slow.wav: missing"},
        {"sfx/ouch.wav", false, "RIFF....WAVEjunk", "sfx/ouch.wav: cannot be read as a sound"},
        {"levels/level4.lev", true, "", "levels/level4.lev: missing"},
        {"levels/level10.lev", false, "short", "levels/level10.lev: file is 5 bytes"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const fs::path saved = fs::read_symlink(c.path);
        if (c.remove) {
            fs::remove(c.path);
        } else {
            Replace(c.path, c.contents);
        }
        const std::vector<std::string> problems = FindGameDataProblems();
        ASSERT_EQ(problems.size(), 1u);
        EXPECT_EQ(problems[0].rfind(c.problem, 0), 0u) << problems[0];
        fs::remove(c.path);
        fs::create_symlink(saved, c.path);
    }
}

TEST_F(GameDataCheckTest, ListsEveryProblemAtOnce)
{
    fs::remove_all("sfx");
    fs::remove("data/pallo.png");
    const std::vector<std::string> problems = FindGameDataProblems();
    ASSERT_EQ(problems.size(), 5u);
    EXPECT_EQ(problems[0], "data/pallo.png: missing");
    for (const char* sound : {"sfx/wind.wav", "sfx/Ice slow.wav", "sfx/ouch.wav", "sfx/Button 2.wav"}) {
        EXPECT_NE(std::find(problems.begin(), problems.end(), std::string(sound) + ": missing"), problems.end())
            << sound;
    }
}

}  // namespace
