// EnterGameDataFolder: uses $TALVIJAHTI_DATA when it is set; otherwise looks beside the
// program, in the installed folder and in the source tree the program was built from.
#include "DataLocation.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#include "paths/DataFolder.h"
#include "paths/ExecutableFolder.h"

namespace fs = std::filesystem;

namespace {

// Empty when folder holds the game data; otherwise what is wrong with it.
std::string NamedFolderProblem(const fs::path& folder)
{
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (!fs::exists(status)) {
        return "does not exist";
    }
    if (!fs::is_directory(status)) {
        return "is not a folder";
    }
    if (!fs::is_directory(folder / "data", error)) {
        return "holds no data/ folder";
    }
    return {};
}

// The folder the user named: entered, or the reason it cannot be used printed.
bool EnterNamedFolder(const fs::path& folder)
{
    std::string problem = NamedFolderProblem(folder);
    std::error_code error;
    if (problem.empty()) {
        fs::current_path(folder, error);
        if (!error) {
            return true;
        }
        problem = "cannot be entered: " + error.message();
    }
    std::fprintf(stderr, "talvijahti: TALVIJAHTI_DATA names \"%s\", which %s.\n", folder.string().c_str(),
                 problem.c_str());
    std::fprintf(stderr, "It must be the folder that holds the game's data/, sfx/ and levels/.\n");
    return false;
}

}  // namespace

bool EnterGameDataFolder()
{
    // A folder the user names is used or refused with the reason, never passed over silently.
    const char* fromEnvironment = std::getenv("TALVIJAHTI_DATA");
    if (fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        return EnterNamedFolder(fromEnvironment);
    }

    const fs::path exe = ExecutableFolder();
    std::vector<fs::path> candidates;
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
