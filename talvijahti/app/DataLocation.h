// Where talvijahti's pictures, sounds and levels are, wherever the game was started from.
#pragma once

// Makes the game's data folder (the one holding data/, sfx/ and levels/) the working
// directory. A folder named by $TALVIJAHTI_DATA is the only one tried. On failure prints
// where it looked, or why the named folder cannot be used, and returns false.
bool EnterGameDataFolder();
