// EnumFile on real directory trees, seen through the stand-in's Windows drive.
#include <gtest/gtest.h>

#include <windows.h>
#include <win32_test_control.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <sys/wait.h>
#include <unistd.h>

#include "kirno32.h"
#include "kirno_state.h"

namespace {

namespace fs = std::filesystem;

std::vector<std::string> g_visited;
int g_stopAt = 0;  // the callback returns 7 on this file (1-based); 0: never stops

int WINAPI Collect(const char* path) {
  g_visited.push_back(path);
  return static_cast<int>(g_visited.size()) == g_stopAt ? 7 : 0;
}

class EnumFiles : public testing::Test {
 protected:
  void SetUp() override {
    Win32Test_Reset();
    KirnoResetState();
    g_visited.clear();
    g_stopAt = 0;
    char linuxTemplate[] = "/tmp/kirno-enum-XXXXXX";
    ASSERT_NE(mkdtemp(linuxTemplate), nullptr);
    root_ = linuxTemplate;
    originalCwd_ = fs::current_path();
  }
  void TearDown() override {
    fs::current_path(originalCwd_);
    fs::remove_all(root_);
  }
  void Touch(const std::string& relative) {
    fs::path path = root_ / relative;
    fs::create_directories(path.parent_path());
    std::ofstream(path) << "x";
  }
  // The Windows form of a path below the root.
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

// One subdirectory per level, so the order is fixed: files of a directory, then its subdirectory.
TEST_F(EnumFiles, DepthFirstWithFilesBeforeSubdirectories) {
  Touch("a.txt");
  Touch("skip.dat");
  Touch("s/b.txt");
  Touch("s/t/c.txt");
  Touch("s/t/d.dat");
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win("a.txt"), Win("s\\b.txt"), Win("s\\t\\c.txt")}));
}

TEST_F(EnumFiles, EverySiblingIsVisitedOnceAndBeforeItsChildren) {
  for (const char* file : {"1.txt", "2.txt", "x/3.txt", "x/4.txt", "y/5.txt", "y/z/6.txt"}) Touch(file);
  EXPECT_EQ(EnumFile(Win().c_str(), "*.*", 1, Collect), 0);
  ASSERT_EQ(g_visited.size(), 6u);
  auto position = [&](const std::string& name) {
    return std::find(g_visited.begin(), g_visited.end(), Win(name)) - g_visited.begin();
  };
  EXPECT_LT(position("1.txt"), 2);
  EXPECT_LT(position("2.txt"), 2);
  EXPECT_LT(position("y/5.txt"), position("y/z/6.txt"));
  EXPECT_EQ(std::abs(position("x/3.txt") - position("x/4.txt")), 1) << "a directory's files come together";
}

TEST_F(EnumFiles, CallbackResultStopsTheWalk) {
  Touch("a.txt");
  Touch("s/b.txt");
  Touch("s/t/c.txt");
  fs::current_path("/tmp");
  std::string before = CurrentDirectory();
  g_stopAt = 2;
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 7);
  EXPECT_EQ(g_visited.size(), 2u);
  EXPECT_EQ(CurrentDirectory(), before);
  EXPECT_EQ(fs::current_path(), fs::path("/tmp"));
}

TEST_F(EnumFiles, WithoutRecursionOnlyTheDirectoryItself) {
  Touch("a.txt");
  Touch("sub/b.txt");
  fs::create_directories(root_ / "folder.txt");
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 0, Collect), 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win("a.txt")}));
}

TEST_F(EnumFiles, MatchingDirectoriesAreNeverReported) {
  fs::create_directories(root_ / "folder.txt" / "inner.txt");
  Touch("folder.txt/inner.txt/file.txt");
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win("folder.txt\\inner.txt\\file.txt")}));
}

TEST_F(EnumFiles, RelativeDirectoryAndRestoredCurrentDirectory) {
  Touch("sub/a.txt");
  fs::current_path(root_);
  EXPECT_EQ(EnumFile("sub", "*.txt", 0, Collect), 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win("sub\\a.txt")}));
  EXPECT_EQ(fs::current_path(), root_);
}

TEST_F(EnumFiles, MissingDirectoryOrNoMatch) {
  fs::current_path("/tmp");
  EXPECT_EQ(EnumFile(Win("missing").c_str(), "*.*", 1, Collect), 0);
  Touch("a.dat");
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0);
  EXPECT_TRUE(g_visited.empty());
  EXPECT_EQ(fs::current_path(), fs::path("/tmp"));
}

TEST_F(EnumFiles, HiddenAndReadOnlyFilesAreReported) {
  Touch(".hidden.txt");
  Touch("locked.txt");
  fs::permissions(root_ / "locked.txt", fs::perms::owner_read);
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 0, Collect), 0);
  std::sort(g_visited.begin(), g_visited.end());
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win(".hidden.txt"), Win("locked.txt")}));
}

