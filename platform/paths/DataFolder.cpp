// FindDataFolder: the first candidate folder that holds the marker entry.
#include "DataFolder.h"

#include <system_error>

std::optional<std::filesystem::path> FindDataFolder(const std::vector<std::filesystem::path>& candidates,
                                                    const std::string& marker)
{
    for (const std::filesystem::path& candidate : candidates) {
        if (candidate.empty()) {
            continue;
        }
        std::error_code error;
        if (std::filesystem::is_directory(candidate, error) && std::filesystem::exists(candidate / marker, error)) {
            return std::filesystem::absolute(candidate, error);
        }
    }
    return std::nullopt;
}
