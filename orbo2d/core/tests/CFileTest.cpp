// CFile's three open modes and its quiet behaviour at the end of a file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/CFile.h"

namespace {

class CFileTest : public ::testing::Test {
protected:
    std::string path = (std::filesystem::temp_directory_path() /
                        ("cfile_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                         ::testing::UnitTest::GetInstance()->current_test_info()->name()))
                           .string();

    void WriteRaw(const std::string& bytes)
    {
        std::ofstream(path, std::ios::binary) << bytes;
    }
    std::string ReadRaw()
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }
    void TearDown() override { std::remove(path.c_str()); }
};

TEST_F(CFileTest, WriteEmptiesAnExistingFile)
{
    WriteRaw("old contents");
    CFile file;
    ASSERT_TRUE(file.Open(FILE_WRITE, path));
    file.Close();
    EXPECT_EQ(ReadRaw(), "");
}

TEST_F(CFileTest, AppendWritesAtTheEnd)
{
    WriteRaw("ab");
    CFile file;
    ASSERT_TRUE(file.Open(FILE_APPEND, path));
    file.Write("cd", 2);
    file.Close();
    EXPECT_EQ(ReadRaw(), "abcd");
}

TEST_F(CFileTest, ReadPastTheEndLeavesTheRestOfTheBufferAlone)
{
    WriteRaw(std::string("\x01\x02", 2));
    CFile file;
    ASSERT_TRUE(file.Open(FILE_READ, path));
    unsigned char buffer[4] = {9, 9, 9, 9};
    file.Read(buffer, 4);
    EXPECT_EQ(buffer[0], 1);
    EXPECT_EQ(buffer[1], 2);
    EXPECT_EQ(buffer[2], 9);
    EXPECT_EQ(buffer[3], 9);
    unsigned char later[2] = {7, 7};
    file.Read(later, 2);
    EXPECT_EQ(later[0], 7);
    EXPECT_EQ(later[1], 7);
}

TEST_F(CFileTest, MissingFileDoesNotOpenForReading)
{
    CFile file;
    EXPECT_FALSE(file.Open(FILE_READ, path + ".missing"));
}

TEST_F(CFileTest, UnknownModeReportsWhetherAlreadyOpen)
{
    CFile closed;
    EXPECT_FALSE(closed.Open(static_cast<FileOpenFlag>(7), path));
    EXPECT_FALSE(std::filesystem::exists(path));

    CFile open;
    ASSERT_TRUE(open.Open(FILE_WRITE, path));
    EXPECT_TRUE(open.Open(static_cast<FileOpenFlag>(7), path));
}

}  // namespace