// At a drive root the current directory already ends in a backslash: no second one is added.
TEST_F(EnumFiles, DriveRootPathsHaveOneBackslash) {
  const std::string name = "kirno-enum-root-" + std::to_string(getpid()) + ".tmp";
  {
    std::ofstream file("/" + name);
    if (!file) GTEST_SKIP() << "the file system root is not writable here";
  }
  char rootDrive[16];
  ASSERT_GT(Win32Test_ToWindowsPath("/", rootDrive, sizeof rootDrive), 0u);
  int result = EnumFile(rootDrive, name.c_str(), 0, Collect);
  fs::remove("/" + name);
  EXPECT_EQ(result, 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{std::string(rootDrive) + name}));
  EXPECT_EQ(std::string(rootDrive).back(), '\\');
}

TEST_F(EnumFiles, OutOfMemory) {
  Touch("a.txt");
  Touch("s/b.txt");
  Win32Test_FailAfter(WIN32TEST_FAIL_MEMORY, 0);  // the pattern copy
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0xFFFF);
  Win32Test_FailAfter(WIN32TEST_FAIL_MEMORY, 1);  // the saved directory
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0xFFFF);
  EXPECT_TRUE(g_visited.empty());

  // A failure deeper down skips that level only: here the top directory's file pass.
  Win32Test_FailAfter(WIN32TEST_FAIL_MEMORY, 2);
  EXPECT_EQ(EnumFile(Win().c_str(), "*.txt", 1, Collect), 0);
  EXPECT_EQ(g_visited, (std::vector<std::string>{Win("s\\b.txt")}));
}

// A full path that would not fit the 262-byte path buffer is skipped; its shorter neighbour is not.
TEST_F(EnumFiles, OverLongPathIsSkippedSafely) {
  const std::string segment(50, 'd');
  std::string deep = segment;
  while (Win(deep + "/" + segment).size() < 230) deep += "/" + segment;
  const std::string dir = Win(deep);
  // The directory, a backslash, the name and its NUL in 262 bytes: this name just fits.
  const size_t longest = 262 - dir.size() - 2;
  const std::string fitting(longest, 'f');
  Touch(deep + "/" + fitting);
  Touch(deep + "/" + std::string(longest + 1, 'n'));
  Touch(deep + "/short.txt");
  EXPECT_EQ(EnumFile(Win().c_str(), "*", 1, Collect), 0);
  std::sort(g_visited.begin(), g_visited.end());
  EXPECT_EQ(g_visited, (std::vector<std::string>{dir + "\\" + fitting, dir + "\\short.txt"}));
  ASSERT_FALSE(g_visited.empty());
  EXPECT_EQ(g_visited[0].size(), 261u);
}

}  // namespace

namespace {

// Runs the walk as an ordinary user when the tests run as root (to whom every directory is
// readable): in a child process that gives up root, reporting the visited paths through a pipe.
// False when the walk could not be run that way.
bool WalkAsOrdinaryUser(const std::string& directory, std::vector<std::string>* visited, int* result) {
  if (geteuid() != 0) {
    g_visited.clear();
    *result = EnumFile(directory.c_str(), "*.*", 1, Collect);
    *visited = g_visited;
    return true;
  }
  int fds[2];
  if (pipe(fds) != 0) return false;
  pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    close(fds[0]);
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(3);
    g_visited.clear();
    int walked = EnumFile(directory.c_str(), "*.*", 1, Collect);
    std::string out = std::to_string(walked) + "\n";
    for (const std::string& path : g_visited) out += path + "\n";
    if (write(fds[1], out.data(), out.size()) != static_cast<ssize_t>(out.size())) _exit(4);
    _exit(0);
  }
  close(fds[1]);
  std::string text;
  char buffer[512];
  for (ssize_t n; (n = read(fds[0], buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<size_t>(n));
  close(fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return false;
  size_t line = text.find('\n');
  *result = std::stoi(text.substr(0, line));
  visited->clear();
  for (size_t start = line + 1, end; (end = text.find('\n', start)) != std::string::npos; start = end + 1)
    visited->push_back(text.substr(start, end - start));
  return true;
}

}  // namespace

// A subdirectory that cannot be entered, or entered but not listed, is walked as if empty.
TEST_F(EnumFiles, UnreadableSubdirectoriesAreSkipped) {
  Touch("a.txt");
  Touch("closed/hidden.txt");    // no permission to enter
  Touch("unlisted/secret.txt");  // may be entered, not listed
  Touch("open/b.txt");
  fs::permissions(root_, fs::perms::all);
  for (const char* d : {"closed", "unlisted", "open"}) fs::permissions(root_ / d, fs::perms::all);
  for (const char* f : {"a.txt", "open/b.txt"}) fs::permissions(root_ / f, fs::perms::all);
  fs::permissions(root_ / "closed", fs::perms::owner_all);
  fs::permissions(root_ / "unlisted", fs::perms::owner_all | fs::perms::others_exec | fs::perms::group_exec);
  std::vector<std::string> visited;
  int result = -1;
  ASSERT_TRUE(WalkAsOrdinaryUser(Win(), &visited, &result)) << "could not run the walk as an ordinary user";
  EXPECT_EQ(result, 0);
  EXPECT_EQ(visited, (std::vector<std::string>{Win("a.txt"), Win("open\\b.txt")}));
  fs::permissions(root_ / "closed", fs::perms::all);
  fs::permissions(root_ / "unlisted", fs::perms::all);
}
