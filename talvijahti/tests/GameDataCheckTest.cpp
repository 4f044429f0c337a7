// The start-up data check: every missing or unreadable picture, sound and level is named.
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "TestSounds.h"
#include "app/GameDataCheck.h"
#include "fsound.h"

namespace fs = std::filesystem;

namespace {

std::string HugeFlac()
{
    const std::vector<uint8_t> bytes = soundtest::HugeDeclaredFlacBytes();
    return std::string(bytes.begin(), bytes.end());
}

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
    enum Change { kRemove, kReplace, kFolder };
    struct Case {
        const char* path;
        Change change;
        std::string contents;  // for kReplace
        const char* problem;
    };
    const Case cases[] = {
        {"data/puu.png", kRemove, "", "data/puu.png: missing"},
        {"data/font.png", kReplace, "not a picture", "data/font.png: cannot be read as a picture"},
        {"data/lumi.png", kFolder, "", "data/lumi.png: is a folder, not a file"},
        {"sfx/Ice slow.wav", kRemove, "", "sfx/Ice slow.wav: missing"},
        {"sfx/ouch.wav", kReplace, "RIFF....WAVEjunk", "sfx/ouch.wav: cannot be read as a sound"},
        // FLAC inside, named .wav, with a declared length no memory could hold.
        {"sfx/Button 2.wav", kReplace, HugeFlac(), "sfx/Button 2.wav: cannot be read as a sound"},
        {"sfx/wind.wav", kFolder, "", "sfx/wind.wav: is a folder, not a file"},
        {"levels/level4.lev", kRemove, "", "levels/level4.lev: missing"},
        {"levels/level10.lev", kReplace, "short", "levels/level10.lev: file is 5 bytes"},
        {"levels/level7.lev", kFolder, "", "levels/level7.lev: is a folder, not a file"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        const fs::path saved = fs::read_symlink(c.path);
        if (c.change == kReplace) {
            Replace(c.path, c.contents);
        } else {
            fs::remove(c.path);
            if (c.change == kFolder) {
                fs::create_directory(c.path);
            }
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
