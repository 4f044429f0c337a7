// Drive Z: over the Linux file system: path mapping, the current directory and wildcard searches.
#include "stand_in_test.h"

#include <filesystem>
#include <fstream>
#include <set>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::string Win(const std::string& linuxPath) {
    char buffer[1024];
    return Win32Test_ToWindowsPath(linuxPath.c_str(), buffer, sizeof buffer) ? buffer : "";
}

std::string Current() {
    char buffer[MAX_PATH];
    return GetCurrentDirectoryA(sizeof buffer, buffer) ? buffer : "";
}

}  // namespace

class FilesTest : public StandInTest {
protected:
    void SetUp() override {
        StandInTest::SetUp();
        saved_ = fs::current_path();
        root_ = fs::temp_directory_path() / ("win32-files-" + std::to_string(getpid()) + "-" +
                                             testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root_);
        fs::create_directories(root_ / "Sub" / "deeper");
        for (const char* name : {"a.txt", "B.TXT", "readme", "data.tar.gz", "x.t", ".hidden", "ab", "abc"})
            std::ofstream(root_ / name) << "x";
    }
    void TearDown() override {
        fs::current_path(saved_);
        fs::remove_all(root_);
        StandInTest::TearDown();
    }
    std::set<std::string> Find(const std::string& pattern) {
        std::set<std::string> names;
        WIN32_FIND_DATAA d;
        HANDLE h = FindFirstFileA((Win(root_.string()) + "\\" + pattern).c_str(), &d);
        if (h == INVALID_HANDLE_VALUE) return names;
        do names.insert(d.cFileName);
        while (FindNextFileA(h, &d));
        EXPECT_EQ(GetLastError(), (DWORD)ERROR_NO_MORE_FILES);
        FindClose(h);
        return names;
    }
    fs::path saved_;
    fs::path root_;
};

TEST_F(FilesTest, PathsMapBothWays) {
    EXPECT_EQ(Win("/"), "Z:\\");
    EXPECT_EQ(Win("/tmp/x"), "Z:\\tmp\\x");
    EXPECT_EQ(Win("/tmp/x/"), "Z:\\tmp\\x");
    char buffer[256];
    struct Case {
        const char* windows;
        const char* linux;
    } cases[] = {{"Z:\\tmp\\x", "/tmp/x"}, {"z:/tmp/x", "/tmp/x"}, {"Z:\\", "/"},
                 {"\\tmp\\.\\x\\..\\y", "/tmp/y"}, {"Z:\\..\\..", "/"}};
    for (const Case& c : cases) {
        ASSERT_NE(Win32Test_ToLinuxPath(c.windows, buffer, sizeof buffer), 0u) << c.windows;
        EXPECT_STREQ(buffer, c.linux) << c.windows;
    }
    EXPECT_EQ(Win32Test_ToLinuxPath("C:\\Windows", buffer, sizeof buffer), 0u);  // only drive Z exists
    EXPECT_EQ(Win32Test_ToLinuxPath("\\\\server\\share", buffer, sizeof buffer), 0u);
}

TEST_F(FilesTest, CurrentDirectoryIsAWindowsPathAndRelativePathsFollowIt) {
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    EXPECT_EQ(Current(), Win(root_.string()));
    EXPECT_EQ(fs::current_path(), root_);  // the process itself moved
    ASSERT_TRUE(SetCurrentDirectoryA("Sub\\deeper"));
    EXPECT_EQ(Current(), Win(root_.string()) + "\\Sub\\deeper");
    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ(Current(), Win(root_.string()) + "\\Sub");
    ASSERT_TRUE(SetCurrentDirectoryA("\\"));
    EXPECT_EQ(Current(), "Z:\\");  // a drive root keeps its backslash
    ASSERT_TRUE(SetCurrentDirectoryA(".."));
    EXPECT_EQ(Current(), "Z:\\");

    char full[MAX_PATH];
    LPSTR part = nullptr;
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    EXPECT_GT(GetFullPathNameA("Sub\\file.txt", sizeof full, full, &part), 0u);
    EXPECT_EQ(std::string(full), Win(root_.string()) + "\\Sub\\file.txt");
    EXPECT_STREQ(part, "file.txt");
}

TEST_F(FilesTest, SettingTheCurrentDirectoryFailsSafely) {
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    const std::string before = Current();
    EXPECT_FALSE(SetCurrentDirectoryA("missing"));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(SetCurrentDirectoryA("missing\\deeper"));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PATH_NOT_FOUND);
    EXPECT_FALSE(SetCurrentDirectoryA("a.txt"));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_DIRECTORY);
    EXPECT_FALSE(SetCurrentDirectoryA("C:\\"));
    EXPECT_EQ(Current(), before);
}

