// Finding the game data folder.
#include "app/DataLocation.h"

#include <cstdlib>
#include <string>
#include <system_error>
#include <vector>

#include "jwe/Exceptions.h"
#include "paths/DataFolder.h"
#include "paths/ExecutableFolder.h"

namespace fs = std::filesystem;

fs::path findGameData()
{
    const char* const noData = "Failed to find the game data.";
    if (const char* named = std::getenv("WTRQ_DATA"); named != nullptr && named[0] != '\0') {
        if (const auto folder = FindDataFolder({fs::path(named)}, "data")) {
            return *folder;
        }
        throw JWEException(noData, std::string("WTRQ_DATA names \"") + named +
                                       "\", which is not a folder holding \"data\".");
    }
    std::vector<fs::path> candidates;
    const fs::path exe = ExecutableFolder();
    if (!exe.empty()) {
        candidates.push_back(exe);
        candidates.push_back(exe / ".." / "share" / "games" / "wtrq");
    }
    candidates.emplace_back(WTRQ_INSTALLED_DATA);
    candidates.emplace_back(WTRQ_BUILT_FROM_DATA);
    if (const auto folder = FindDataFolder(candidates, "data")) {
        return *folder;
    }
    std::string looked = "No folder holding \"data\" in";
    for (const fs::path& candidate : candidates) {
        looked += " \"" + candidate.lexically_normal().string() + "\"";
    }
    throw JWEException(noData, looked + "; set WTRQ_DATA to the folder that holds it.");
}

void setWorkingDirectory()
{
    const fs::path folder = findGameData();
    std::error_code error;
    fs::current_path(folder, error);
    if (error) {
        throw JWEException("Failed to find the game data.",
                           "Cannot enter \"" + folder.string() + "\": " + error.message());
    }
}
