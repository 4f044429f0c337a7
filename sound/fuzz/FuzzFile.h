// The loaders read files by name, so each fuzz input is written to a scratch file first.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fmodlite_fuzz {

// Writes the input to this process's scratch file (removed at exit) and returns its path.
const std::string& WriteInput(const uint8_t* data, size_t size);

// Starts the deviceless output once, so loaded sounds can also be played and mixed.
void StartPulledOutput();

// Mixes the next frames, as the sound device would ask for them.
void Mix(int frames);

}  // namespace fmodlite_fuzz
