// The folder of the running program, so data can be found from any working directory.
#pragma once

#include <filesystem>

// Empty when the system cannot tell.
std::filesystem::path ExecutableFolder();
