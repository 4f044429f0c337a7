// The private scratch folder: where it is made, that it goes away, and that signals clean it.
#include "jwe/ScratchFolder.h"

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <fstream>

#include "TempFolder.h"

namespace fs = std::filesystem;

namespace {

TEST(ScratchFolder, MadeOnFirstUseUnderItsBaseAndRemovedWhole)
{
    TempFolder base;
    std::string temp;
    {
        ScratchFolder scratch(base.path);
        EXPECT_TRUE(scratch.folder().empty());
        temp = scratch.pathOf("temp.tmp");
        EXPECT_EQ(fs::path(temp).parent_path().parent_path(), base.path);
        EXPECT_EQ(fs::path(temp).filename(), "temp.tmp");
        EXPECT_EQ(scratch.pathOf("guifont.ttf"), (scratch.folder() / "guifont.ttf").string());
        std::ofstream(temp) << "x";
        std::ofstream(scratch.pathOf("guifont.ttf")) << "y";
        scratch.removeFile("temp.tmp");
        EXPECT_FALSE(fs::exists(temp));
        scratch.removeFile("temp.tmp");  // already gone: nothing happens
    }
    EXPECT_TRUE(fs::is_empty(base.path));
}

TEST(ScratchFolder, TwoFoldersNeverShareFiles)
{
    TempFolder base;
    ScratchFolder first(base.path);
    ScratchFolder second(base.path);
    EXPECT_NE(first.pathOf("temp.tmp"), second.pathOf("temp.tmp"));
}

TEST(ScratchFolder, DefaultsToTheRuntimeFolderElseTheTemporaryOne)
{
    TempFolder runtime;
    const char* saved = std::getenv("XDG_RUNTIME_DIR");
    const std::string savedValue = saved ? saved : "";
    setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
    {
        ScratchFolder scratch;
        EXPECT_EQ(fs::path(scratch.pathOf("a")).parent_path().parent_path(), runtime.path);
    }
    setenv("XDG_RUNTIME_DIR", (runtime.path / "missing").c_str(), 1);
    {
        ScratchFolder scratch;
        EXPECT_EQ(fs::path(scratch.pathOf("a")).parent_path().parent_path(), fs::temp_directory_path());
    }
    if (saved) {
        setenv("XDG_RUNTIME_DIR", savedValue.c_str(), 1);
    } else {
        unsetenv("XDG_RUNTIME_DIR");
    }
}

TEST(ScratchFolder, RemovedWhenTheProcessIsInterruptedOrTerminated)
{
    for (int signalNumber : {SIGINT, SIGTERM}) {
        TempFolder runtime;
        int pipeEnds[2];
        ASSERT_EQ(pipe(pipeEnds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setenv("XDG_RUNTIME_DIR", runtime.path.c_str(), 1);
            std::signal(SIGINT, SIG_DFL);
            std::signal(SIGTERM, SIG_DFL);
            for (const char* name : {"temp.tmp", "tileinfo.tmp", "guifont.ttf"}) {
                std::ofstream(scratchPath(name)) << "scratch";
            }
            const char ready = 'r';
            if (write(pipeEnds[1], &ready, 1) != 1) _exit(3);
            pause();
            _exit(0);
        }
        close(pipeEnds[1]);
        char ready = 0;
        ASSERT_EQ(read(pipeEnds[0], &ready, 1), 1);
        close(pipeEnds[0]);
        EXPECT_FALSE(fs::is_empty(runtime.path));
        kill(child, signalNumber);
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signalNumber) << signalNumber;
        EXPECT_TRUE(fs::is_empty(runtime.path)) << signalNumber;
    }
}

}  // namespace
