// The whole screen sequence on SDL's dummy drivers: start-up, intro, menu, help, the game
// screen and shut-down, driven by pushed events; and the failures start-up and run report.
#include "app/Application.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "ScreenFixture.h"
#include "TestSounds.h"
#include "jwe/Package.h"
#include "jwe/ScratchFolder.h"
#include "pjw/PackageWriter.h"

namespace fs = std::filesystem;
using namespace screentest;

namespace {

// What the screen shows, told apart by the fixture pictures' colours.
std::string shownScreen()
{
    if (pixelAt(10, 10) == menuBackground) {
        return "menu:" + std::to_string(highlightedMenuItem());
    }
    for (int page = 0; page < 3; ++page) {
        if (pixelAt(320, 240) == helpPageColours[page]) {
            return "help" + std::to_string(page + 1);
        }
    }
    if (pixelAt(5, 5) == (Rgb{0, 64, 0})) {
        return "game";
    }
    if (pixelAt(639, 479) == (Rgb{0, 0, 0}) && countColour(200, 280, 200, 20, {255, 255, 255}) > 0) {
        return "intro";
    }
    return "other";
}

// Each step waits until its screen is shown, then pushes its events.
struct Step {
    std::string screen;
    std::function<void()> push;
};

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        startFolder = fs::current_path();
        char pattern[] = "/tmp/wtrq-app-XXXXXX";
        folder = mkdtemp(pattern);
        fs::create_directories(folder / "run");
        setenv("XDG_RUNTIME_DIR", (folder / "run").c_str(), 1);
        setenv("WTRQ_DATA", folder.c_str(), 1);
        // Sound goes nowhere: a real device would write its own files and messages.
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        writeGuiPackage(folder);
        writeSounds({{"christmas.xm", soundtest::TestModuleBytes()}});
    }
    void TearDown() override
    {
        fs::current_path(startFolder);
        fs::remove_all(folder);
        unsetenv("WTRQ_DATA");
    }
    void writeSounds(const std::vector<pjw::PackageMember>& members)
    {
        pjw::writePackage((folder / "data" / "sounds.pjw").string(), members, 17);
    }

    struct Outcome {
        int status;
        std::string errors;
        size_t stepsDone;
    };
    Outcome play(const std::vector<Step>& steps)
    {
        size_t next = 0;
        ScriptedPacer pacer([&](int pass) {
            if (pass == 1) {
                // Window and focus notices may come at any moment; they would show a help
                // page earlier than a script expects, so only the pushed input is kept.
                for (Uint8 type : {SDL_ACTIVEEVENT, SDL_VIDEOEXPOSE, SDL_VIDEORESIZE, SDL_SYSWMEVENT}) {
                    SDL_EventState(type, SDL_IGNORE);
                }
            }
            if (next < steps.size() && shownScreen() == steps[next].screen) {
                steps[next++].push();
            }
        });
        char program[] = "wtrq";
        char windib[] = "-windib";  // leaves SDL on the dummy driver the tests run with
        char* argv[] = {program, windib, nullptr};
        testing::internal::CaptureStderr();
        int status;
        {
            Application application(2, argv, pacer);
            status = application.run();
        }
        return {status, testing::internal::GetCapturedStderr(), next};
    }
    // The game screen's members beside the fixture's: a plain green top bar (so the game is told
    // apart), and the map, pictures and sounds of the game's own data.
    void addGameData()
    {
        const fs::path source = fs::path(WTRQ_TEST_SOURCE_DATA) / "data";
        for (const char* package : {"tiles.pjw", "buildings.pjw", "elves.pjw"}) {
            fs::copy_file(source / package, folder / "data" / package, fs::copy_options::overwrite_existing);
        }
        std::vector<pjw::PackageMember> gui = membersOf(folder / "data" / "gui.pjw");
        gui.push_back({"topbar.png", solidPicture(640, 32, {0, 64, 0})});
        gui.push_back({"topbar_down.png", solidPicture(640, 32, {0, 64, 0})});
        pjw::writePackage((folder / "data" / "gui.pjw").string(), gui, 23);
        std::vector<pjw::PackageMember> sounds = membersOf(folder / "data" / "sounds.pjw");
        for (pjw::PackageMember& member : membersOf(source / "sounds.pjw")) {
            if (member.name != "christmas.xm") {
                sounds.push_back(std::move(member));
            }
        }
        writeSounds(sounds);
    }
    std::vector<pjw::PackageMember> membersOf(const fs::path& path)
    {
        std::vector<pjw::PackageMember> members;
        Package package(path.string());
        const fs::path copy = folder / "member.tmp";
        for (const std::string& name : package.memberNames()) {
            package.extractTo(name, copy.string());
            std::ifstream in(copy, std::ios::binary);
            members.push_back({name, {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()}});
        }
        package.close();
        fs::remove(copy);
        return members;
    }
    bool scratchLeft() const { return !fs::is_empty(folder / "run"); }

    fs::path folder;
    fs::path startFolder;
};

