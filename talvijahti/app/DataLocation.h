// Where talvijahti's pictures, sounds and levels are, wherever the game was started from.
#pragma once

// Makes the game's data folder (the one holding data/, sfx/ and levels/) the working
// directory. On failure prints where it looked and returns false.
bool EnterGameDataFolder();
