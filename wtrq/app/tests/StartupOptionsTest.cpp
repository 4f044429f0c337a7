// The command line: exact option matching, the display mode, and the video driver choice.
#include "app/StartupOptions.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

StartupOptions parse(std::vector<std::string> args)
{
    args.insert(args.begin(), "wtrq");
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    return parseOptions(static_cast<int>(argv.size()), argv.data());
}

TEST(StartupOptions, GameSecondsTakeAWholePositiveNumber)
{
    const struct {
        std::vector<std::string> args;
        int seconds;
    } cases[] = {
        {{}, 1440},
        {{"--game-seconds", "3"}, 3},
        {{"-32bit", "--game-seconds", "90", "-windib"}, 90},
        {{"--game-seconds"}, 1440},
        {{"--game-seconds", "0"}, 1440},
        {{"--game-seconds", "-5"}, 1440},
        {{"--game-seconds", "3x"}, 1440},
        {{"--game-seconds", "99999999999"}, 1440},
        {{"--game-seconds=3"}, 1440},
        {{"-game-seconds", "3"}, 1440},
    };
    for (const auto& c : cases) {
        std::string label;
        for (const std::string& arg : c.args) label += "[" + arg + "]";
        EXPECT_EQ(parse(c.args).gameSeconds, c.seconds) << label;
    }
    EXPECT_TRUE(parse({"--game-seconds", "-windib"}).windib) << "an option is never taken as the value";
}

TEST(StartupOptions, ExactMatchesChooseModeAndDriver)
{
    const Uint32 window = SDL_HWSURFACE | SDL_DOUBLEBUF;
    const Uint32 full = window | SDL_FULLSCREEN;
    const struct {
        std::vector<std::string> args;
        bool fullscreen, depth32, windib;
        int depth;
        Uint32 flags;
    } cases[] = {
        {{}, false, false, false, 24, window},
        {{"-32bit"}, false, true, false, 32, window},
        {{"-fullscreen"}, true, false, false, 24, full},
        {{"-fullscreen", "-32bit"}, true, true, false, 24, full},
        {{"-32bit", "-fullscreen"}, true, true, false, 24, full},
        {{"-windib", "-fullscreen"}, true, false, true, 24, full},
        {{"-windib", "-windib", "-32bit", "-32bit"}, false, true, true, 32, window},
        {{"-FULLSCREEN", "-32Bit", "-WinDib"}, false, false, false, 24, window},
        {{"--fullscreen", "--32bit", "--windib"}, false, false, false, 24, window},
        {{"-fullscreen=1", "-32bit ", "-windib=yes", "fullscreen", ""}, false, false, false, 24, window},
    };
    for (const auto& c : cases) {
        std::string label;
        for (const std::string& arg : c.args) label += "[" + arg + "]";
        const StartupOptions options = parse(c.args);
        EXPECT_EQ(options.fullscreen, c.fullscreen) << label;
        EXPECT_EQ(options.depth32, c.depth32) << label;
        EXPECT_EQ(options.windib, c.windib) << label;
        const VideoMode mode = videoModeFor(options);
        EXPECT_EQ(mode.depth, c.depth) << label;
        EXPECT_EQ(mode.flags, c.flags) << label;
    }
}

TEST(StartupOptions, VideoDriverIsX11UnlessWindibOrTheUserChose)
{
    const struct {
        const char* label;
        const char* before;  // null: not set
        bool windib;
        const char* after;
    } cases[] = {
        {"nothing set", nullptr, false, "x11"},
        {"nothing set, -windib", nullptr, true, nullptr},
        {"user chose dummy", "dummy", false, "dummy"},
        {"user chose dummy, -windib", "dummy", true, "dummy"},
        {"user chose an empty value", "", false, ""},
    };
    for (const auto& c : cases) {
        if (c.before) {
            setenv("SDL_VIDEODRIVER", c.before, 1);
        } else {
            unsetenv("SDL_VIDEODRIVER");
        }
        StartupOptions options;
        options.windib = c.windib;
        chooseVideoDriver(options);
        const char* after = std::getenv("SDL_VIDEODRIVER");
        if (c.after) {
            ASSERT_NE(after, nullptr) << c.label;
            EXPECT_STREQ(after, c.after) << c.label;
        } else {
            EXPECT_EQ(after, nullptr) << c.label;
        }
    }
    setenv("SDL_VIDEODRIVER", "dummy", 1);
}

}  // namespace