TEST_F(ApplicationTest, HelpFromTheMenuAndBackWithBeginHighlighted)
{
    const Outcome outcome = play({
        {"intro", [] { pushKeyStroke(SDLK_x); }},
        {"menu:0", [] { pushKeyStroke(SDLK_DOWN); pushKeyStroke(SDLK_RETURN); }},
        {"help1", [] { pushKey(SDLK_SPACE); }},
        {"help1", [] { pushKey(SDLK_SPACE, false); }},
        {"help2", [] { pushKey(SDLK_SPACE); }},
        {"help2", [] { pushKey(SDLK_SPACE, false); }},
        {"help3", [] { pushKey(SDLK_SPACE); }},
        {"menu:0", [] { pushKeyStroke(SDLK_DOWN); pushKeyStroke(SDLK_DOWN); pushKeyStroke(SDLK_RETURN); }},
    });
    EXPECT_EQ(outcome.stepsDone, 8u);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_FALSE(scratchLeft());
}

TEST_F(ApplicationTest, BeginOpensTheGameScreenAndEscapeComesBack)
{
    addGameData();
    const Outcome outcome = play({
        {"intro", [] { pushQuit(); }},  // a close request ends only the intro
        {"menu:0", [] { pushKeyStroke(SDLK_RETURN); }},
        {"game", [] { pushKeyStroke(SDLK_ESCAPE); }},
        {"menu:0", [] { pushQuit(); }},  // on the menu it ends the program
    });
    EXPECT_EQ(outcome.stepsDone, 4u);
    EXPECT_EQ(outcome.status, 0);
    EXPECT_EQ(outcome.errors, "");
    EXPECT_FALSE(scratchLeft());
}

TEST_F(ApplicationTest, StartUpFailuresAreReportedAndEndWithStatusOne)
{
    const struct {
        const char* label;
        std::function<void()> damage;
        std::string errors;
    } cases[] = {
        {"no interface package", [this] { fs::remove(folder / "data" / "gui.pjw"); },
         "Failed to load file \"data/gui.pjw\".\nRead-mode opening failed.\n"},
        {"no music member", [this] { writeSounds({{"pop.wav", {1, 2}}}); },
         "Failed to load file \"christmas.xm\".\nNot found inside package.\n"},
        {"music that is no module", [this] { writeSounds({{"christmas.xm", {1, 2, 3}}}); },
         "Failed to load music!\n"},
        {"damaged sounds package",
         [this] { std::ofstream(folder / "data" / "sounds.pjw") << "PJW1\x01\x02" "a 1 b"; },
         "Failed to load file \"data/sounds.pjw\".\nPackage directory ends before its last entry.\n"},
        {"no font member", [this] { writeGuiPackage(folder, {"palab.ttf"}); },
         "Failed to load file \"palab.ttf\".\nNot found inside package.\n"},
        {"data folder without data",
         [this] { setenv("WTRQ_DATA", (folder / "run").c_str(), 1); },
         "Failed to find the game data.\nWTRQ_DATA names \"@/run\", which is not a folder holding \"data\".\n"},
    };
    // "@" in an expected text stands for the case's data folder.
    for (const auto& c : cases) {
        c.damage();
        std::string expected = c.errors;
        if (const size_t at = expected.find('@'); at != std::string::npos) {
            expected.replace(at, 1, folder.string());
        }
        const Outcome outcome = play({});
        EXPECT_EQ(outcome.status, 1) << c.label;
        EXPECT_EQ(outcome.errors, expected) << c.label;
        EXPECT_FALSE(scratchLeft()) << c.label;
        TearDown();
        SetUp();  // a fresh data folder for the next case
    }
}

TEST_F(ApplicationTest, FailureWhileRunningIsReportedAndEndsWithStatusOne)
{
    writeGuiPackage(folder, {"help2.png"});
    const Outcome outcome = play({
        {"intro", [] { pushKeyStroke(SDLK_x); }},
        {"menu:0", [] { pushKeyStroke(SDLK_DOWN); pushKeyStroke(SDLK_RETURN); }},
    });
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.errors, "Failed to load file \"help2.png\".\nNot found inside package.\n");
    EXPECT_FALSE(scratchLeft());
}

}  // namespace
