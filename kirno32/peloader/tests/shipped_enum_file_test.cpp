// The shipped DLL's EnumFile over a folder tree, calling back a stdcall function of ours.
#include "shipped_fixture.h"

#include <filesystem>
#include <fstream>

#include <stdlib.h>

namespace {

namespace fs = std::filesystem;

std::vector<std::string> g_visited;
int g_stopAt = 0;  // the callback returns 7 on this file (1-based); 0: never stops

int WINAPI Collect(const char* path) {
  g_visited.push_back(path);
  return static_cast<int>(g_visited.size()) == g_stopAt ? 7 : 0;
}

class ShippedEnumFile : public ShippedDll {
 protected:
  void SetUp() override {
    ShippedDll::SetUp();
    g_visited.clear();
    g_stopAt = 0;
    char linuxTemplate[] = "/tmp/kirno-shipped-enum-XXXXXX";
    ASSERT_NE(mkdtemp(linuxTemplate), nullptr);
    root_ = linuxTemplate;
    originalCwd_ = fs::current_path();
    // Three levels; a directory whose name matches the pattern; files that do not match.
    for (const char* file : {"b.txt", "a.txt", "notes.doc", "sub/c.txt", "sub/deeper/d.txt", "sub/deeper/e.bin",
                             "list.txt/f.txt", "zed/g.txt"}) {
      fs::path path = root_ / file;
      fs::create_directories(path.parent_path());
      std::ofstream(path) << "x";
    }
  }
  void TearDown() override {
    fs::current_path(originalCwd_);
    fs::remove_all(root_);
    ShippedDll::TearDown();
  }
  std::string Win(const std::string& relative = "") {
    char buffer[1024];
    fs::path path = relative.empty() ? root_ : root_ / relative;
    EXPECT_GT(Win32Test_ToWindowsPath(path.c_str(), buffer, sizeof buffer), 0u);
    return buffer;
  }
  std::string CurrentDirectory() {
    char buffer[1024] = {};
    GetCurrentDirectoryA(sizeof buffer, buffer);
    return buffer;
  }
  fs::path root_;
  fs::path originalCwd_;
};

TEST_F(ShippedEnumFile, WalksDepthFirstAndStopsWhereTheCallbackSays) {
  struct Case {
    const char* name;
    const char* pattern;
    int recurse;
    int stopAt;
    int result;
    std::vector<std::string> visited;  // below the root, with backslashes
  };
  const Case cases[] = {
      {"whole tree", "*.txt", 1, 0, 0,
       {"a.txt", "b.txt", "list.txt\\f.txt", "sub\\c.txt", "sub\\deeper\\d.txt", "zed\\g.txt"}},
      {"one level; a matching directory is not a file", "*.txt", 0, 0, 0, {"a.txt", "b.txt"}},
      {"every entry", "*.*", 0, 0, 0, {"a.txt", "b.txt", "notes.doc"}},
      {"stopped on the second", "*.txt", 1, 2, 7, {"a.txt", "b.txt"}},
      {"stopped deep down", "*.txt", 1, 5, 7,
       {"a.txt", "b.txt", "list.txt\\f.txt", "sub\\c.txt", "sub\\deeper\\d.txt"}},
      {"nothing matches", "*.xyz", 1, 0, 0, {}},
  };
  const std::string before = CurrentDirectory();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    g_visited.clear();
    g_stopAt = c.stopAt;
    EXPECT_EQ(kirno.EnumFile(Win().c_str(), c.pattern, c.recurse, Collect), c.result);
    std::vector<std::string> expected;
    for (const std::string& relative : c.visited) expected.push_back(Win() + "\\" + relative);
    EXPECT_EQ(g_visited, expected);
    EXPECT_EQ(CurrentDirectory(), before) << "the current directory was not restored";
  }
}

TEST_F(ShippedEnumFile, MissingDirectoryVisitsNothing) {
  const std::string before = CurrentDirectory();
  EXPECT_EQ(kirno.EnumFile((Win() + "\\missing").c_str(), "*.*", 1, Collect), 0);
  EXPECT_TRUE(g_visited.empty());
  EXPECT_EQ(CurrentDirectory(), before);
}

TEST_F(ShippedEnumFile, DriveRootHasNoDoubledBackslash) {
  ASSERT_TRUE(SetCurrentDirectoryA(Win().c_str()));
  g_stopAt = 1;
  // Z:\ is the Linux root: the first file found there is reported as Z:\name.
  const int result = kirno.EnumFile("Z:\\", "*.*", 0, Collect);
  if (g_visited.empty()) GTEST_SKIP() << "no plain file in the root directory";
  EXPECT_EQ(result, 7);
  EXPECT_EQ(g_visited.front().rfind("Z:\\", 0), 0u) << g_visited.front();
  EXPECT_EQ(g_visited.front().find("\\\\"), std::string::npos) << g_visited.front();
}

}  // namespace
