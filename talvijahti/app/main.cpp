// talvijahti's entry: finds the game data, answers or asks the display question, runs the game.

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <string>

#include "CGame.h"
#include "DataLocation.h"

namespace {

void PrintUsage()
{
    std::puts(
        "Usage: talvijahti [--fullscreen | --windowed]\n"
        "  --fullscreen   play full screen without asking\n"
        "  --windowed     play in an 800 x 600 window without asking\n"
        "Without either option the game asks. The game data is looked for in $TALVIJAHTI_DATA,\n"
        "beside the program and in the installed data folder.\n"
        "TALVIJAHTI_SCREENSHOT=file.png [TALVIJAHTI_SCREENSHOT_FRAME=n] writes frame n (default 60) to a PNG.");
}

}  // namespace

int main(int argc, char** argv)
{
    DisplayChoice choice = DisplayChoice::Ask;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--fullscreen") {
            choice = DisplayChoice::Fullscreen;
        } else if (arg == "--windowed") {
            choice = DisplayChoice::Windowed;
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

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    CGame game(choice);
    game.RequestScreenshot(screenshot);
    game.Run();
    return 0;
}
