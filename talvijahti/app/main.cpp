// talvijahti's entry: finds the game data, answers or asks the display question, runs the game
// (or its autopilot demo).

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>
#include <vector>

#include "CGame.h"
#include "DataLocation.h"
#include "GameDataCheck.h"
#include "GameState.h"
#include "autopilot/CAutopilotInput.h"

namespace {

void PrintUsage()
{
    std::puts(
        "Usage: talvijahti [--fullscreen | --windowed] [--demo]\n"
        "  --fullscreen   play full screen without asking\n"
        "  --windowed     play in an 800 x 600 window without asking\n"
        "  --demo         watch the autopilot play from level 1 (in a window unless --fullscreen);\n"
        "                 Escape leaves for the menu, the mouse works as in a game of your own\n"
        "Without --fullscreen or --windowed the game asks. The game data is taken from $TALVIJAHTI_DATA when it is\n"
        "set, otherwise looked for beside the program and in the installed data folder.\n"
        "TALVIJAHTI_SCREENSHOT=file.png [TALVIJAHTI_SCREENSHOT_FRAME=n] writes frame n (default 60) to a PNG.");
}

}  // namespace

int main(int argc, char** argv)
{
    DisplayChoice choice = DisplayChoice::Ask;
    bool demo = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fullscreen") {
            choice = DisplayChoice::Fullscreen;
        } else if (arg == "--windowed") {
            choice = DisplayChoice::Windowed;
        } else if (arg == "--demo") {
            demo = true;
        } else if (arg == "--help" || arg == "-h") {
            PrintUsage();
            return 0;
        } else {
            std::fprintf(stderr, "talvijahti: unknown option \"%s\"\n", arg.c_str());
            PrintUsage();
            return 2;
        }
    }

    // Screenshots are named relative to where the player started the game.
    SScreenshotRequest screenshot;
    if (const char* path = std::getenv("TALVIJAHTI_SCREENSHOT")) {
        screenshot.path = std::filesystem::absolute(path).string();
        const char* frame = std::getenv("TALVIJAHTI_SCREENSHOT_FRAME");
        screenshot.frame = frame ? std::atoi(frame) : 60;
    }

    if (!EnterGameDataFolder()) {
        return 1;
    }
    // Before the window opens: the engine would hand a missing picture or sound on as null.
    const std::vector<std::string> problems = FindGameDataProblems();
    if (!problems.empty()) {
        std::fprintf(stderr, "talvijahti: game data missing or unreadable in %s:\n",
                     std::filesystem::current_path().string().c_str());
        for (const std::string& problem : problems) {
            std::fprintf(stderr, "  %s\n", problem.c_str());
        }
        return 1;
    }

    // The game never looks at quit events, so SDL's own handlers would swallow Ctrl+C and
    // kill requests; leave those signals their usual effect of ending the program.
    setenv("SDL_NO_SIGNAL_HANDLERS", "1", 0);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    // In a demo the autopilot holds the steering keys; everything else is the player's own input.
    CAutopilotInput pilot(SdlInputSource());
    if (demo && choice == DisplayChoice::Ask) {
        choice = DisplayChoice::Windowed;
    }
    CGame game(choice, demo ? &pilot : nullptr);
    game.RequestScreenshot(screenshot);
    if (!game.Started()) {
        return 1;
    }
    if (demo) {
        pilot.Attach(&game);
        game.SetState(STATE_GAME);
    }
    game.Run();
    return 0;
}
