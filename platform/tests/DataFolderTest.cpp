// Finding the data folder among candidates, and the executable's own folder.
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include <gtest/gtest.h>

#include "paths/DataFolder.h"
#include "paths/ExecutableFolder.h"

namespace fs = std::filesystem;

class DataFolderTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        root = fs::temp_directory_path() / ("datafolder_" + std::to_string(::getpid()));
        fs::create_directories(root / "without");
        fs::create_directories(root / "with" / "data");
        fs::create_directories(root / "second" / "data");
        std::ofstream(root / "file-not-folder");
    }
    void TearDown() override { fs::remove_all(root); }
    fs::path root;
};

TEST_F(DataFolderTest, TakesTheFirstCandidateHoldingTheMarker)
{
    const auto found = FindDataFolder({"", root / "missing", root / "without", root / "file-not-folder",
                                       root / "with", root / "second"},
                                      "data");
    ASSERT_TRUE(found.has_value());
    EXPECT_EQ(*found, root / "with");
}

TEST_F(DataFolderTest, NothingFoundWhenNoCandidateHasTheMarker)
{
    EXPECT_FALSE(FindDataFolder({root / "without", root / "missing"}, "data").has_value());
    EXPECT_FALSE(FindDataFolder({}, "data").has_value());
}

TEST(ExecutableFolder, IsTheFolderOfThisTestProgram)
{
    const fs::path folder = ExecutableFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_TRUE(fs::exists(folder / "platform_paths_tests"));
}
