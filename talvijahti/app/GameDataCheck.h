// The start-up check that every picture, sound and level the game loads is present and readable.
#pragma once

#include <string>
#include <vector>

// The files the game loads, relative to its data folder.
struct SGameDataFiles {
    std::vector<std::string> pictures;
    std::vector<std::string> sounds;
    std::vector<std::string> levels;
};
const SGameDataFiles& GameDataFiles();

// Checks the files of GameDataFiles() relative to the working directory. Returns one line per
// file that is missing or cannot be loaded, naming it and the problem; empty when all is well.
// Needs neither a window nor a sound device.
std::vector<std::string> FindGameDataProblems();
