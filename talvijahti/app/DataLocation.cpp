// EnterGameDataFolder: looks in $TALVIJAHTI_DATA, beside the program, in the installed
// folder and in the source tree the program was built from.
#include "DataLocation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "paths/DataFolder.h"
#include "paths/ExecutableFolder.h"

namespace fs = std::filesystem;

bool EnterGameDataFolder()
{
    const fs::path exe = ExecutableFolder();
    std::vector<fs::path> candidates;
    if (const char* fromEnvironment = std::getenv("TALVIJAHTI_DATA")) {
        candidates.emplace_back(fromEnvironment);
    }
    if (!exe.empty()) {
        candidates.push_back(exe / "gamedata");
        candidates.push_back(exe / ".." / "share" / "talvijahti");
        candidates.push_back(exe / ".." / "share" / "games" / "talvijahti");
    }
    candidates.emplace_back(TALVIJAHTI_BUILT_FROM_DATA);

    const auto folder = FindDataFolder(candidates, "data");
    std::error_code error;
    if (folder) {
        fs::current_path(*folder, error);
        if (!error) {
            return true;
        }
    }
    std::fprintf(stderr, "talvijahti: cannot find the game data (a folder holding data/, sfx/ and levels/). Looked in:\n");
    for (const fs::path& candidate : candidates) {
        std::fprintf(stderr, "  %s\n", candidate.string().c_str());
    }
    std::fprintf(stderr, "Set TALVIJAHTI_DATA to the folder that holds them.\n");
    return false;
}
