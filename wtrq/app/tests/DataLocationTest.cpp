// Finding the game data: WTRQ_DATA wins and must be right; else the program's own places.
#include "app/DataLocation.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "jwe/Exceptions.h"

namespace fs = std::filesystem;

namespace {

class DataLocationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char pattern[] = "/tmp/wtrq-data-XXXXXX";
        folder = mkdtemp(pattern);
        fs::create_directories(folder / "good" / "data");
        fs::create_directories(folder / "empty");
    }
    void TearDown() override
    {
        unsetenv("WTRQ_DATA");
        fs::remove_all(folder);
    }
    fs::path folder;
};

TEST_F(DataLocationTest, NamedFolderIsUsedOrRefused)
{
    setenv("WTRQ_DATA", (folder / "good").c_str(), 1);
    EXPECT_EQ(findGameData(), folder / "good");
    for (const fs::path& wrong : {folder / "empty", folder / "missing", folder / "good" / "data"}) {
        setenv("WTRQ_DATA", wrong.c_str(), 1);
        try {
            findGameData();
            ADD_FAILURE() << wrong << ": accepted";
        } catch (const JWEException& failure) {
            EXPECT_STREQ(failure.what(), "Failed to find the game data.");
            EXPECT_EQ(failure.getDetail(),
                      "WTRQ_DATA names \"" + wrong.string() + "\", which is not a folder holding \"data\".");
        }
    }
}

TEST_F(DataLocationTest, WithoutANamedFolderTheSourceTreeIsFoundFromAnywhere)
{
    unsetenv("WTRQ_DATA");
    const fs::path start = fs::current_path();
    fs::current_path(folder / "empty");
    EXPECT_EQ(fs::canonical(findGameData()), fs::canonical(WTRQ_TEST_SOURCE_DATA));
    setWorkingDirectory();
    EXPECT_TRUE(fs::exists("data"));
    fs::current_path(start);
}

}  // namespace
