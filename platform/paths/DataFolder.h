// Choosing the folder a game's data lives in, from a list of places to look.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// The first candidate that is a folder holding an entry named marker (for example "data").
// Empty candidates are skipped.
std::optional<std::filesystem::path> FindDataFolder(const std::vector<std::filesystem::path>& candidates,
                                                    const std::string& marker);
