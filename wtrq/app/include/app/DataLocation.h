// Where wtrq's packages are: the folder that holds "data", whatever the working directory.
#pragma once

#include <filesystem>

// $WTRQ_DATA when set (and then nothing else), else beside the program, the installed share
// folder and the source tree the program was built from. Throws JWEException saying where it
// looked.
std::filesystem::path findGameData();
// Makes the game data folder the current directory, so "data/gui.pjw" and the other package
// paths are found from any folder the program is started in.
void setWorkingDirectory();