TEST_F(FilesTest, NamesIgnoreCaseButKeepTheSpellingGiven) {
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    ASSERT_TRUE(SetCurrentDirectoryA("SUB"));
    EXPECT_EQ(Current(), Win(root_.string()) + "\\SUB");
    EXPECT_EQ(fs::current_path(), root_ / "Sub");
}

TEST_F(FilesTest, OverLongCurrentDirectoryIsRefused) {
    fs::path deep = root_;
    std::string segment(60, 'd');
    while (Win(deep.string()).size() < MAX_PATH + 10) {
        deep /= segment;
        fs::create_directories(deep);
    }
    EXPECT_FALSE(SetCurrentDirectoryA(Win(deep.string()).c_str()));
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILENAME_EXCED_RANGE);
    char small[4];
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    DWORD needed = GetCurrentDirectoryA(sizeof small, small);
    EXPECT_EQ(needed, Win(root_.string()).size() + 1);  // the size needed, terminator included
}

TEST_F(FilesTest, WildcardsFollowThePlatformRules) {
    using S = std::set<std::string>;
    const S all{".", "..", "a.txt", "B.TXT", "readme", "data.tar.gz", "x.t", ".hidden", "ab", "abc", "Sub"};
    struct Case {
        const char* pattern;
        S expected;
    } cases[] = {
        {"*.*", all},
        {"*", all},
        {"*.txt", {"a.txt", "B.TXT"}},
        {"*.TXT", {"a.txt", "B.TXT"}},
        {"*.", {".", "..", "readme", "ab", "abc", "Sub"}},
        {"a?", {"ab"}},
        {"ab?", {"ab", "abc"}},  // a final ? may match nothing
        {"??", {"ab"}},
        {"*.t", {"x.t"}},
        {"*.gz", {"data.tar.gz"}},
        {"data.*", {"data.tar.gz"}},
        {"?.txt", {"a.txt", "B.TXT"}},
        {"readme", {"readme"}},
        {"nothing*", {}},
    };
    for (const Case& c : cases) EXPECT_EQ(Find(c.pattern), c.expected) << c.pattern;
}

TEST_F(FilesTest, SearchOrderAttributesAndErrors) {
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA((Win(root_.string()) + "\\*.*").c_str(), &d);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::vector<std::string> order{d.cFileName};
    std::vector<DWORD> attributes{d.dwFileAttributes};
    while (FindNextFileA(h, &d)) {
        order.push_back(d.cFileName);
        attributes.push_back(d.dwFileAttributes);
    }
    EXPECT_TRUE(FindClose(h));
    EXPECT_FALSE(FindClose(h));
    // "." and ".." first, then by name without case.
    std::vector<std::string> expected{".", "..", ".hidden", "a.txt", "ab", "abc", "B.TXT", "data.tar.gz", "readme", "Sub", "x.t"};
    EXPECT_EQ(order, expected);
    EXPECT_TRUE(attributes[9] & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_FALSE(attributes[3] & FILE_ATTRIBUTE_DIRECTORY);
    EXPECT_TRUE(attributes[2] & FILE_ATTRIBUTE_HIDDEN);

    EXPECT_EQ(FindFirstFileA((Win(root_.string()) + "\\missing\\*.*").c_str(), &d), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_PATH_NOT_FOUND);
    EXPECT_EQ(FindFirstFileA((Win(root_.string()) + "\\*.none").c_str(), &d), INVALID_HANDLE_VALUE);
    EXPECT_EQ(GetLastError(), (DWORD)ERROR_FILE_NOT_FOUND);
}

TEST_F(FilesTest, RelativeSearchUsesTheCurrentDirectoryAndRootHasNoDots) {
    ASSERT_TRUE(SetCurrentDirectoryA(Win(root_.string()).c_str()));
    WIN32_FIND_DATAA d;
    HANDLE h = FindFirstFileA("Sub\\*.*", &d);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    std::vector<std::string> names{d.cFileName};
    while (FindNextFileA(h, &d)) names.push_back(d.cFileName);
    FindClose(h);
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "deeper"}));

    ASSERT_TRUE(SetCurrentDirectoryA("Z:\\"));
    h = FindFirstFileA("*.*", &d);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    bool sawDot = false;
    do sawDot = sawDot || std::string(d.cFileName) == "." || std::string(d.cFileName) == "..";
    while (FindNextFileA(h, &d));
    FindClose(h);
    EXPECT_FALSE(sawDot);
}
